// Compare: the form beside a file or the tracker, and the other's values taken into the form
// on request. Nothing is written or saved here.
#include "commands/compared_image.h"
#include "commands/device_commands.h"
#include "config/config_comparison.h"
#include "ui/compare_dialog.h"
#include "ui/config_dialog.h"
#include "ui/port_combo_box.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace wl3::ui {

// The form's side is the image that Write would send now, so that the tracker's side
// compares as the tracker would hold both.
void ConfigDialog::onCompare() {
    formToRecord();
    const auto mine = prepareImage(RefusedAction::Compare);
    if (!mine) {
        return;
    }
    QString otherName;
    const auto theirs = imageToCompare(otherName);
    if (!theirs) {
        return;
    }
    ConfigComparison comparison = compareConfigurations(*mine, *theirs);
    const TrackerConfig theirRecord = comparison.second;
    CompareDialog box(std::move(comparison), otherName, this);
    connect(&box, &CompareDialog::taken, this,
            [this, &theirRecord](const std::vector<FieldDifference>& taken) {
                for (const FieldDifference& difference : taken) {
                    takeValue(config(), theirRecord, difference);
                }
                recordToForm();
            });
    box.exec();
}

// A file, or the tracker on the chosen port, as the user picks; nothing when they cancel or
// it cannot be had, after saying why. otherName heads the other's column.
std::optional<ConfigImage> ConfigDialog::imageToCompare(QString& otherName) {
    const QString port = ports()->currentText();
    QMessageBox ask(QMessageBox::Question, tr("Compare"),
                    tr("Compare the form with a file, or with the tracker on %1?").arg(port),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("compareWith"));
    QPushButton* file = ask.addButton(tr("&File\u2026"), QMessageBox::AcceptRole);
    file->setObjectName(QStringLiteral("file"));
    QPushButton* tracker = ask.addButton(tr("&Tracker"), QMessageBox::AcceptRole);
    tracker->setObjectName(QStringLiteral("tracker"));
    ask.addButton(QMessageBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    ask.exec();
    if (ask.clickedButton() == file) {
        const auto path = fileDialogs_.pathToLoad(*this);
        if (!path) {
            return std::nullopt;
        }
        otherName = QFileInfo(QString::fromStdU16String(path->u16string())).fileName();
        return imageOfFile(*path, reporter_);
    }
    if (ask.clickedButton() != tracker) {
        return std::nullopt;
    }
    otherName = port;
    ConfigImage read{};
    const Status status = runDeviceCommand(
        Stopping::Allowed, [&read](SerialLink& link, const TrackerConfig&, Reporter& reporter) {
            TrackerConfig held;
            return readTrackerImage(held, link, reporter, read);
        });
    return status == Status::Ok ? std::optional(read) : std::nullopt;
}

} // namespace wl3::ui
