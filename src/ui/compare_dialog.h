#pragma once

#include "config/config_differences.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace wl3::ui {

// The fields in which the form differs from another configuration, a file's or a
// tracker's, a row each: the field, the form's value, the other's, as the tracker would
// hold them. The table can be copied as text. "Take Theirs" hands the chosen rows, or
// "Take All Theirs" every row, to whoever listens, and the rows leave the table: the box
// itself changes nothing.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    // otherName heads the other's column: the file's name, or the tracker's port.
    CompareDialog(ConfigComparison comparison, const QString& otherName, QWidget* parent);

    // The table as lines of text, its header first, the columns separated by tabs.
    QString tableText() const;

signals:
    // The other's values of these fields are to go into the form.
    void taken(const std::vector<FieldDifference>& differences);

private:
    void fillTable();
    void take(std::vector<int> rows);
    void updateSummary();

    ConfigComparison comparison_;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* takeRow_ = nullptr;
    QPushButton* takeAll_ = nullptr;
};

// A field's name as the window's tables show it: its profile, then its label without the
// colon; the calibration, which both profiles share, by its label alone.
QString differenceName(const FieldDifference& difference);

} // namespace wl3::ui
