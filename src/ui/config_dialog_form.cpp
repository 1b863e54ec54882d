#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/edit_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace wl3::ui {

namespace {

char firstCharacter(const std::string& text) {
    return text.empty() ? '\0' : text.front();
}

std::string_view oneCharacter(const char& character) {
    return character == '\0' ? std::string_view() : std::string_view(&character, 1);
}

} // namespace

std::string ConfigDialog::getEditText(int id) const {
    return toLatin1Bytes(static_cast<QLineEdit*>(control(id))->text());
}

int ConfigDialog::getEditNumber(int id) const {
    return parseEditNumber(getEditText(id));
}

void ConfigDialog::setEditText(int id, std::string_view text) {
    static_cast<QLineEdit*>(control(id))->setText(fromLatin1Bytes(text));
}

void ConfigDialog::setEditNumber(int id, int value) {
    setEditText(id, std::to_string(value));
}

bool ConfigDialog::isChecked(int id) const {
    return static_cast<QCheckBox*>(control(id))->checkState() == Qt::Checked;
}

void ConfigDialog::setChecked(int id, bool checked) {
    static_cast<QCheckBox*>(control(id))->setChecked(checked);
}

QComboBox* ConfigDialog::comboBox(int id) const {
    return static_cast<QComboBox*>(control(id));
}

int ConfigDialog::selectedIndex(int id) const {
    return comboBox(id)->currentIndex();
}

void ConfigDialog::selectIndex(int id, int index) {
    QComboBox* list = comboBox(id);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void ConfigDialog::formToRecord() {
    const int p = config_.currentProfile & 1;
    TrackerConfig& c = config_;

    c.setCallsign(getEditText(kCallsign));
    c.setDigiPath(getEditText(kDigiPath));
    c.setStatusText(getEditText(kStatusText));

    const int calibration = getEditNumber(kCalibration);
    if (calibration != c.calibration) {
        c.calibrationChanged = true;
    }
    c.calibration = calibration;

    c.autoTxDelayMs[p] = getEditNumber(kAutoTxDelay);
    c.manualTxDelayMs[p] = getEditNumber(kManualTxDelay);
    c.micEMessage[p] = selectedIndex(kMicEMessage);
    c.micEPath[p] = selectedIndex(kMicEPath);
    c.symbol[p] = firstCharacter(getEditText(kSymbol));
    c.symbolTable[p] = firstCharacter(getEditText(kSymbolTable));

    c.statusEvery[p] = getEditNumber(kStatusEvery);
    c.autoRateSec[p] = getEditNumber(kAutoRate);
    c.manualRateSec[p] = getEditNumber(kManualRate);
    c.slotOffsetSec[p] = getEditNumber(kSlotOffset);
    c.slowSpeedMph[p] = getEditNumber(kSlowSpeed);
    c.fastSpeedMph[p] = getEditNumber(kFastSpeed);
    c.slowRateSec[p] = getEditNumber(kSlowRate);
    c.fastRateSec[p] = getEditNumber(kFastRate);
    c.minTurnAngleDeg[p] = getEditNumber(kMinTurnAngle);
    c.turnSlope[p] = getEditNumber(kTurnSlope);
    c.minTurnTimeSec[p] = getEditNumber(kMinTurnTime);
    c.quietTimeMs[p] = getEditNumber(kQuietTime);
    c.powerSwitchTimeSec[p] = getEditNumber(kPowerSwitchTime);

    c.forcePrintable[p] = isChecked(kForcePrintable);
    c.onlySendValid[p] = isChecked(kOnlySendValid);
    c.timeSlotting[p] = isChecked(kTimeSlottingEnable);
    c.smartBeaconing[p] = isChecked(kSmartBeaconingEnable);
    c.sendAltitude[p] = isChecked(kSendAltitude);
    c.micEEnabled[p] = isChecked(kMicEEnable);
    c.powerSwitch[p] = isChecked(kPowerSwitchEnable);
    c.allowTtlSerial[p] = isChecked(kAllowTtlSerial);
    c.altDigiPaths[p] = isChecked(kAltDigiPaths);
    c.invertCdIn[p] = isChecked(kInvertCdIn);

    c.timestamp[p] = isChecked(kTimestampDhm) || isChecked(kTimestampHms);
    c.timestampHms[p] = isChecked(kTimestampHms);

    c.noPttOutWhilePttIn[p] = isChecked(kNoPttOut);
}

void ConfigDialog::recordToForm() {
    const int p = config_.currentProfile & 1;
    const TrackerConfig& c = config_;

    setEditText(kCallsign, textOf(c.callsign[p]));
    setEditText(kDigiPath, textOf(c.digiPath[p]));
    setEditText(kStatusText, textOf(c.statusText[p]));

    setEditNumber(kCalibration, c.calibration);

    setEditNumber(kAutoTxDelay, c.autoTxDelayMs[p]);
    setEditNumber(kManualTxDelay, c.manualTxDelayMs[p]);
    selectIndex(kMicEMessage, c.micEMessage[p]);
    selectIndex(kMicEPath, c.micEPath[p]);
    setEditText(kSymbol, oneCharacter(c.symbol[p]));
    setEditText(kSymbolTable, oneCharacter(c.symbolTable[p]));

    setEditNumber(kStatusEvery, c.statusEvery[p]);
    setEditNumber(kAutoRate, c.autoRateSec[p]);
    setEditNumber(kManualRate, c.manualRateSec[p]);
    setEditNumber(kSlotOffset, c.slotOffsetSec[p]);
    setEditNumber(kSlowSpeed, c.slowSpeedMph[p]);
    setEditNumber(kFastSpeed, c.fastSpeedMph[p]);
    setEditNumber(kSlowRate, c.slowRateSec[p]);
    setEditNumber(kFastRate, c.fastRateSec[p]);
    setEditNumber(kMinTurnAngle, c.minTurnAngleDeg[p]);
    setEditNumber(kTurnSlope, c.turnSlope[p]);
    setEditNumber(kMinTurnTime, c.minTurnTimeSec[p]);
    setEditNumber(kQuietTime, c.quietTimeMs[p]);
    setEditNumber(kPowerSwitchTime, c.powerSwitchTimeSec[p]);

    setChecked(kForcePrintable, c.forcePrintable[p]);
    setChecked(kOnlySendValid, c.onlySendValid[p]);
    setChecked(kTimeSlottingEnable, c.timeSlotting[p]);
    setChecked(kSmartBeaconingEnable, c.smartBeaconing[p]);
    setChecked(kSendAltitude, c.sendAltitude[p]);
    setChecked(kMicEEnable, c.micEEnabled[p]);
    setChecked(kPowerSwitchEnable, c.powerSwitch[p]);
    setChecked(kAllowTtlSerial, c.allowTtlSerial[p]);
    setChecked(kAltDigiPaths, c.altDigiPaths[p]);
    setChecked(kInvertCdIn, c.invertCdIn[p]);

    setChecked(kTimestampDhm, c.timestamp[p] && !c.timestampHms[p]);
    setChecked(kTimestampHms, c.timestamp[p] && c.timestampHms[p]);

    setChecked(kNoPttOut, c.noPttOutWhilePttIn[p]);

    updateEnables();
}

void ConfigDialog::enableControls(std::initializer_list<int> ids, bool enabled) {
    for (const int id : ids) {
        control(id)->setEnabled(enabled);
    }
}

void ConfigDialog::updateEnables() {
    const bool smartBeaconing = isChecked(kSmartBeaconingEnable);
    enableControls(
        {kSlowSpeed, kSlowRate, kFastSpeed, kFastRate, kMinTurnAngle, kTurnSlope, kMinTurnTime},
        smartBeaconing);
    enableControls({kAutoRate}, !smartBeaconing);
    enableControls({kSlotOffset}, isChecked(kTimeSlottingEnable));
    enableControls({kForcePrintable, kMicEMessage, kMicEPath}, isChecked(kMicEEnable));
    enableControls({kPowerSwitchTime}, isChecked(kPowerSwitchEnable));
}

} // namespace wl3::ui
