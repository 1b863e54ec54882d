// Time from process start to the main window on screen, and the memory it took, in English
// or in the language given: bench_startup [--language CODE]. Runs on the display it is
// given; with none, on Qt's offscreen platform.
#include "link/port_mapping.h"
#include "ui/app_theme.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"
#include "ui/ui_language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process, from /proc (clock-tick resolution),
// so that loading the shared libraries counts too. Negative when unknown.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    const auto afterName = line.rfind(')');
    if (afterName == std::string::npos) {
        return -1;
    }
    std::istringstream fields(line.substr(afterName + 2));
    std::string field;
    // Field 22 of the file, starttime; the stream starts at field 3.
    for (int index = 3; index < 22 && fields >> field; ++index) {
    }
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) {
        return -1;
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    const auto mainEntered = std::chrono::steady_clock::now();
    const double loadMs = msSinceProcessStart();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype option = arguments.indexOf(QStringLiteral("--language"));
    const QString code = option >= 0 && option + 1 < arguments.size() ? arguments.at(option + 1)
                                                                      : QStringLiteral("en");
    const wl3::ui::UiLanguage language(code);
    const double appMs = msSince(mainEntered);
    // As the program does, before its window.
    const wl3::ui::AppTheme theme(wl3::ui::ThemeChoice::System);
    const double themedMs = msSince(mainEntered);

    wl3::ui::MessageBoxReporter reporter;
    wl3::ui::QtFileDialogs fileDialogs;
    wl3::ui::ConfigDialog dialog({reporter, fileDialogs, wl3::portDevicePath});
    const double constructedMs = msSince(mainEntered);

    dialog.show();
    QElapsedTimer waited;
    waited.start();
    while (!dialog.windowHandle()->isExposed() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const bool exposed = dialog.windowHandle()->isExposed();
    const double shownMs = msSince(mainEntered);
    const double sinceStartMs = msSinceProcessStart();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    std::printf("platform                      %s\n", qPrintable(QApplication::platformName()));
    std::printf("language                      %s\n",
                language.code().isEmpty() ? "en" : qPrintable(language.code()));
    std::printf("process start to main         %8.1f ms (clock-tick resolution)\n", loadMs);
    std::printf("main to application ready     %8.1f ms\n", appMs);
    std::printf("main to theme applied         %8.1f ms\n", themedMs);
    std::printf("main to window constructed    %8.1f ms\n", constructedMs);
    std::printf("main to window shown          %8.1f ms%s\n", shownMs,
                exposed ? "" : " (never exposed)");
    std::printf("process start to window shown %8.1f ms (clock-tick resolution)\n", sinceStartMs);
    std::printf("peak resident memory          %8ld KiB\n", usage.ru_maxrss);
    return exposed ? 0 : 1;
}
