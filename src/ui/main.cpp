#include "files/standard_descriptors.h"
#include "ui/config_app.h"
#include "ui/display_guard.h"
#include "ui/start_options.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    wl3::fillClosedStandardDescriptors();
    // The command line is checked before the window's application exists, so that --help,
    // --version and a mistyped option need no display.
    {
        const QCoreApplication console(argc, argv);
        wl3::ui::ConfigApp::nameApplication();
        wl3::ui::parseStartOptions(QCoreApplication::arguments());
    }
    wl3::ui::DisplayGuard noDisplay;
    wl3::ui::ConfigApp app(argc, argv);
    noDisplay.end();
    return app.start(wl3::ui::ConfigApp::arguments());
}
