// The command buttons: the tracker's commands and the configuration files, each run by the
// command layer between the form and the record.
#include "commands/device_commands.h"
#include "config/holdable_values.h"
#include "files/file_messages.h"
#include "formats/config_file.h"
#include "formats/config_io.h"
#include "link/make_link.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/edit_text.h"
#include "ui/input_blocker.h"
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
    if (refuseUnholdableValues(kSaveFailed) != Status::Ok) {
        return false;
    }
    const auto path = fileDialogs_.pathToSave(*this, file_);
    return path && saveFile(*path) == Status::Ok;
}

// The load replaces the record, so the form is not copied into it first. A .wl3 file's image
// is what the next Write or Save stands on; JSON stands on the defaults' image.
Status ConfigDialog::loadFile(const std::filesystem::path& path) {
    TrackerConfig record = config_;
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
    if (refuseUnholdableValues(kSaveFailed) != Status::Ok) {
        return Status::Failed;
    }
    const auto image = encodeOntoImage(config_, base_, reporter_);
    if (!image || saveConfigImage(path, *image, reporter_) != Status::Ok) {
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
    TrackerConfig record = config_;
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
    config_ = record;
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

// One box for every value the tracker would store as something else, and for every entry
// that never became a value (an empty number, two characters for a symbol); nothing is
// sent or saved then.
Status ConfigDialog::refuseUnholdableValues(std::string_view caption) {
    TrackerConfig held;
    decodeImage(held, base_, reporter_);
    auto values = findUnholdableValues(config_, &held);
    const auto untaken = [this](const UnholdableValue& value) {
        return untaken_[static_cast<std::size_t>(value.profile)].contains(value.field->control.id);
    };
    std::erase_if(values, untaken);
    for (const ProfileField& field : kProfileFields) {
        for (int p = 0; p < kProfileCount; ++p) {
            const auto& entries = untaken_[static_cast<std::size_t>(p)];
            if (const auto found = entries.find(field.control.id); found != entries.end()) {
                values.push_back({&field, p, toLatin1Bytes(found->second),
                                  refusedEntry(config_, field, p, found->second.toStdU32String())
                                      .value_or(std::string())});
            }
        }
    }
    if (values.empty()) {
        return Status::Ok;
    }
    // In the order of the form, as the lines of the box are read.
    std::ranges::stable_sort(values, {}, [](const UnholdableValue& value) {
        return std::pair(value.field - kProfileFields.data(), value.profile);
    });
    reporter_.message(caption, unholdableValuesByLabel(values));
    return Status::Failed;
}

// The record goes onto the image the form stands on, so that an unchanged form sends that
// image byte for byte.
void ConfigDialog::onWriteConfiguration() {
    formToRecord();
    if (refuseUnholdableValues(kWriteCaption) != Status::Ok) {
        return;
    }
    const ConfigImage base = base_;
    ConfigImage written{};
    const Status status = runDeviceCommand(
        Stopping::Refused,
        [this, &base, &written](SerialLink& link, TrackerConfig& record, Reporter& reporter) {
            const auto refuse = [&reporter](const std::vector<UnholdableValue>& values) {
                reporter.message(kWriteCaption, unholdableValuesByLabel(values));
            };
            return writeConfiguration(
                record, base, link, reporter,
                {refuse, {}, [this, &record] { takeDecodedRecord(record); }, &written});
        });
    if (status == Status::Ok) {
        base_ = written;
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
    const PortChoice port = ports()->choice();
    const Status status =
        runDeviceCommand(port, Stopping::Refused,
                         [code](SerialLink& link, const TrackerConfig& record, Reporter& reporter) {
                             return wl3::sendTestTone(record, link, reporter, code);
                         });
    if (code != ToneCode::Stop) {
        soundingTone_ = port;
    } else if (status == Status::Ok && soundingTone_ == port) {
        soundingTone_.reset();
    }
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
            break;
        }
        switch (askAboutUnstoppedTone()) {
        case UnstoppedTone::TryAgain:
            break;
        case UnstoppedTone::CloseAnyway:
            soundingTone_.reset();
            break;
        case UnstoppedTone::KeepWindow:
            return false;
        }
    }
    return true;
}

} // namespace wl3::ui
