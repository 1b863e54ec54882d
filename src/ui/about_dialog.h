#pragma once

#include <QDialog>

namespace wl3::ui {

// The About box: program icon, version, copyright notice and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
};

} // namespace wl3::ui
