// The command buttons: the tracker's commands and the configuration files, each run by the
// command layer between the form and the record.
#include "commands/device_commands.h"
#include "config/holdable_values.h"
#include "files/config_file.h"
#include "files/file_messages.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/port_combo_box.h"
#include "ui/progress_dialog.h"
#include "ui/wait_cursor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>

namespace wl3::ui {

namespace {

// The one .wl3 file that a drop brings, if that is what it brings.
std::optional<std::filesystem::path> droppedConfigFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = data->urls().constFirst().toLocalFile();
    const QString extension =
        QString::fromLatin1(kConfigFileExtension.data(), qsizetype(kConfigFileExtension.size()));
    if (!path.endsWith(extension, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return std::filesystem::path(path.toStdU16String());
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

bool ConfigDialog::onSave() {
    const auto path = fileDialogs_.pathToSave(*this, file_);
    return path && saveFile(*path) == Status::Ok;
}

// The load replaces the record, so the form is not copied into it first.
Status ConfigDialog::loadFile(const std::filesystem::path& path) {
    const Status status = loadConfigFile(path, config_, reporter_);
    if (status == Status::Ok) {
        recordToForm();
        markSaved();
        showFileInTitle(path);
    }
    return status;
}

Status ConfigDialog::saveFile(const std::filesystem::path& path) {
    formToRecord();
    if (refuseUnholdableValues(kSaveFailed) != Status::Ok) {
        return Status::Failed;
    }
    const Status status = saveConfigFile(path, config_, reporter_);
    if (status == Status::Ok) {
        markSaved();
        showFileInTitle(path);
    }
    return status;
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
// no input meanwhile. The worker has a record of its own, so nothing the window does can
// tear it; its boxes are shown here, in order, while it waits.
Status ConfigDialog::runDeviceCommand(Stopping stopping, const DeviceCommand& command) {
    return runDeviceCommand(ports()->choice(), stopping, command);
}

Status ConfigDialog::runDeviceCommand(const PortChoice& port, Stopping stopping,
                                      const DeviceCommand& command) {
    const WaitCursor busy;
    const QScopedValueRollback running(commandRunning_, true);
    ProgressDialog progress(*this, stopping == Stopping::Allowed);
    ProgressObserver observer(progress);
    TrackerConfig record = config_;
    Status status = Status::Failed;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        SerialLink link = makeLink(port, reporter_, observer, portResolver_);
        status = command(link, record);
    }));
    QEventLoop ended;
    connect(worker.get(), &QThread::finished, &ended, &QEventLoop::quit);
    worker->start();
    progress.open();
    ended.exec();
    worker->wait();
    config_ = record;
    return status;
}

void ConfigDialog::takeDecodedRecord(const TrackerConfig& record) {
    QMetaObject::invokeMethod(
        this,
        [this, &record] {
            config_ = record;
            recordToForm();
            markSaved();
        },
        Qt::BlockingQueuedConnection);
}

void ConfigDialog::onReadVersion() {
    runDeviceCommand(Stopping::Allowed, [this](SerialLink& link, TrackerConfig&) {
        return readVersion(link, reporter_);
    });
}

// The refill drops what was typed since the last copy into the record, so the user is asked
// first; the form then holds the tracker's configuration, no longer a file's.
void ConfigDialog::onReadConfiguration() {
    if (!editsMayBeDropped()) {
        return;
    }
    const Status status =
        runDeviceCommand(Stopping::Allowed, [this](SerialLink& link, TrackerConfig& record) {
            return readConfiguration(record, link, reporter_,
                                     [this, &record] { takeDecodedRecord(record); });
        });
    if (status == Status::Ok) {
        showFileInTitle({});
    }
}

// One box for every value the tracker would store as something else; nothing is sent or
// saved then.
Status ConfigDialog::refuseUnholdableValues(std::string_view caption) {
    const auto values = findUnholdableValues(config_);
    if (values.empty()) {
        return Status::Ok;
    }
    reporter_.message(caption, unholdableValuesByLabel(values));
    return Status::Failed;
}

void ConfigDialog::onWriteConfiguration() {
    formToRecord();
    if (refuseUnholdableValues(kWriteCaption) != Status::Ok) {
        return;
    }
    runDeviceCommand(Stopping::Refused, [this](SerialLink& link, TrackerConfig& record) {
        return writeConfiguration(record, link, reporter_, {},
                                  [this, &record] { takeDecodedRecord(record); });
    });
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
    const PortChoice port = ports()->choice();
    const Status status = runDeviceCommand(
        port, Stopping::Refused, [this, code](SerialLink& link, const TrackerConfig& record) {
            return wl3::sendTestTone(record, link, reporter_, code);
        });
    if (code != ToneCode::Stop) {
        soundingTone_ = port;
    } else if (status == Status::Ok && soundingTone_ == port) {
        soundingTone_.reset();
    }
}

// On a radio the tone keys the transmitter: it must not outlive the window by accident. The
// window closes even when the stop fails, after the link's own error box.
void ConfigDialog::stopSoundingTone() {
    if (!soundingTone_) {
        return;
    }
    runDeviceCommand(*soundingTone_, Stopping::Refused, [](SerialLink& link, const TrackerConfig&) {
        return link.sendTone(ToneCode::Stop);
    });
    soundingTone_.reset();
}

} // namespace wl3::ui
