#include "ui/message_box_reporter.h"

#include "ui/edit_text.h"
#include "ui/wait_cursor.h"

#include <QMessageBox>

namespace wl3::ui {

void MessageBoxReporter::showBox(const QString& caption, std::string_view text) const {
    QMessageBox box(QMessageBox::NoIcon, caption, fromLatin1Bytes(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const ArrowWhileBusy arrow;
    box.exec();
}

void MessageBoxReporter::errorBox(std::string_view text) {
    showBox(QString(), text);
}

void MessageBoxReporter::message(std::string_view caption, std::string_view text) {
    showBox(fromLatin1Bytes(caption), text);
}

} // namespace wl3::ui
