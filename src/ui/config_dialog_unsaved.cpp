// Knowing whether the form holds edits that nothing has kept yet and which file it was kept
// in, and closing without losing the edits or leaving a tone on.
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace wl3::ui {

namespace {

// The values a person could lose: not the tab shown, nor what only the tracker's side
// derives or remembers.
bool sameValues(TrackerConfig a, const TrackerConfig& b) {
    a.currentProfile = b.currentProfile;
    a.calibrationChanged = b.calibrationChanged;
    a.rateDivides60 = b.rateDivides60;
    a.rateDivides600 = b.rateDivides600;
    return a == b;
}

} // namespace

// Each profile goes through the form once, so that what the form cannot show (a list index
// outside its list, say) does not count as an edit later.
TrackerConfig ConfigDialog::asTheFormHoldsIt(const TrackerConfig& record) {
    TrackerConfig held = record;
    const int shown = record.currentProfile & 1;
    held.currentProfile = 1 - shown;
    recordToForm(held);
    formToRecord(held);
    held.currentProfile = shown;
    recordToForm(held);
    formToRecord(held);
    return held;
}

void ConfigDialog::markSaved() {
    saved_ = asTheFormHoldsIt(config_);
    updateModifiedMark();
}

bool ConfigDialog::hasUnsavedEdits() const {
    TrackerConfig now = config_;
    formToRecord(now);
    return !sameValues(now, saved_);
}

void ConfigDialog::updateModifiedMark() {
    if (!refilling_) {
        setWindowModified(hasUnsavedEdits());
    }
}

bool ConfigDialog::editsMayBeDropped() {
    if (!hasUnsavedEdits()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning,
                    QString::fromLatin1(kWindowTitle.data(), qsizetype(kWindowTitle.size())),
                    tr("The configuration has changes that are not saved."), QMessageBox::NoButton,
                    this);
    box.setObjectName(QStringLiteral("unsavedEdits"));
    box.setInformativeText(tr("Save them to a file first?"));
    QPushButton* save = box.addButton(tr("&Save\u2026"), QMessageBox::AcceptRole);
    save->setObjectName(QStringLiteral("save"));
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    discard->setText(tr("&Discard"));
    discard->setObjectName(QStringLiteral("discard"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(tr("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) {
        return onSave();
    }
    return box.buttonRole(box.clickedButton()) == QMessageBox::DestructiveRole;
}

void ConfigDialog::done(int result) {
    if (!commandRunning_ && editsMayBeDropped()) {
        stopSoundingTone();
        QDialog::done(result);
    }
}

void ConfigDialog::showFileInTitle(const std::filesystem::path& file) {
    file_ = file;
    QString title = QString::fromLatin1(kWindowTitle.data(), qsizetype(kWindowTitle.size())) +
                    QStringLiteral("[*]");
    if (!file.empty()) {
        const QFileInfo info(file);
        title.prepend(info.fileName() + QStringLiteral(" \u2014 "));
        if (choices_ != nullptr) {
            choices_->setFolder(info.absolutePath());
        }
    }
    setWindowTitle(title);
}

} // namespace wl3::ui
