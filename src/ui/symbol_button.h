#pragma once

#include <QToolButton>

class QLabel;
class QLineEdit;

namespace wl3::ui {

// The button beside the Symbol and Table / Overlay edits: it shows the picture of what the
// two characters stand for and names it beneath them, in its tooltip, in the edits' and to
// screen readers,
// as the user types; it opens the picker, whose choice fills both edits and nothing else.
class SymbolButton : public QToolButton {
    Q_OBJECT

public:
    // The edits must outlive the button.
    // nameLine shows the name beneath the edits; it must outlive the button too.
    SymbolButton(QLineEdit& symbol, QLineEdit& table, QLabel& nameLine, QWidget* parent);

private:
    void follow();
    void pick();

    QLineEdit& symbol_;
    QLineEdit& table_;
    QLabel& nameLine_;
};

} // namespace wl3::ui
