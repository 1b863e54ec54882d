#include "ui/message_box_reporter.h"

#include "ui/translated_wording.h"
#include "ui/wait_cursor.h"
#include "wording/wording.h"

#include <QMessageBox>

namespace wl3::ui {

namespace {

// A refusal stops what the user asked for, so it looks like the warning it is.
QMessageBox::Icon iconOf(const Outcome& outcome) {
    return std::holds_alternative<ValuesRefused>(outcome) ? QMessageBox::Warning
                                                          : QMessageBox::NoIcon;
}

} // namespace

void MessageBoxReporter::report(const Outcome& outcome) {
    const Wording wording = wordingOf(outcome);
    QMessageBox box(iconOf(outcome), wording.caption ? translated(*wording.caption) : QString(),
                    translatedText(wording), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const ArrowWhileBusy arrow;
    box.exec();
}

} // namespace wl3::ui
