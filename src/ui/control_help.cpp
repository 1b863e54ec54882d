#include "ui/control_help.h"

#include "config/advice.h"
#include "config/aprs_symbols.h"
#include "config/delay_conversion.h"
#include "config/profile_fields.h"
#include "ui/config_dialog_layout.h"
#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QTabBar>
#include <QWidget>
#include <algorithm>
#include <array>

namespace wl3::ui {

namespace {

// Why a control is greyed, by the check box that greys it (profile_form.cpp, updateEnables).
constexpr const char* kSmartBeaconingOff = QT_TRANSLATE_NOOP(
    "ControlHelp", "Greyed while SmartBeaconing is off: the tracker then beacons at the Auto "
                   "Transmit Rate, and SmartBeaconing's settings are not stored.");
constexpr const char* kSmartBeaconingOn = QT_TRANSLATE_NOOP(
    "ControlHelp", "Greyed while SmartBeaconing is on: the tracker then times its beacons by "
                   "speed and turning, with SmartBeaconing's rates in place of this one.");
constexpr const char* kTimeSlottingOff = QT_TRANSLATE_NOOP(
    "ControlHelp", "Greyed while Time Slotting is off: the tracker then transmits whenever its "
                   "rate comes round, and the offset is not stored.");
constexpr const char* kMicEOff = QT_TRANSLATE_NOOP(
    "ControlHelp", "Greyed while MIC-E is off: the tracker then sends plain position reports, "
                   "to which this setting does not apply.");
constexpr const char* kPowerSwitchOff = QT_TRANSLATE_NOOP(
    "ControlHelp", "Greyed while Power Switch is off: the tracker then does not use this time.");

// Said of every tone button: the form's calibration is not what the tracker sounds.
constexpr const char* kToneCalibration = QT_TRANSLATE_NOOP(
    "ControlHelp", "The tracker uses the calibration it holds: write a new calibration "
                   "before testing it.");

QString number(double value) {
    return QLocale().toString(value, 'f', 1);
}

// The tracker keeps each delay in one byte, whose top value stands for the longest.
QStringList txDelayStep() {
    return {number(txDelayFromByte(255) / 255.0)};
}

QStringList quietTimeStep() {
    return {number(quietTimeFromByte(255) / 255.0)};
}

QStringList advisedRate() {
    return {QString::number(kSlowestAdvisedRateSec)};
}

QStringList mostHops() {
    return {QString::number(kMostHops)};
}

QStringList tableCharacters() {
    return {QString(QLatin1Char(kPrimaryTable)), QString(QLatin1Char(kAlternateTable))};
}

QStringList toneCalibration() {
    return {QCoreApplication::translate("ControlHelp", kToneCalibration)};
}

struct HelpRow {
    int id = 0;
    const char* text = nullptr;   // its %1 and on from arguments
    const char* greyed = nullptr; // why it is greyed when it is; none if it never is
    QStringList (*arguments)() = nullptr;
};

// The profile fields' texts are followed by what the tracker holds of them, from the field
// table (wording.h), so that no range is written twice.
// clang-format off
constexpr std::array kHelpRows{
    HelpRow{ids::kCallsign, QT_TRANSLATE_NOOP("ControlHelp", "Your station's callsign, sent in every packet. An SSID tells what kind of station it is: -9 is usual for a car, -7 for a handheld. NOCALL, the default, may not be transmitted.")},
    //: %1 the most hops a path should ask for.
    HelpRow{ids::kDigiPath, QT_TRANSLATE_NOOP("ControlHelp", "The digipeaters asked to repeat each packet, separated by commas; empty sends direct only. WIDE1-1,WIDE2-1 suits most areas. More than %1 hops floods the network, and RELAY, TRACE and WIDE alone are obsolete."), nullptr, &mostHops},
    HelpRow{ids::kSymbol, QT_TRANSLATE_NOOP("ControlHelp", "The symbol that maps draw for this station, from the table or with the overlay beside it. The button beside them shows it and lists every symbol.")},
    //: %1 the primary table's character, %2 the alternate table's.
    HelpRow{ids::kSymbolTable, QT_TRANSLATE_NOOP("ControlHelp", "%1 chooses the primary symbol table, %2 the alternate one. A digit or a capital letter chooses the alternate table and is drawn over the symbol, where the symbol takes an overlay."), nullptr, &tableCharacters},
    //: %1 the tracker's step in milliseconds, such as 6.7.
    HelpRow{ids::kAutoTxDelay, QT_TRANSLATE_NOOP("ControlHelp", "How long the tracker keys the radio before the data of a timed beacon begins, so that the transmitter and the receivers are ready: too short loses the start of the packet, too long holds the channel. It is kept in steps of about %1 ms."), nullptr, &txDelayStep},
    //: %1 the shortest rate that networks advise, in seconds.
    HelpRow{ids::kAutoRate, QT_TRANSLATE_NOOP("ControlHelp", "The time between beacons while SmartBeaconing is off; with Time Slotting, the length of the cycle that holds the slot. Once every %1 seconds or less often is advised."), kSmartBeaconingOn, &advisedRate},
    //: %1 the tracker's step in milliseconds, such as 6.7.
    HelpRow{ids::kManualTxDelay, QT_TRANSLATE_NOOP("ControlHelp", "As Auto TX Delay, for a manual transmission rather than a timed beacon. It is kept in steps of about %1 ms."), nullptr, &txDelayStep},
    HelpRow{ids::kManualRate, QT_TRANSLATE_NOOP("ControlHelp", "As Auto Transmit Rate, for manual transmissions: the time between them.")},
    //: %1 the tracker's step in milliseconds, such as 26.3.
    HelpRow{ids::kQuietTime, QT_TRANSLATE_NOOP("ControlHelp", "How long the channel must have been clear, with CD IN inactive, before the tracker transmits, so that it does not key over another station. It is kept in steps of about %1 ms."), nullptr, &quietTimeStep},
    HelpRow{ids::kCalibration, QT_TRANSLATE_NOOP("ControlHelp", "The tracker's tone calibration, one value for both profiles. The Tone Test buttons sound the tones with the value the tracker holds: write a new value before testing it.")},
    HelpRow{ids::kStatusText, QT_TRANSLATE_NOOP("ControlHelp", "The status beacon's text, sent every few transmissions (Send every). Both profiles' callsigns, paths and texts share the tracker's memory: the line below says how many characters still fit.")},
    HelpRow{ids::kStatusEvery, QT_TRANSLATE_NOOP("ControlHelp", "How many transmissions pass from one status beacon to the next: 3 sends the status text with every third.")},
    HelpRow{ids::kSendAltitude, QT_TRANSLATE_NOOP("ControlHelp", "Adds the GPS altitude to each position report.")},
    HelpRow{ids::kAltDigiPaths, QT_TRANSLATE_NOOP("ControlHelp", "Makes the tracker alternate its digipeater paths from one transmission to the next, rather than send every packet with the Digi Path.")},
    HelpRow{ids::kOnlySendValid, QT_TRANSLATE_NOOP("ControlHelp", "Sends a position only while the GPS reports a valid fix, so that no stale or empty position goes out.")},
    HelpRow{ids::kAllowTtlSerial, QT_TRANSLATE_NOOP("ControlHelp", "Lets the tracker take serial data at TTL logic levels, as many GPS modules send it, besides RS-232 levels.")},
    HelpRow{ids::kInvertCdIn, QT_TRANSLATE_NOOP("ControlHelp", "Inverts the carrier-detect input from the radio's squelch: check it when the tracker takes a quiet channel for a busy one and holds its beacons back.")},
    HelpRow{ids::kTimestampDhm, QT_TRANSLATE_NOOP("ControlHelp", "Adds a timestamp to each position: day, hour and minute in UTC (the APRS DHM form, DDHHMMz). Checking it unchecks Timestamp HMS; with neither, positions carry no time.")},
    HelpRow{ids::kNoPttOut, QT_TRANSLATE_NOOP("ControlHelp", "Holds the tracker's transmissions back while its PTT In line is active, while you talk through the radio, so that a beacon never cuts into your voice.")},
    HelpRow{ids::kTimestampHms, QT_TRANSLATE_NOOP("ControlHelp", "Adds a timestamp to each position: hour, minute and second in UTC (the APRS HMS form, HHMMSSh). Checking it unchecks Timestamp DHM; with neither, positions carry no time.")},
    HelpRow{ids::kMicEEnable, QT_TRANSLATE_NOOP("ControlHelp", "Sends positions in MIC-E form: compact, partly carried in the destination address, with a status message and a path code. Unchecked, the tracker sends plain position reports.")},
    HelpRow{ids::kMicEMessage, QT_TRANSLATE_NOOP("ControlHelp", "The MIC-E status sent with every position. Emergency! makes every station that receives it raise an alarm: choose it only in a real emergency."), kMicEOff},
    HelpRow{ids::kForcePrintable, QT_TRANSLATE_NOOP("ControlHelp", "Keeps every character of the MIC-E packet printable, for digipeaters and programs that drop packets holding others."), kMicEOff},
    //: %1 the most hops a path should ask for.
    HelpRow{ids::kMicEPath, QT_TRANSLATE_NOOP("ControlHelp", "The path code that MIC-E carries in its destination address: Conventional sends the Digi Path; WIDE-1 to WIDE-7 ask for that many hops; North, South, East and West ask for directional digipeating, + WIDE for a wide hop too. More than %1 hops floods the network."), kMicEOff, &mostHops},
    HelpRow{ids::kTimeSlottingEnable, QT_TRANSLATE_NOOP("ControlHelp", "Transmits at a fixed offset in each cycle of the Auto Transmit Rate, timed by the GPS clock, so that trackers sharing a frequency each keep a slot of their own and never collide. Checking it unchecks SmartBeaconing.")},
    HelpRow{ids::kSlotOffset, QT_TRANSLATE_NOOP("ControlHelp", "Where in each cycle of the Auto Transmit Rate the tracker transmits: give each tracker on the frequency an offset of its own."), kTimeSlottingOff},
    HelpRow{ids::kSmartBeaconingEnable, QT_TRANSLATE_NOOP("ControlHelp", "Times beacons by speed and turning: often when fast, seldom when slow, and at once after a turn, so that a map traces the route with few packets. The Auto Transmit Rate is then unused; checking it unchecks Time Slotting.")},
    HelpRow{ids::kMinTurnAngle, QT_TRANSLATE_NOOP("ControlHelp", "The smallest change of heading that sends a beacon at once at high speed; at lower speeds Turn Slope adds to it."), kSmartBeaconingOff},
    HelpRow{ids::kTurnSlope, QT_TRANSLATE_NOOP("ControlHelp", "Raises the turn needed at low speed: a beacon goes out when the heading changes by more than Min Turn Angle + Turn Slope ÷ speed in MPH, so that slow corners in town do not each send one."), kSmartBeaconingOff},
    HelpRow{ids::kMinTurnTime, QT_TRANSLATE_NOOP("ControlHelp", "The least time between two beacons sent for turns, so that a winding road does not send one every few seconds."), kSmartBeaconingOff},
    HelpRow{ids::kSlowSpeed, QT_TRANSLATE_NOOP("ControlHelp", "At or below this speed the tracker beacons every Slow Rate. It must be below Fast Speed."), kSmartBeaconingOff},
    HelpRow{ids::kSlowRate, QT_TRANSLATE_NOOP("ControlHelp", "The time between beacons at or below Slow Speed, parked or walking."), kSmartBeaconingOff},
    HelpRow{ids::kFastSpeed, QT_TRANSLATE_NOOP("ControlHelp", "At or above this speed the tracker beacons every Fast Rate; between the two speeds the time between beacons follows the speed."), kSmartBeaconingOff},
    HelpRow{ids::kFastRate, QT_TRANSLATE_NOOP("ControlHelp", "The time between beacons at or above Fast Speed. It should be shorter than Slow Rate."), kSmartBeaconingOff},
    HelpRow{ids::kPowerSwitchEnable, QT_TRANSLATE_NOOP("ControlHelp", "Turns on the tracker's power switching, timed by Power Switch Time.")},
    HelpRow{ids::kPowerSwitchTime, QT_TRANSLATE_NOOP("ControlHelp", "The time of the tracker's power switching."), kPowerSwitchOff},
    HelpRow{ids::kProfileTabs, QT_TRANSLATE_NOOP("ControlHelp", "The tracker keeps two complete profiles, each with its own callsign, path, symbol, text, timing and options; only the calibration is shared. The form shows the chosen tab's profile (Ctrl+Tab for the other); Read, Write, Save and Load always take both. A callsign and path, or a status text, equal to the Primary's are stored once, which leaves the status texts more room.")},
    //: %1 the COM ports' names, such as COM1 to COM4.
    HelpRow{ids::kComPort, QT_TRANSLATE_NOOP("ControlHelp", "The serial port that the tracker is connected to, at 4800 baud: %1, each the device on this machine that its entry's tooltip names, or a device given by its path."), nullptr, [] { return QStringList{translated(comPortRangeWording())}; }},
    HelpRow{ids::kReadVersion, QT_TRANSLATE_NOOP("ControlHelp", "Asks the tracker on the chosen COM port for its version: a quick check that the cable, the port and the tracker answer. Changes nothing.")},
    HelpRow{ids::kReadConfiguration, QT_TRANSLATE_NOOP("ControlHelp", "Reads both profiles and the calibration from the tracker into the form, twice, to be sure that both reads agree. Asks first when the form has edits that are not saved.")},
    HelpRow{ids::kWriteConfiguration, QT_TRANSLATE_NOOP("ControlHelp", "Writes both profiles and the calibration into the tracker, then reads them back to verify every byte. The form then shows the values as the tracker keeps them, delays in its steps.")},
    //: %1 why the form's calibration does not count yet.
    HelpRow{ids::kSend1200Hz, QT_TRANSLATE_NOOP("ControlHelp", "Keys the radio and sends a steady 1200 Hz tone, the mark tone, until Stop Sending: to set the deviation or check the calibration. %1"), nullptr, &toneCalibration},
    //: %1 why the form's calibration does not count yet.
    HelpRow{ids::kSend2200Hz, QT_TRANSLATE_NOOP("ControlHelp", "Keys the radio and sends a steady 2200 Hz tone, the space tone, until Stop Sending: to set the deviation or check the calibration. %1"), nullptr, &toneCalibration},
    //: %1 why the form's calibration does not count yet.
    HelpRow{ids::kSendBoth, QT_TRANSLATE_NOOP("ControlHelp", "Keys the radio and sends both tones, 1200 and 2200 Hz, until Stop Sending: to compare their levels at a receiver. %1"), nullptr, &toneCalibration},
    HelpRow{ids::kStopSending, QT_TRANSLATE_NOOP("ControlHelp", "Tells the tracker to stop the test tone and unkey the radio. Closing the window stops a tone too.")},
    HelpRow{ids::kExit, QT_TRANSLATE_NOOP("ControlHelp", "Closes the window; asks first when the form has edits that are not saved, and stops a test tone that is still sounding.")},
    HelpRow{ids::kSave, QT_TRANSLATE_NOOP("ControlHelp", "Saves both profiles and the calibration in a .wl3 file, as the tracker would hold them.")},
    HelpRow{ids::kLoad, QT_TRANSLATE_NOOP("ControlHelp", "Loads both profiles and the calibration from a .wl3 file, or from wl3's JSON form. Asks first when the form has edits that are not saved.")},
    HelpRow{ids::kCompare, QT_TRANSLATE_NOOP("ControlHelp", "Shows the form beside a file or the tracker, field by field, and takes the values you choose from the other side. Nothing is written or saved.")},
    HelpRow{ids::kSymbolPick, QT_TRANSLATE_NOOP("ControlHelp", "The picture of the symbol that Symbol and Table / Overlay give. Opens a list of every symbol with its picture and name; the one chosen fills both edits.")},
};
// clang-format on

// The profiles' tabs, by ProfileIndex: one line each, as a screen reader reads a tab's
// tooltip as it stands.
constexpr std::array<const char*, kProfileCount> kProfileTabHelp{
    QT_TRANSLATE_NOOP("ControlHelp", "The Primary profile: the first of the tracker's two "
                                     "complete sets of settings."),
    QT_TRANSLATE_NOOP("ControlHelp", "The Secondary profile: a second complete set of settings, "
                                     "for another callsign, path or timing."),
};

constexpr const char* kHelpId = "helpId";
constexpr const char* kLiveLine = "liveHelpLine";

QString translate(const char* text) {
    return QCoreApplication::translate("ControlHelp", text);
}

const HelpRow* rowOf(int id) {
    const auto found = std::ranges::find(kHelpRows, id, &HelpRow::id);
    return found == kHelpRows.end() ? nullptr : &*found;
}

// The row's text, then what the tracker holds of the field it shows.
QString helpText(const HelpRow& row) {
    QString text = translate(row.text);
    if (row.arguments != nullptr) {
        for (const QString& argument : row.arguments()) {
            text = text.arg(argument);
        }
    }
    const auto field = std::ranges::find(kProfileFields, row.id,
                                         [](const ProfileField& f) { return f.control.id; });
    if (field != kProfileFields.end()) {
        if (const auto holds = holdableWording(*field)) {
            //: After a field's help: %1 what the tracker holds, such as "0 to 255 seconds".
            text += u' ' + translate(QT_TRANSLATE_NOOP("ControlHelp", "The tracker holds %1."))
                               .arg(translated(*holds));
        }
    }
    return text;
}

// A tooltip in paragraphs, which wrap where a plain text would make one long line.
QString richText(const QStringList& paragraphs) {
    QString rich;
    for (const QString& paragraph : paragraphs) {
        rich += QStringLiteral("<p>") + paragraph.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return rich;
}

void describe(QWidget& widget, const QStringList& paragraphs) {
    const QString plain = paragraphs.join(QStringLiteral("\n\n"));
    widget.setAccessibleDescription(plain);
    widget.setWhatsThis(plain);
}

// The reason first while the control is greyed: it is what the user wants to know then. A
// window greyed whole, during a command, greys no control for a reason of its own.
void showHelp(QWidget& control) {
    QStringList paragraphs;
    const QVariant id = control.property(kHelpId);
    const HelpRow* row = id.isValid() ? rowOf(id.toInt()) : nullptr;
    if (row != nullptr) {
        if (row->greyed != nullptr && control.testAttribute(Qt::WA_ForceDisabled)) {
            paragraphs << translate(row->greyed);
        }
        paragraphs << helpText(*row);
    }
    const QString live = control.property(kLiveLine).toString();
    if (!live.isEmpty()) {
        paragraphs << live;
    }
    control.setToolTip(richText(paragraphs));
    describe(control, paragraphs);
    // A list's field and opened list are what a screen reader and Shift+F1 meet.
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        if (list->lineEdit() != nullptr) {
            describe(*list->lineEdit(), paragraphs);
        }
        list->view()->setAccessibleDescription(paragraphs.join(QStringLiteral("\n\n")));
    }
}

// Shows the help again whenever the control is greyed or no longer.
class GreyingFollower : public QObject {
public:
    explicit GreyingFollower(QWidget& control) : QObject(&control) {
        control.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            showHelp(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

void giveTabHelp(QTabBar& tabs) {
    for (int i = 0; i < tabs.count() && i < kProfileCount; ++i) {
        const QString help = translate(kProfileTabHelp[static_cast<std::size_t>(i)]);
        tabs.setTabToolTip(i, help);
        tabs.setTabWhatsThis(i, help);
    }
}

} // namespace

void giveHelp(QWidget& control, int id) {
    control.setProperty(kHelpId, id);
    const HelpRow* row = rowOf(id);
    if (row != nullptr && row->greyed != nullptr) {
        new GreyingFollower(control);
    }
    if (auto* tabs = qobject_cast<QTabBar*>(&control)) {
        giveTabHelp(*tabs);
    }
    showHelp(control);
}

void showLiveLine(QWidget& control, const QString& line) {
    control.setProperty(kLiveLine, line);
    showHelp(control);
}

} // namespace wl3::ui
