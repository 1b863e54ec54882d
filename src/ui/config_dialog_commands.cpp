// The command buttons: the tracker's commands and the configuration files. Each runs to the
// end inside its click and stops at the first failure, which the failing step has reported.
#include "config/config_image.h"
#include "files/config_file.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/wait_cursor.h"

#include <array>
#include <span>

namespace wl3::ui {

namespace {

constexpr int kVersionReplySize = 30;
constexpr std::string_view kReadCaption = "Wrenlink3 Read";

} // namespace

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
    std::array<char, kVersionReplySize> reply{};
    if (link_.queryVersion(reply) != Status::Ok) {
        return;
    }
    reporter_.message("Wrenlink3 Version", reply.data());
}

// What was typed since the last copy into the record is dropped by the refill.
void ConfigDialog::onReadConfiguration() {
    const WaitCursor busy;
    selectPort();
    std::array<char, kVersionReplySize> reply{};
    if (link_.queryVersion(reply) != Status::Ok) {
        return;
    }
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int count = link_.readImage(image);
    if (count != kImageSize ||
        decodeImage(config_, std::span(image).first(kImageSize), reporter_) != Status::Ok) {
        reporter_.message(kReadCaption, "Read Failed");
        return;
    }
    recordToForm();
    reporter_.message(kReadCaption, "Read Successful");
}

void ConfigDialog::onWriteConfiguration() {
    const WaitCursor busy;
    selectPort();
    formToRecord();
    std::array<std::uint8_t, kImageBufferSize> image{};
    const int length = encodeImage(config_, image, reporter_);
    const auto written = std::span(image).first(static_cast<std::size_t>(length));
    // With no image the decode below refuses the empty one, so the command stops there.
    if (length != 0) {
        std::array<char, kVersionReplySize> reply{};
        if (link_.queryVersion(reply) != Status::Ok || link_.writeImage(written) != Status::Ok) {
            return;
        }
    }
    // The image as sent, not the copy read back, so the form shows what the tracker keeps.
    if (decodeImage(config_, written, reporter_) != Status::Ok) {
        return;
    }
    recordToForm();
    reporter_.message("Wrenlink3 Write", "Write Successful");
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

// The tracker tests its tones with the calibration it holds, not the one in the form.
void ConfigDialog::sendTestTone(ToneCode code) {
    const WaitCursor busy;
    selectPort();
    formToRecord();
    if (config_.calibrationChanged) {
        reporter_.message("Calibration not written",
                          "New Calibration value should be written before Testing Tones");
    }
    link_.sendTone(code);
}

} // namespace wl3::ui
