// Knowing whether the form holds edits that nothing has kept yet and which file it was kept
// in, and closing without losing the edits or leaving a tone on.
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/progress_dialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace wl3::ui {

namespace {

QString windowTitleText() {
    return QString::fromLatin1(kWindowTitle.data(), qsizetype(kWindowTitle.size()));
}

// A standard button with words and a mnemonic of the window's own, found by tests by name.
QPushButton* addNamedButton(QMessageBox& box, QMessageBox::StandardButton button,
                            const QString& text, const QString& name) {
    QPushButton* added = box.addButton(button);
    added->setText(text);
    added->setObjectName(name);
    return added;
}

QPushButton* addNamedButton(QMessageBox& box, QMessageBox::ButtonRole role, const QString& text,
                            const QString& name) {
    QPushButton* added = box.addButton(text, role);
    added->setObjectName(name);
    return added;
}

} // namespace

void ConfigDialog::replaceRecord(const TrackerConfig& record) {
    form_.replaceRecord(record);
    updateModifiedMark();
}

void ConfigDialog::recordToForm() {
    form_.recordToForm();
    updateModifiedMark();
}

void ConfigDialog::markSaved() {
    form_.markSaved();
    updateModifiedMark();
}

// Whatever changes in the form may change what is unsaved and the status texts' room.
void ConfigDialog::updateModifiedMark() {
    if (!form_.refilling()) {
        setWindowModified(hasUnsavedEdits());
        updateTextRoom();
        updateAdvice();
    }
}

bool ConfigDialog::editsMayBeDropped(EditsGo edits) {
    if (!hasUnsavedEdits()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, windowTitleText(),
                    edits == EditsGo::WithTheWindow
                        ? tr("The window is about to close, and the configuration has changes "
                             "that are not saved.")
                        : tr("The configuration has changes that are not saved."),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("unsavedEdits"));
    box.setInformativeText(tr("Save them to a file first?"));
    QPushButton* save =
        addNamedButton(box, QMessageBox::AcceptRole, tr("&Save\u2026"), QStringLiteral("save"));
    addNamedButton(box, QMessageBox::Discard, tr("&Discard"), QStringLiteral("discard"));
    addNamedButton(box, QMessageBox::Cancel, tr("&Cancel"), QStringLiteral("cancel"));
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) {
        return onSave();
    }
    return box.buttonRole(box.clickedButton()) == QMessageBox::DestructiveRole;
}

// Asked while a command runs, the close waits for its end: a read stops at its next byte,
// a write once its image is out, since a half-written tracker is worse than a slow close.
void ConfigDialog::done(int result) {
    if (commandRunning_) {
        closeAfterCommand_ = result;
        progress_->requestStop();
        return;
    }
    if ((sessionEnding_ || editsMayBeDropped(EditsGo::WithTheWindow)) && stopSoundingTone()) {
        QDialog::done(result);
    }
}

ConfigDialog::UnstoppedTone ConfigDialog::askAboutUnstoppedTone() {
    QMessageBox box(QMessageBox::Warning, windowTitleText(),
                    tr("The test tone could not be stopped: the tracker may still be sending it, "
                       "and the radio may be transmitting."),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("unstoppedTone"));
    box.setInformativeText(tr("Check the cable and the COM port, then try again, or switch "
                              "the radio off before you close."));
    QPushButton* retry =
        addNamedButton(box, QMessageBox::Retry, tr("&Try Again"), QStringLiteral("tryAgain"));
    QPushButton* close = addNamedButton(box, QMessageBox::DestructiveRole, tr("C&lose Anyway"),
                                        QStringLiteral("closeAnyway"));
    addNamedButton(box, QMessageBox::Cancel, tr("&Cancel"), QStringLiteral("cancel"));
    box.setDefaultButton(retry);
    box.exec();
    if (box.clickedButton() == retry) {
        return UnstoppedTone::TryAgain;
    }
    return box.clickedButton() == close ? UnstoppedTone::CloseAnyway : UnstoppedTone::KeepWindow;
}

void ConfigDialog::showFileInTitle(const std::filesystem::path& file) {
    file_ = file;
    // The mark follows the file's name, which a window manager cuts last.
    QString title = windowTitleText();
    if (transmitting_) {
        //: Before the window's title while a test tone keys the radio.
        title.prepend(tr("Transmitting \u2014 "));
    }
    if (file.empty()) {
        title += QStringLiteral("[*]");
    } else {
        const QFileInfo info(file);
        title.prepend(info.fileName() + QStringLiteral("[*] \u2014 "));
        if (choices_ != nullptr) {
            choices_->setFolder(info.absolutePath());
        }
    }
    setWindowTitle(title);
}

} // namespace wl3::ui
