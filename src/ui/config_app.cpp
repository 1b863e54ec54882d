#include "ui/config_app.h"

#include "link/port_mapping.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"

namespace wl3::ui {

ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool ConfigApp::start() {
    MessageBoxReporter reporter;
    QtFileDialogs fileDialogs;
    ConfigDialog dialog({reporter, fileDialogs, portDevicePath});
    dialog.exec();
    return false;
}

} // namespace wl3::ui
