// The command buttons: the tracker's commands and the configuration files, each run by the
// command layer between the form and the record.
#include "commands/device_commands.h"
#include "formats/config_file.h"
#include "formats/config_io.h"
#include "link/make_link.h"
#include "ui/callsign_file_name.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/edit_text.h"
#include "ui/input_blocker.h"
#include "ui/port_combo_box.h"
#include "ui/progress_dialog.h"
#include "ui/tone_notice.h"
#include "ui/translated_wording.h"
#include "ui/wait_cursor.h"
#include "wording/wording.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <optional>

namespace wl3::ui {

namespace {

// The one configuration file, .wl3 or JSON, that a drop brings, if that is what it brings.
std::optional<std::filesystem::path> droppedConfigFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile()) {
        return std::nullopt;
    }
    const std::filesystem::path path(data->urls().constFirst().toLocalFile().toStdU16String());
    if (configFileKind(path) == ConfigFileKind::Unknown) {
        return std::nullopt;
    }
    return path;
}

// False when the place the file comes from allows no copy.
bool acceptAsCopy(QDropEvent& event) {
    if ((event.possibleActions() & Qt::CopyAction) == 0) {
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

} // namespace

bool ConfigDialog::onLoad() {
    if (!editsMayBeDropped()) {
        return false;
    }
    const auto path = fileDialogs_.pathToLoad(*this);
    return path && loadFile(*path) == Status::Ok;
}

// Values the tracker cannot hold are named before any file is asked for.
bool ConfigDialog::onSave() {
    formToRecord();
    const auto image = prepareImage(RefusedAction::Save);
    if (!image) {
        return false;
    }
    const auto path =
        fileDialogs_.pathToSave(*this, file_.empty() ? callsignFileName(config()) : file_);
    return path && saveImage(*path, *image) == Status::Ok;
}

// The load replaces the record, so the form is not copied into it first. A .wl3 file's image
// is what the next Write or Save stands on; JSON stands on the defaults' image.
Status ConfigDialog::loadFile(const std::filesystem::path& path) {
    TrackerConfig record = config();
    std::optional<ConfigImage> stored;
    if (loadConfiguration(path, record, reporter_, &stored) != Status::Ok) {
        return Status::Failed;
    }
    base_ = stored.value_or(defaultImage());
    replaceRecord(record);
    showFileInTitle(path);
    return Status::Ok;
}

// Always a .wl3 file, written onto the image last loaded, read or written, so that what the
// form leaves as it was keeps its bytes.
Status ConfigDialog::saveFile(const std::filesystem::path& path) {
    formToRecord();
    const auto image = prepareImage(RefusedAction::Save);
    return image ? saveImage(path, *image) : Status::Failed;
}

Status ConfigDialog::saveImage(const std::filesystem::path& path, const ConfigImage& image) {
    if (saveConfigImage(path, image, reporter_) != Status::Ok) {
        return Status::Failed;
    }
    markSaved();
    showFileInTitle(path);
    return Status::Ok;
}

// A drop only ever copies: a place that honoured a move would delete the file.
void ConfigDialog::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void ConfigDialog::dragMoveEvent(QDragMoveEvent* event) {
    if (!commandRunning_ && droppedConfigFile(event->mimeData())) {
        acceptAsCopy(*event);
    }
}

// The question and the load wait until the drop is over, so that the place the file came
// from is not kept waiting on them.
void ConfigDialog::dropEvent(QDropEvent* event) {
    const auto path = droppedConfigFile(event->mimeData());
    if (commandRunning_ || !path || !acceptAsCopy(*event)) {
        return;
    }
    QTimer::singleShot(0, this, [this, path = *path] {
        if (!commandRunning_ && editsMayBeDropped()) {
            loadFile(path);
        }
    });
}

// The window repaints and shows the progress while the worker waits on the line; it takes
// no input meanwhile, but its close box stops a read, or ends a write after its image, and
// then closes it. The worker has a record of its own, so nothing the window does can tear
// it; its boxes are shown here, in order, while it waits.
Status ConfigDialog::runDeviceCommand(Stopping stopping, const DeviceCommand& command) {
    return runDeviceCommand(ports()->choice(), stopping, command);
}

Status ConfigDialog::runDeviceCommand(const PortChoice& port, Stopping stopping,
                                      const DeviceCommand& command) {
    const WaitCursor busy;
    const QScopedValueRollback running(commandRunning_, true);
    const InputBlocker blocked(*this);
    ProgressDialog progress(*this, stopping == Stopping::Allowed);
    const QScopedValueRollback shownProgress(progress_, &progress);
    ProgressObserver observer(progress);
    PanelAsideReporter aside(shownReporter_, progress);
    GuiThreadReporter reporter(aside);
    TrackerConfig record = config();
    Status status = Status::Failed;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        SerialLink link = makeLink(port, reporter, observer, portResolver_);
        status = command(link, record, reporter);
    }));
    const QScopedValueRollback runningOn(worker_, worker.get());
    QEventLoop ended;
    connect(worker.get(), &QThread::finished, &ended, &QEventLoop::quit);
    worker->start();
    progress.show();
    ended.exec();
    worker->wait();
    config() = record;
    if (closeAfterCommand_) {
        QTimer::singleShot(0, this, [this, result = *closeAfterCommand_] { done(result); });
        closeAfterCommand_.reset();
    }
    return status;
}

void ConfigDialog::takeDecodedRecord(const TrackerConfig& record) {
    QMetaObject::invokeMethod(
        this, [this, &record] { replaceRecord(record); }, Qt::BlockingQueuedConnection);
}

void ConfigDialog::onReadVersion() {
    runDeviceCommand(Stopping::Allowed, [](SerialLink& link, TrackerConfig&, Reporter& reporter) {
        return readVersion(link, reporter);
    });
}

// The refill drops what was typed since the last copy into the record, so the user is asked
// first; the form then holds the tracker's configuration, no longer a file's, and the
// tracker's bytes are what the next Write or Save stands on.
void ConfigDialog::onReadConfiguration() {
    if (!editsMayBeDropped()) {
        return;
    }
    ConfigImage read{};
    const Status status =
        runDeviceCommand(Stopping::Allowed, [this, &read](SerialLink& link, TrackerConfig& record,
                                                          Reporter& reporter) {
            return readConfiguration(
                record, link, reporter, [this, &record] { takeDecodedRecord(record); }, &read);
        });
    if (status == Status::Ok) {
        base_ = read;
        showFileInTitle({});
    }
}

// An entry that never became a value left the record's value in place, which the tracker
// may well hold: the entry is what the user sees, so it is what the box names.
std::optional<ConfigImage> ConfigDialog::prepareImage(RefusedAction action) {
    PreparedImage prepared = wl3::prepareImage(config(), base_);
    if (const auto untaken = form_.untakenEntries(); !untaken.empty()) {
        std::erase_if(prepared.unholdable, [&untaken](const UnholdableValue& value) {
            return std::ranges::any_of(untaken, [&value](const UnholdableValue& entry) {
                return entry.field == value.field && entry.profile == value.profile;
            });
        });
        prepared.unholdable.insert(prepared.unholdable.end(), untaken.begin(), untaken.end());
        // In the order of the form, as the lines of the box are read.
        std::ranges::stable_sort(prepared.unholdable, {}, [](const UnholdableValue& value) {
            return std::pair(value.field - kProfileFields.data(), value.profile);
        });
        prepared.image.reset();
        prepared.encoder.clear();
    }
    const bool textCut = std::erase_if(prepared.encoder, [](const Outcome& outcome) {
                             return std::holds_alternative<TextTruncated>(outcome);
                         }) > 0;
    if (reportPrepared(prepared, action, reporter_) != Status::Ok ||
        (textCut && !goOnAfter(TextTruncated{}, QStringLiteral("textTruncated")))) {
        return std::nullopt;
    }
    return prepared.image;
}

// A warning worded as ever, with a way back to the form before anything is sent or stored.
bool ConfigDialog::goOnAfter(const Outcome& warning, const QString& name) {
    const Wording wording = wordingOf(warning);
    QMessageBox box(QMessageBox::Warning, translated(*wording.caption), translatedText(wording),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setObjectName(name);
    box.button(QMessageBox::Ok)->setObjectName(QStringLiteral("ok"));
    box.button(QMessageBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

// The record goes onto the image the form stands on, so that an unchanged form sends that
// image byte for byte. Nothing reaches the worker that the tracker could not hold.
void ConfigDialog::onWriteConfiguration() {
    formToRecord();
    const auto image = prepareImage(RefusedAction::Write);
    if (!image) {
        return;
    }
    const Status status =
        runDeviceCommand(Stopping::Refused, [this, &image](SerialLink& link, TrackerConfig& record,
                                                           Reporter& reporter) {
            return writeConfiguration(record, *image, link, reporter,
                                      {{}, [this, &record] { takeDecodedRecord(record); }});
        });
    if (status == Status::Ok) {
        base_ = *image;
    }
}

void ConfigDialog::onSend1200Hz() {
    sendTestTone(ToneCode::Send1200Hz);
}

void ConfigDialog::onSend2200Hz() {
    sendTestTone(ToneCode::Send2200Hz);
}

void ConfigDialog::onSendBoth() {
    sendTestTone(ToneCode::SendBoth);
}

void ConfigDialog::onStopSending() {
    sendTestTone(ToneCode::Stop);
}

// formToRecord is what marks a changed calibration, which the tone command warns of. A tone
// whose command failed may have gone out all the same, so it counts as sounding until a stop
// on its port succeeds.
void ConfigDialog::sendTestTone(ToneCode code) {
    formToRecord();
    Calibration calibration =
        form_.calibrationChanged() ? Calibration::NotWritten : Calibration::Written;
    // Before a tone the user may go back and write the calibration first; a stop always goes.
    if (calibration == Calibration::NotWritten && code != ToneCode::Stop) {
        if (!goOnAfter(CalibrationNotWritten{}, QStringLiteral("calibrationNotWritten"))) {
            return;
        }
        calibration = Calibration::Written; // warned already
    }
    const PortChoice port = ports()->choice();
    const Status status = runDeviceCommand(
        port, Stopping::Refused,
        [code, calibration](SerialLink& link, const TrackerConfig&, Reporter& reporter) {
            return wl3::sendTestTone(calibration, link, reporter, code);
        });
    if (code != ToneCode::Stop) {
        soundingTone_ = port;
        showTone(code);
    } else if (status == Status::Ok && soundingTone_ == port) {
        soundingTone_.reset();
        showTone(std::nullopt);
    }
}

void ConfigDialog::showTone(std::optional<ToneCode> sounding) {
    transmitting_ = sounding.has_value();
    QString notice;
    if (sounding) {
        const QString tone = *sounding == ToneCode::Send1200Hz   ? tr("1200 Hz")
                             : *sounding == ToneCode::Send2200Hz ? tr("2200 Hz")
                                                                 : tr("1200 and 2200 Hz");
        //: The notice while a test tone keys the radio: %1 the tone.
        notice = tr("Transmitting %1 \u2014 Stop Sending ends it").arg(tone);
    }
    toneNotice_->showNotice(notice);
    static_cast<QPushButton*>(control(ids::kStopSending))->setDefault(transmitting_);
    showFileInTitle(file_);
}

// On a radio the tone keys the transmitter: it must not outlive the window by accident. When
// the stop cannot be sent, the user decides, knowing that the radio may be transmitting;
// when the session ends, nobody is left to decide.
bool ConfigDialog::stopSoundingTone() {
    while (soundingTone_) {
        const Status stopped =
            runDeviceCommand(*soundingTone_, Stopping::Refused,
                             [](SerialLink& link, const TrackerConfig&, Reporter&) {
                                 return link.sendTone(ToneCode::Stop);
                             });
        if (stopped == Status::Ok || sessionEnding_) {
            soundingTone_.reset();
            showTone(std::nullopt);
            break;
        }
        switch (askAboutUnstoppedTone()) {
        case UnstoppedTone::TryAgain:
            break;
        case UnstoppedTone::CloseAnyway:
            soundingTone_.reset();
            showTone(std::nullopt);
            break;
        case UnstoppedTone::KeepWindow:
            return false;
        }
    }
    return true;
}

} // namespace wl3::ui
