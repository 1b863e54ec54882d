#pragma once

#include <QApplication>

namespace wl3::ui {

// The application: all of its work happens inside one modal run of the main window.
class ConfigApp : public QApplication {
    Q_OBJECT

public:
    ConfigApp(int& argc, char** argv);

    // The program's name, maker and version, for whichever application object exists.
    static void nameApplication();

    // Runs the main window for the command line (program name first) until it closes,
    // whatever its result; the program then ends, with no main loop to follow, and with the
    // exit status returned: 0, or that of the first request to end it (see end_requests.h).
    int start(const QStringList& arguments);
};

} // namespace wl3::ui
