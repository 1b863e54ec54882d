#pragma once

#include <QDialog>

namespace wl3::ui {

// The About box: program icon, version, copyright notice and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);

    // The item that opens the box, in the window's menu.
    static QString entryText();
};

} // namespace wl3::ui
