#include "ui/config_app.h"

#include "link/port_mapping.h"
#include "ui/app_theme.h"
#include "ui/caption_room.h"
#include "ui/config_dialog.h"
#include "ui/end_requests.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"
#include "ui/remembered_choices.h"
#include "ui/start_options.h"
#include "ui/theme_entries.h"
#include "ui/ui_language.h"

#include <QSessionManager>
#include <cstdlib>

namespace wl3::ui {

// The name is also the title of a box without a caption of its own, where the platform
// would otherwise show the program's file name, and it names the settings.
ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    nameApplication();
    installEventFilter(new CaptionRoom(this));
}

void ConfigApp::nameApplication() {
    setApplicationName(QStringLiteral("Wrenlink3Config"));
    setOrganizationName(QStringLiteral("Wrenlink3Config"));
    setApplicationVersion(QStringLiteral(WL3_VERSION));
}

// The session manager's request is accepted as it comes, without a question; the session
// goes on once it is answered, so the answer waits for the line.
int ConfigApp::start(const QStringList& arguments) {
    const StartOptions options = parseStartOptions(arguments);
    const UiLanguage language(options.language);
    RememberedChoices choices;
    // Before the window, which is then drawn in its colours from the start.
    AppTheme theme(options.theme.value_or(choices.theme()));
    MessageBoxReporter reporter;
    QtFileDialogs fileDialogs(&choices);
    ConfigDialog dialog({reporter, fileDialogs, portDevicePath, &choices});
    addThemeEntries(dialog, theme.choice(), [&theme, &choices](ThemeChoice chosen) {
        theme.setChoice(chosen);
        choices.setTheme(chosen);
    });
    reporter.setOwner(&dialog);
    applyStartOptions(dialog, options);
    int exitStatus = EXIT_SUCCESS;
    const auto endSession = [&dialog, &exitStatus](const EndRequest& request) {
        if (exitStatus == EXIT_SUCCESS) {
            exitStatus = request.exitStatus;
        }
        dialog.endSession(request.endsOnAnswer ? ConfigDialog::Waiting::ForTheLine
                                               : ConfigDialog::Waiting::None);
    };
    watchEndRequests(dialog, endSession);
    connect(
        this, &QGuiApplication::commitDataRequest, &dialog,
        [endSession](QSessionManager&) {
            endSession({kExitTerminated, true});
        },
        Qt::DirectConnection);
    dialog.exec();
    return exitStatus;
}

} // namespace wl3::ui
