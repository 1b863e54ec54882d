#pragma once

#include "config/form_layout.h"
#include "ui/dialog_units.h"

#include <QString>
#include <Qt>

class QComboBox;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace wl3::ui {

class FixedItemList;

// Places the widgets of a window described in dialog units, for one font's base units. The
// rows' texts are the English of the tables, translated here as they are shown; the other
// texts come translated. In a right-to-left layout every rectangle is mirrored within the
// window, whose size must be set first.
class DialogBuilder {
public:
    DialogBuilder(QWidget& window, BaseUnits units) : window_(window), units_(units) {}

    BaseUnits units() const { return units_; }

    void place(QWidget& widget, DuRect rect) const;
    QLabel* addStaticText(const QString& text, DuRect rect, Qt::Alignment alignment) const;
    QWidget* addGroupBox(const QString& title, DuRect rect) const;
    // Never a default button of its own accord: Enter is the window's to handle.
    QPushButton* addPushButton(const QString& text, DuRect rect) const;

    // The row's control with its label and unit label. The widget carries the row's name as
    // its object name and the row's id as its "controlId" property.
    QWidget* addControl(const ControlRow& row);
    // The same for a drop-down list of a kind the caller has made.
    QComboBox* addControl(const ControlRow& row, FixedItemList& list);

private:
    void placePixels(QWidget& widget, const QRect& rect) const;
    QWidget* makeControl(const ControlRow& row);
    void setUpList(FixedItemList& list, const ControlRow& row) const;
    QWidget* addTabs(const ControlRow& row) const;
    void finish(QWidget& control, const ControlRow& row) const;

    QWidget& window_;
    BaseUnits units_;
};

} // namespace wl3::ui
