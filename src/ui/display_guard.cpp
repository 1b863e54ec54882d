#include "ui/display_guard.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace wl3::ui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

QtMessageHandler previousHandler = nullptr;

// The platform layer's first complaint says why (no display, no plugin); the fatal message
// after it is only the advice.
QString reasonFor(const QString& fatal) {
    const std::vector<HeldMessage>& held = heldMessages();
    const auto platform = std::find_if(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.category.startsWith("qt.qpa");
    });
    if (platform != held.end()) {
        return platform->text.trimmed();
    }
    return fatal.section(u'\n', 0, 0).trimmed();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString line = QStringLiteral("wrenlink3config: cannot open its window (%1): it "
                                            "needs a desktop session; wl3 works without one.\n")
                                 .arg(reasonFor(text));
        // Nothing is left to tell should standard error fail too.
        static_cast<void>(std::fputs(line.toLocal8Bit().constData(), stderr));
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

} // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(holdMessage);
}

void DisplayGuard::end() {
    if (!active_) {
        return;
    }
    active_ = false;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : heldMessages()) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages().clear();
}

} // namespace wl3::ui
