#pragma once

#include "ui/dialog_units.h"

#include <Qt>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace wl3::ui {

// Places the widgets of a window described in dialog units, for one font's base units.
class DialogBuilder {
public:
    DialogBuilder(QWidget& window, BaseUnits units) : window_(window), units_(units) {}

    BaseUnits units() const { return units_; }

    void place(QWidget& widget, DuRect rect) const;
    QLabel* addStaticText(std::string_view text, DuRect rect, Qt::Alignment alignment) const;
    QWidget* addGroupBox(std::string_view title, DuRect rect) const;
    // Never a default button of its own accord: Enter is the window's to handle.
    QPushButton* addPushButton(std::string_view text, DuRect rect) const;

private:
    QWidget& window_;
    BaseUnits units_;
};

} // namespace wl3::ui
