#include "ui/start_options.h"

#include "ui/config_dialog.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <iostream>

namespace wl3::ui {

StartOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, edits and writes the configuration of a Wrenlink3 tracker."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The serial port to select: %1, or a device path.")
                                      .arg(QString::fromStdString(comPortRange())),
                                  QStringLiteral("DEVICE"));
    parser.addOption(port);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A .wl3 file to load at start."),
                                 QStringLiteral("[FILE]"));
    parser.process(arguments);

    StartOptions options;
    const auto fail = [](const std::string& why) {
        std::cerr << "wrenlink3config: " << why << "\n";
        std::exit(EXIT_FAILURE);
    };
    if (parser.isSet(port)) {
        const std::string text = parser.value(port).toStdString();
        options.port = parsePortChoice(text);
        if (!options.port) {
            fail("--port: " + checkPortChoice(text));
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        fail("one FILE at most");
    }
    if (!files.isEmpty()) {
        options.file = QFileInfo(files.constFirst()).filesystemAbsoluteFilePath();
    }
    return options;
}

void applyStartOptions(ConfigDialog& dialog, const StartOptions& options) {
    if (options.port) {
        dialog.choosePort(*options.port);
    }
    if (options.file) {
        QTimer::singleShot(0, &dialog, [&dialog, file = *options.file] { dialog.loadFile(file); });
    }
}

} // namespace wl3::ui
