// The command buttons: the tracker's commands and the configuration files, each run by the
// command layer between the form and the record.
#include "commands/device_commands.h"
#include "files/config_file.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/wait_cursor.h"

namespace wl3::ui {

void ConfigDialog::onLoad() {
    if (const auto path = fileDialogs_.pathToLoad(*this)) {
        loadFile(*path);
    }
}

void ConfigDialog::onSave() {
    if (const auto path = fileDialogs_.pathToSave(*this)) {
        saveFile(*path);
    }
}

// The load replaces the record, so the form is not copied into it first.
void ConfigDialog::loadFile(const std::filesystem::path& path) {
    if (loadConfigFile(path, config_, reporter_) == Status::Ok) {
        recordToForm();
    }
}

void ConfigDialog::saveFile(const std::filesystem::path& path) {
    formToRecord();
    saveConfigFile(path, config_, reporter_);
}

// No selection gives 0, which the link refuses when it opens the port.
void ConfigDialog::selectPort() {
    link_.setPortNumber(selectedIndex(kComPort) + 1);
}

void ConfigDialog::onReadVersion() {
    const WaitCursor busy;
    selectPort();
    readVersion(link_, reporter_);
}

// What was typed since the last copy into the record is dropped by the refill.
void ConfigDialog::onReadConfiguration() {
    const WaitCursor busy;
    selectPort();
    readConfiguration(config_, link_, reporter_, [this] { recordToForm(); });
}

void ConfigDialog::onWriteConfiguration() {
    const WaitCursor busy;
    selectPort();
    formToRecord();
    writeConfiguration(config_, link_, reporter_, {}, [this] { recordToForm(); });
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

// formToRecord is what marks a changed calibration, which the tone command warns of.
void ConfigDialog::sendTestTone(ToneCode code) {
    const WaitCursor busy;
    selectPort();
    formToRecord();
    wl3::sendTestTone(config_, link_, reporter_, code);
}

} // namespace wl3::ui
