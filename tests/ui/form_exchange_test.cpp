#include "config/record_printer.h"
#include "dialog_driver.h"
#include "modal_script.h"
#include "support/every_field.h"

#include <QLineEdit>
#include <QPushButton>
#include <sstream>
#include <vector>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::DialogDriver;

namespace {

const std::vector<int> kSmartBeaconingEdits{kSlowSpeed,    kSlowRate,  kFastSpeed,  kFastRate,
                                            kMinTurnAngle, kTurnSlope, kMinTurnTime};

QString printed(const TrackerConfig& config) {
    std::ostringstream out;
    PrintTo(config, &out);
    return QString::fromStdString(out.str());
}

bool allEnabled(const DialogDriver& ui, const std::vector<int>& ids, bool enabled) {
    for (const int id : ids) {
        if (ui.control(id)->isEnabled() != enabled) {
            return false;
        }
    }
    return true;
}

} // namespace

class FormExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void smartBeaconingAndTimeSlottingExcludeEachOther() {
        DialogDriver ui;
        ui.click(kTimeSlottingEnable);
        QVERIFY(ui.box(kTimeSlottingEnable)->isChecked());
        QVERIFY(ui.control(kSlotOffset)->isEnabled());

        ui.click(kSmartBeaconingEnable);
        QVERIFY(ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(!ui.box(kTimeSlottingEnable)->isChecked());
        QVERIFY(!ui.control(kSlotOffset)->isEnabled());
        QVERIFY(!ui.control(kAutoRate)->isEnabled());
        QVERIFY(allEnabled(ui, kSmartBeaconingEdits, true));

        ui.click(kSmartBeaconingEnable);
        QVERIFY(!ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(!ui.box(kTimeSlottingEnable)->isChecked());
        QVERIFY(ui.control(kAutoRate)->isEnabled());
        QVERIFY(allEnabled(ui, kSmartBeaconingEdits, false));

        ui.click(kSmartBeaconingEnable);
        ui.click(kTimeSlottingEnable);
        QVERIFY(!ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(ui.control(kSlotOffset)->isEnabled());
        QVERIFY(ui.control(kAutoRate)->isEnabled());
        QVERIFY(allEnabled(ui, kSmartBeaconingEdits, false));
    }

    void micEAndPowerSwitchEnableTheirControls() {
        DialogDriver ui;
        ui.list(kMicEPath)->setCurrentIndex(5);
        ui.click(kForcePrintable);
        ui.click(kMicEEnable);
        QVERIFY(allEnabled(ui, {kForcePrintable, kMicEMessage, kMicEPath}, false));
        QVERIFY(ui.box(kForcePrintable)->isChecked());
        QCOMPARE(ui.list(kMicEPath)->currentIndex(), 5);
        ui.click(kMicEEnable);
        QVERIFY(allEnabled(ui, {kForcePrintable, kMicEMessage, kMicEPath}, true));

        ui.click(kPowerSwitchEnable);
        QVERIFY(ui.control(kPowerSwitchTime)->isEnabled());
        ui.click(kPowerSwitchEnable);
        QVERIFY(!ui.control(kPowerSwitchTime)->isEnabled());
    }

    void timestampBoxesExcludeEachOtherButNeverCheckTheirPartner() {
        DialogDriver ui;
        ui.click(kTimestampDhm);
        ui.click(kTimestampHms);
        QVERIFY(!ui.box(kTimestampDhm)->isChecked());
        QVERIFY(ui.box(kTimestampHms)->isChecked());
        ui.dialog->formToRecord();
        QVERIFY(ui.config().timestamp[0]);
        QVERIFY(ui.config().timestampHms[0]);

        ui.click(kTimestampDhm);
        QVERIFY(!ui.box(kTimestampHms)->isChecked());
        ui.dialog->formToRecord();
        QVERIFY(ui.config().timestamp[0]);
        QVERIFY(!ui.config().timestampHms[0]);

        ui.click(kTimestampDhm);
        QVERIFY(!ui.box(kTimestampDhm)->isChecked());
        QVERIFY(!ui.box(kTimestampHms)->isChecked());
        ui.dialog->formToRecord();
        QVERIFY(!ui.config().timestamp[0]);
    }

    void fillingTheFormRunsNoClickHandler() {
        DialogDriver ui;
        TrackerConfig& config = ui.config();
        config.smartBeaconing[0] = true;
        config.timeSlotting[0] = true;
        ui.dialog->recordToForm();
        QVERIFY(ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(ui.box(kTimeSlottingEnable)->isChecked());
        QVERIFY(allEnabled(ui, kSmartBeaconingEdits, true));
        QVERIFY(ui.control(kSlotOffset)->isEnabled());
        QVERIFY(!ui.control(kAutoRate)->isEnabled());
        // Setting a box from code is not a click either.
        ui.dialog->form().setChecked(kTimestampDhm, true);
        ui.dialog->form().setChecked(kTimestampHms, true);
        QVERIFY(ui.box(kTimestampDhm)->isChecked());
        QVERIFY(ui.box(kTimestampHms)->isChecked());
    }

    void timestampPairShowsAsAtMostOneBox_data() {
        QTest::addColumn<bool>("timestamp");
        QTest::addColumn<bool>("hms");
        QTest::addColumn<bool>("dhmShown");
        QTest::addColumn<bool>("hmsShown");
        QTest::addColumn<bool>("hmsAfterSwitch");
        QTest::newRow("off, off") << false << false << false << false << false;
        QTest::newRow("off, on") << false << true << false << false << false;
        QTest::newRow("on, off") << true << false << true << false << false;
        QTest::newRow("on, on") << true << true << false << true << true;
    }

    void timestampPairShowsAsAtMostOneBox() {
        QFETCH(bool, timestamp);
        QFETCH(bool, hms);
        QFETCH(bool, dhmShown);
        QFETCH(bool, hmsShown);
        QFETCH(bool, hmsAfterSwitch);
        DialogDriver ui;
        ui.config().timestamp[1] = timestamp;
        ui.config().timestampHms[1] = hms;
        ui.clickTab(1);
        QCOMPARE(ui.box(kTimestampDhm)->isChecked(), dhmShown);
        QCOMPARE(ui.box(kTimestampHms)->isChecked(), hmsShown);
        ui.clickTab(0);
        QCOMPARE(ui.config().timestamp[1], timestamp);
        QCOMPARE(ui.config().timestampHms[1], hmsAfterSwitch);
    }

    void tabSwitchCarriesEachProfileThroughTheRecord() {
        DialogDriver ui;
        ui.typeInto(kCallsign, "n0abc-7");
        ui.typeInto(kStatusText, "Primary text");
        ui.typeInto(kAutoTxDelay, "450");
        ui.replaceText(kSymbol, "kx");
        ui.replaceText(kSymbolTable, "");
        test::ModalScript confirm(
            {[](QWidget& box) { box.findChild<QPushButton*>(QStringLiteral("choose"))->click(); }});
        ui.list(kMicEMessage)->setCurrentIndex(7);
        QVERIFY(confirm.finished());
        ui.click(kSmartBeaconingEnable);
        ui.click(kAltDigiPaths);

        ui.clickTab(1);
        const TrackerConfig& config = ui.config();
        QCOMPARE(textOf(config.callsign[0]), "N0ABC-7");
        QCOMPARE(textOf(config.statusText[0]), "Primary text");
        QCOMPARE(config.autoTxDelayMs[0], 450);
        // Two characters and none are no symbol: the record keeps its own until they are
        // named at Write or Save, and the edits keep what was typed.
        QCOMPARE(config.symbol[0], '>');
        QCOMPARE(config.symbolTable[0], '/');
        QCOMPARE(config.micEMessage[0], 7);
        QVERIFY(config.smartBeaconing[0]);
        QVERIFY(config.altDigiPaths[0]);
        // The other profile shows its own values, and its own enables.
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("NOCALL"));
        QCOMPARE(ui.edit(kAutoTxDelay)->text(), QStringLiteral("300"));
        QVERIFY(!ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(ui.control(kAutoRate)->isEnabled());
        QCOMPARE(textOf(config.callsign[1]), "NOCALL");

        ui.clickTab(0);
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("N0ABC-7"));
        QCOMPARE(ui.edit(kSymbol)->text(), QStringLiteral("kx"));
        QCOMPARE(ui.edit(kSymbolTable)->text(), QString());
        QCOMPARE(ui.list(kMicEMessage)->currentText(), QStringLiteral("Emergency!"));
        QVERIFY(ui.box(kSmartBeaconingEnable)->isChecked());
        QVERIFY(!ui.control(kAutoRate)->isEnabled());
    }

    // Into a fresh record, so that a field the form leaves alone shows too.
    void everyShownFieldGoesThroughItsControl() {
        DialogDriver ui;
        for (const int p : {kPrimary, kSecondary}) {
            ui.clickTab(p);
            TrackerConfig expected;
            test::setEveryField(expected, p, true);
            ui.config() = expected;
            ui.dialog->recordToForm();
            ui.config() = TrackerConfig();
            ui.dialog->formToRecord();
            QCOMPARE(printed(ui.config()), printed(expected));
            QVERIFY(ui.dialog->calibrationChanged());
        }
    }

    void switchingTabsWithoutEditsLeavesTheRecordAlone() {
        DialogDriver ui;
        TrackerConfig& config = ui.config();
        config.autoRateSec[1] = -17;
        config.turnSlope[1] = 100000;
        config.powerSwitch[1] = true;
        config.noPttOutWhilePttIn[1] = true;
        config.micEPath[1] = 15;
        const TrackerConfig before = config;
        ui.clickTab(1);
        QCOMPARE(ui.edit(kAutoRate)->text(), QStringLiteral("-17"));
        ui.clickTab(0);
        QVERIFY(config == before);
    }

    // A number from a file or the tracker that names no item comes back as it went in.
    void listIndexOutsideItsListShowsNothingAndIsKept() {
        DialogDriver ui;
        ui.config().micEMessage[1] = 8;
        ui.config().micEPath[1] = -3;
        ui.clickTab(1);
        QCOMPARE(ui.list(kMicEMessage)->currentIndex(), -1);
        QCOMPARE(ui.list(kMicEMessage)->currentText(), QString());
        QCOMPARE(ui.list(kMicEPath)->currentIndex(), -1);
        ui.clickTab(0);
        QCOMPARE(ui.config().micEMessage[1], 8);
        QCOMPARE(ui.config().micEPath[1], -3);
    }

    void typedListTextIsNeverRead() {
        DialogDriver ui;
        ui.list(kMicEPath)->setCurrentIndex(3);
        ui.list(kMicEPath)->lineEdit()->setText(QStringLiteral("anything"));
        ui.dialog->formToRecord();
        QCOMPARE(ui.config().micEPath[0], 3);
    }

    // Typing can choose an item by its name but never leave a list with none, which the
    // tracker would store as index 255; Enter after typing confirms, it does not close.
    void typedListTextChoosesAnItemOrIsPutBack() {
        DialogDriver ui;
        QVERIFY(QTest::qWaitForWindowActive(ui.dialog.get()));
        const auto type = [&](int id, const char* keys) {
            ui.list(id)->setFocus();
            ui.list(id)->lineEdit()->selectAll();
            QTest::keyClicks(ui.list(id), keys);
        };
        type(kComPort, "com2");
        QCOMPARE(ui.list(kComPort)->currentText(), QStringLiteral("COM2"));
        type(kComPort, "COM3");
        QTest::keyClick(ui.list(kComPort), Qt::Key_Return);
        QVERIFY(ui.dialog->isVisible());
        QCOMPARE(ui.list(kComPort)->currentIndex(), 2);

        ui.list(kMicEPath)->setCurrentIndex(3);
        type(kMicEPath, "west");
        QCOMPARE(ui.list(kMicEPath)->currentIndex(), 11);
        type(kMicEPath, "Nowhere");
        QTest::keyClick(ui.list(kMicEPath), Qt::Key_Tab);
        QCOMPARE(ui.list(kMicEPath)->currentText(), QStringLiteral("West"));

        ui.dialog->formToRecord();
        ui.config().micEMessage[0] = 9;
        ui.dialog->recordToForm();
        type(kMicEMessage, "Emergency");
        QTest::keyClick(ui.list(kMicEMessage), Qt::Key_Tab);
        QCOMPARE(ui.list(kMicEMessage)->currentText(), QString());
        ui.dialog->formToRecord();
        QCOMPARE(ui.config().micEPath[0], 11);
        QCOMPARE(ui.config().micEMessage[0], 9);
    }

    void calibrationIsSharedAndMarkedWhenChanged() {
        DialogDriver ui;
        ui.typeInto(kCalibration, "140");
        QVERIFY(!ui.dialog->calibrationChanged());
        ui.clickTab(1);
        QVERIFY(ui.dialog->calibrationChanged());
        QCOMPARE(ui.config().calibration, 140);
        QCOMPARE(ui.edit(kCalibration)->text(), QStringLiteral("140"));

        ui.typeInto(kCalibration, "128");
        ui.clickTab(0);
        QCOMPARE(ui.config().calibration, 128);
        QVERIFY2(ui.dialog->calibrationChanged(), "only a decode clears the mark");
    }

    void calibrationTypedBackBeforeAnyCopyLeavesNoMark() {
        DialogDriver ui;
        ui.typeInto(kCalibration, "99");
        ui.typeInto(kCalibration, "128");
        ui.clickTab(1);
        QVERIFY(!ui.dialog->calibrationChanged());
    }

    void disabledControlsAreStillCopied() {
        DialogDriver ui;
        ui.replaceText(kSlowRate, "600");
        QVERIFY(!ui.edit(kSlowRate)->isEnabled());
        ui.clickTab(1);
        ui.clickTab(0);
        QCOMPARE(ui.config().slowRateSec[0], 600);
        QCOMPARE(ui.edit(kSlowRate)->text(), QStringLiteral("600"));
    }

    void textsTheRecordCannotTakeStayAsTypedAndOthersMoveAsLatin1() {
        DialogDriver ui;
        const TrackerConfig before = ui.config();
        ui.replaceText(kStatusText, QString(250, u'x'));
        ui.replaceText(kDigiPath, QStringLiteral("W\u00C9DE\u20AC"));
        ui.dialog->formToRecord();
        QVERIFY(ui.config().statusText == before.statusText);
        QVERIFY(ui.config().digiPath == before.digiPath);
        QCOMPARE(ui.edit(kDigiPath)->text(), QStringLiteral("W\u00C9DE\u20AC"));

        setText(ui.config().statusText[0], "\xC5\xE9-1");
        setText(ui.config().callsign[0], "n\xE9");
        ui.dialog->recordToForm();
        QCOMPARE(ui.edit(kStatusText)->text(), QStringLiteral("\u00C5\u00E9-1"));
        QCOMPARE(ui.dialog->form().editText(kStatusText), std::string("\xC5\xE9-1"));
        // An upper-case edit shows any text it is given in capitals.
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("N\u00C9"));
    }

    void numbersShowInPlainSignedDecimal() {
        DialogDriver ui;
        ui.dialog->form().setEditNumber(kTurnSlope, -2147483647 - 1);
        QCOMPARE(ui.edit(kTurnSlope)->text(), QStringLiteral("-2147483648"));
        ui.dialog->form().setEditNumber(kTurnSlope, 1000000);
        QCOMPARE(ui.edit(kTurnSlope)->text(), QStringLiteral("1000000"));
        ui.replaceText(kTurnSlope, QStringLiteral("99999999999"));
        QCOMPARE(ui.dialog->form().editNumber(kTurnSlope), 2147483647);
        // An empty edit is no 0: the record keeps its value until Write or Save names it.
        ui.replaceText(kTurnSlope, QString());
        ui.dialog->formToRecord();
        QCOMPARE(ui.config().turnSlope[0], TrackerConfig().turnSlope[0]);
    }
};

QTEST_MAIN(FormExchangeTest)
#include "form_exchange_test.moc"
