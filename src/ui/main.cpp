#include "files/file_size_limit.h"
#include "files/standard_descriptors.h"
#include "ui/config_app.h"
#include "ui/display_guard.h"
#include "ui/start_options.h"
#include "wording/wording.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

int run(int argc, char** argv) {
    wl3::fillClosedStandardDescriptors();
    wl3::failWritesPastTheSizeLimit();
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

} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        // No box can be shown without memory; the terminal, if any, hears of it.
        const std::string text = wl3::englishText(wl3::wordingOf(wl3::OutOfMemory{}));
        (void)std::fprintf(stderr, "wrenlink3config: %s\n", text.c_str());
        return EXIT_FAILURE;
    }
}
