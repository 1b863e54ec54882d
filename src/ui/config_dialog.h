#pragma once

#include "config/config_image.h"
#include "config/profile_fields.h"
#include "config/status.h"
#include "config/tracker_config.h"
#include "link/port_choice.h"
#include "link/port_watcher.h"
#include "link/serial_link.h"
#include "outcomes/reporter.h"
#include "ui/advice_marks.h"
#include "ui/config_dialog_layout.h"
#include "ui/file_dialogs.h"
#include "ui/gui_thread_reporter.h"
#include "ui/profile_form.h"
#include "ui/remembered_choices.h"

#include <QDialog>
#include <QIcon>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

class QLabel;
class QTabBar;
class QThread;

namespace wl3::ui {

class DialogBuilder;
class PortComboBox;
class ProgressDialog;
class ToneNotice;

// What the window works with beyond its own controls. The program passes message boxes,
// the toolkit's file dialogs and this machine's serial ports; the tests pass fakes.
struct ConfigDialogServices {
    Reporter& reporter;
    FileDialogs& fileDialogs;
    PortResolver portResolver; // the device that each COM port opens
    // Where the COM entry chosen last is kept between runs; nullptr keeps nothing.
    RememberedChoices* choices = nullptr;
    // The serial devices, listed again whenever the system says that some came or went.
    PortWatcher::Lister serialDevices = listSerialDevices;
};

// The main window: one form over two profile tabs, the COM list and the command buttons.
// The form owns the fields and the record (profile_form.h); the window wires the buttons
// to the commands and the form.
class ConfigDialog : public QDialog {
    Q_OBJECT

public:
    // The services must outlive the window.
    explicit ConfigDialog(const ConfigDialogServices& services, QWidget* parent = nullptr);
    ~ConfigDialog() override;

    ProfileForm& form() { return form_; }
    TrackerConfig& config() { return form_.record(); }
    bool calibrationChanged() const { return form_.calibrationChanged(); }

    void formToRecord() { form_.formToRecord(); }
    // Then the unsaved mark follows the form.
    void recordToForm();

    // The file commands once a path is chosen; each reports its own failures.
    Status loadFile(const std::filesystem::path& path);
    Status saveFile(const std::filesystem::path& path);

    // Selects a COM entry; a device path becomes the fifth entry, whose tooltip names it.
    void choosePort(const PortChoice& choice);

    // Whether the form differs from what was last read, written, loaded or saved, or from
    // the defaults at start.
    bool hasUnsavedEdits() const { return form_.hasUnsavedEdits(); }

    // Exit, Enter, Escape and the close box all end here: at once when nothing would be
    // lost, else after the user has chosen to save or discard the edits.
    void done(int result) override;

    // The session ends (a signal, the session manager): the window closes as by its close
    // box, but asks nothing and closes every box unanswered. An image on its way goes out
    // whole first, a read stops, a sounding tone gets one stop. ForTheLine is for a system
    // that ends the program once asked: the call returns only when no exchange is running.
    enum class Waiting { None, ForTheLine };
    void endSession(Waiting waiting);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Stopping { Allowed, Refused };
    // One run of the command layer over the link of that run, a record of its own and the
    // reporter that shows its boxes.
    using DeviceCommand =
        std::function<Status(SerialLink& link, TrackerConfig& record, Reporter& reporter)>;
    enum class UnstoppedTone { TryAgain, CloseAnyway, KeepWindow };

    void buildControls();
    void addSpeedHint(const DialogBuilder& builder, const SpeedHintRow& row);
    // The room the status texts have, under the text and in its tooltip, as the user types.
    void updateTextRoom();
    // The marks of what the networks advise against, as the form holds it now.
    void updateAdvice();
    void onMicEMessageChanged();
    // Whether the user keeps Emergency! as the message, told what it does.
    bool confirmEmergency();
    void nameForScreenReaders(QWidget& widget, const QString& name);
    void initDialog();
    void connectHandlers();
    // The COM list's tooltips follow the adapters that come and go, and the line beneath it
    // tells of the device behind the chosen entry.
    void watchPorts();
    void onPortNews();

    // The control with that id, or nullptr.
    QWidget* control(int id) const;
    PortComboBox* ports() const;
    QTabBar* profileTabs() const;

    void onProfileTabChange();
    void onSmartBeaconingEnable();
    void onTimeSlottingEnable();
    void onEnableToggled();
    void onTimestampDhm();
    void onTimestampHms();

    // The record of a load, a read or a write replaces this one, and the form shows it.
    void replaceRecord(const TrackerConfig& record);
    // What the form holds now becomes what nothing is lost from.
    void markSaved();
    void updateModifiedMark();
    // True when nothing unsaved is in the way: there was none, the user discarded it, or
    // saved it. The question says what would drop the edits.
    enum class EditsGo { Replaced, WithTheWindow };
    bool editsMayBeDropped(EditsGo edits = EditsGo::Replaced);

    // Runs command on a worker thread, with a link of its own to the port chosen now and a
    // copy of the record, which becomes the record when it ends; a progress display over
    // the window meanwhile.
    Status runDeviceCommand(Stopping stopping, const DeviceCommand& command);
    Status runDeviceCommand(const PortChoice& port, Stopping stopping,
                            const DeviceCommand& command);
    // For a command on the worker: the record it decoded becomes the record, and the form
    // shows it, before the command says it succeeded.
    void takeDecodedRecord(const TrackerConfig& record);

    // The file command once an image is prepared.
    Status saveImage(const std::filesystem::path& path, const ConfigImage& image);
    // The image that Write or Save stores, or nothing after one box that says why not:
    // every value the tracker would store as something else and every entry that never
    // became a value, or the encoder's refusal. The encoder's warning is shown too.
    std::optional<ConfigImage> prepareImage(RefusedAction action);
    // Whether the user goes on after warning, or goes back to the form; name is the box's
    // object name.
    bool goOnAfter(const Outcome& warning, const QString& name);

    bool onLoad();
    bool onSave();
    void onCompare();
    std::optional<ConfigImage> imageToCompare(QString& otherName);
    void onReadVersion();
    void onReadConfiguration();
    void onWriteConfiguration();
    void onSend1200Hz();
    void onSend2200Hz();
    void onSendBoth();
    void onStopSending();
    void sendTestTone(ToneCode code);
    // True when no tone is left sounding, or the user chose to close anyway.
    bool stopSoundingTone();
    UnstoppedTone askAboutUnstoppedTone();

    // The file that the form was last loaded from or saved to, in the title and proposed by
    // Save; its folder is where the file dialogs open next time. Empty for none.
    void showFileInTitle(const std::filesystem::path& file);
    // The title, the notice and the default button say whether a tone keys the radio.
    void showTone(std::optional<ToneCode> sounding);

    Reporter& shownReporter_; // on the GUI thread only
    GuiThreadReporter reporter_;
    FileDialogs& fileDialogs_;
    PortResolver portResolver_;
    PortWatcher portWatcher_;
    QLabel* portNotice_ = nullptr;
    QLabel* textRoom_ = nullptr;
    ToneNotice* toneNotice_ = nullptr;
    DuRect portNoticeRect_ = kPortNoticeRect; // as the layout placed it
    RememberedChoices* choices_;
    QIcon appIcon_;
    std::filesystem::path file_;
    std::optional<PortChoice> soundingTone_; // the port of a tone not stopped yet
    bool transmitting_ = false;              // as the title and the notice show it
    std::map<int, QWidget*> controls_;
    ProfileForm form_;
    AdviceMarks adviceMarks_{[this](int id) { return control(id); }};
    int micEMessageBefore_ = 0; // the message chosen before the latest change
    // The image last loaded, read or written: Write and Save keep its bytes wherever the
    // record leaves a value as it was.
    ConfigImage base_ = defaultImage();
    ProgressDialog* progress_ = nullptr;   // while a command runs
    QThread* worker_ = nullptr;            // the thread a command runs on, meanwhile
    std::optional<int> closeAfterCommand_; // the result of a close asked for meanwhile
    bool commandRunning_ = false;
    bool sessionEnding_ = false;
};

} // namespace wl3::ui
