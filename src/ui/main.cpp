#include "ui/config_app.h"

int main(int argc, char** argv) {
    wl3::ui::ConfigApp app(argc, argv);
    return app.start(wl3::ui::ConfigApp::arguments()) ? wl3::ui::ConfigApp::exec() : 0;
}
