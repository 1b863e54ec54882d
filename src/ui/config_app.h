#pragma once

#include <QApplication>

namespace wl3::ui {

// The application: all of its work happens inside one modal run of the main window.
class ConfigApp : public QApplication {
    Q_OBJECT

public:
    ConfigApp(int& argc, char** argv);

    // Runs the main window until it closes, whatever its result. Returns false: there is no
    // main loop to follow.
    bool start();
};

} // namespace wl3::ui
