#include "ui/config_app.h"

#include "link/port_mapping.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"
#include "ui/remembered_choices.h"
#include "ui/start_options.h"
#include "ui/ui_language.h"

namespace wl3::ui {

// The name is also the title of a box without a caption of its own, where the platform
// would otherwise show the program's file name, and it names the settings.
ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    nameApplication();
}

void ConfigApp::nameApplication() {
    setApplicationName(QStringLiteral("Wrenlink3Config"));
    setOrganizationName(QStringLiteral("Wrenlink3Config"));
    setApplicationVersion(QStringLiteral(WL3_VERSION));
}

void ConfigApp::start(const QStringList& arguments) {
    const StartOptions options = parseStartOptions(arguments);
    const UiLanguage language(options.language);
    RememberedChoices choices;
    MessageBoxReporter reporter;
    QtFileDialogs fileDialogs(&choices);
    ConfigDialog dialog({reporter, fileDialogs, portDevicePath, &choices});
    reporter.setOwner(&dialog);
    applyStartOptions(dialog, options);
    dialog.exec();
}

} // namespace wl3::ui
