#include "ui/config_app.h"

#include "ui/config_dialog.h"

namespace wl3::ui {

ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool ConfigApp::start() {
    ConfigDialog dialog;
    dialog.exec();
    return false;
}

} // namespace wl3::ui
