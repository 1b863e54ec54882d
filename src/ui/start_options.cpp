#include "ui/start_options.h"

#include "ui/config_dialog.h"
#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <iostream>

namespace wl3::ui {

namespace {

struct ToolkitOption {
    const char* name;
    bool takesValue;
};

// The toolkit's own options, which it takes out of the command line when the window's
// application starts: here they only have to pass, so that "-style Fusion" is not read as
// the letters s, t, y, l and e, nor Fusion as a FILE.
constexpr std::array<ToolkitOption, 23> kToolkitOptions{{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"testability", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
}};

void acceptToolkitOptions(QCommandLineParser& parser) {
    for (const ToolkitOption& known : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(known.name));
        if (known.takesValue) {
            option.setValueName(QStringLiteral("VALUE"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

StartOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, edits and writes the configuration of a Wrenlink3 tracker.\n"
                       "The toolkit's standard options, such as -style or -platform, apply "
                       "too."));
    // The toolkit's options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    acceptToolkitOptions(parser);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The serial port to select: %1, or a device path.")
                                      .arg(translated(comPortRangeWording())),
                                  QStringLiteral("DEVICE"));
    parser.addOption(port);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The window's language, such as de or pt_BR; en for English. Without "
                       "it, the system's."),
        QStringLiteral("CODE"));
    parser.addOption(language);
    const QCommandLineOption theme(
        QStringLiteral("theme"),
        QStringLiteral("system, light or dark: the window's look for this run. Without it, the "
                       "one last chosen in the window's menu, at first the system's."),
        QStringLiteral("THEME"));
    parser.addOption(theme);
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
            fail("--port: " + english(portChoiceRefusal(text)));
        }
    }
    options.language = parser.value(language);
    if (parser.isSet(theme)) {
        options.theme = themeNamed(parser.value(theme));
        if (!options.theme) {
            fail("--theme: \"" + parser.value(theme).toStdString() +
                 "\" is not system, light or dark");
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
