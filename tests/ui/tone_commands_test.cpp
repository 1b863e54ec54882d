#include "formats/config_file.h"
#include "modal_script.h"
#include "support/temp_dir.h"
#include "tracker_window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::DialogDriver;
using wl3::test::TrackerWindow;

namespace {

const QString kCalibrationWarning =
    "Calibration not written: New Calibration value should be written before Testing Tones";

} // namespace

class ToneCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Saving keeps the warning; loading, like a read or a write, settles the calibration.
    // Before a tone the warning asks, and Cancel sends nothing; before a stop it only tells.
    void everyToneButtonWarnsOfAnUnwrittenCalibrationUntilALoad() {
        test::TempDir folder;
        const std::filesystem::path file = folder / "saved.wl3";
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCalibration, "130");
        const auto answer = [](const char* button) {
            return [button](QWidget& modal) {
                QCOMPARE(modal.objectName(), QStringLiteral("calibrationNotWritten"));
                QVERIFY(static_cast<QMessageBox&>(modal).text().startsWith(
                    QStringLiteral("New Calibration value should be written")));
                modal.findChild<QPushButton*>(QLatin1String(button))->click();
            };
        };

        test::ModalScript script(
            {answer("cancel"), answer("ok"), answer("ok"), answer("ok"), answer("ok")});
        for (const int button : {kSend1200Hz, kSend1200Hz, kSend2200Hz, kSendBoth}) {
            window.ui.press(button);
            QCOMPARE(window.ui.takeReports(), QStringList{});
        }
        window.ui.press(kStopSending);
        QCOMPARE(window.ui.takeReports(), QStringList{kCalibrationWarning});
        QTRY_COMPARE(window.tonesHeard(), (QStringList{"stop", "1200 Hz", "stop", "2200 Hz", "stop",
                                                       "both", "stop", "stop"}));

        window.ui.fileDialogs.answers = {file, file};
        window.ui.press(kSave);
        window.ui.press(kSend1200Hz);
        QVERIFY(script.finished());
        QCOMPARE(window.ui.takeReports(), QStringList{});

        window.ui.press(kLoad);
        window.ui.press(kStopSending);
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QCOMPARE(window.ui.edit(kCalibration)->text(), QStringLiteral("130"));
        QTRY_COMPARE(window.tonesHeard().size(), 12);
    }

    // A tone keys the radio: the window says so, to the eye and to a screen reader, and
    // Enter stops it, until a stop has gone out.
    void aSoundingToneIsShownUntilStopped() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        auto* notice = window.ui.dialog->findChild<QLabel*>(QStringLiteral("toneNotice"));
        auto* stop = window.ui.button(kStopSending);
        QVERIFY(!notice->isVisible());
        window.ui.press(kSend1200Hz);
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->accessibleName(),
                 QStringLiteral("Transmitting 1200 Hz \u2014 Stop Sending ends it"));
        QVERIFY(window.ui.dialog->windowTitle().startsWith(QStringLiteral("Transmitting")));
        QVERIFY(stop->isDefault());
        window.ui.edit(kCallsign)->setFocus();
        QTest::keyClick(window.ui.edit(kCallsign), Qt::Key_Return);
        QTRY_COMPARE(window.tonesHeard(), (QStringList{"stop", "1200 Hz", "stop", "stop"}));
        QVERIFY(window.ui.dialog->isVisible()); // Enter stopped the tone, not the window
        QVERIFY(!notice->isVisible());
        QVERIFY(!window.ui.dialog->windowTitle().startsWith(QStringLiteral("Transmitting")));
        QVERIFY(!stop->isDefault());
    }

    void aCalibrationTypedBackBeforeAnyCopyGivesNoWarning() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCalibration, "131");
        window.ui.typeInto(kCalibration, "128");

        window.ui.press(kSendBoth);
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QTRY_COMPARE(window.tonesHeard(), (QStringList{"stop", "both"}));
    }

    // On a radio a tone keys the transmitter. The stop goes to the port the tone went to,
    // whichever entry is chosen by then; a tone already stopped is not stopped again.
    void closingAfterAToneSendsTheStopFirst() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.press(kSend2200Hz);
        window.ui.list(kComPort)->setCurrentIndex(1);
        QTest::keyClick(window.ui.edit(kCallsign), Qt::Key_Escape);
        QVERIFY(!window.ui.dialog->isVisible());
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QTRY_COMPARE(window.tonesHeard(), (QStringList{"stop", "2200 Hz", "stop", "stop"}));

        TrackerWindow stopped;
        QVERIFY(stopped.tracker.ok());
        stopped.ui.press(kSendBoth);
        stopped.ui.press(kStopSending);
        stopped.ui.press(kExit);
        QVERIFY(!stopped.ui.dialog->isVisible());
        const QStringList heard{"stop", "both", "stop", "stop"};
        QTRY_COMPARE(stopped.tonesHeard(), heard);
        QTest::qWait(100);
        QCOMPARE(stopped.tonesHeard(), heard);
    }

    void withNoComPortSelectedEveryDeviceCommandFailsToOpen_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Read Version") << int(kReadVersion);
        QTest::newRow("Read Configuration") << int(kReadConfiguration);
        QTest::newRow("Write Configuration") << int(kWriteConfiguration);
        QTest::newRow("Send 1200 Hz") << int(kSend1200Hz);
        QTest::newRow("Send 2200 Hz") << int(kSend2200Hz);
        QTest::newRow("Send Both") << int(kSendBoth);
        QTest::newRow("Stop Sending") << int(kStopSending);
    }

    void withNoComPortSelectedEveryDeviceCommandFailsToOpen() {
        QFETCH(int, button);
        DialogDriver ui([](int) { return std::string("/dev/null"); });
        ui.list(kComPort)->setCurrentIndex(-1);

        ui.press(button);
        QCOMPARE(ui.takeReports(), QStringList{"Invalid Com Port Number"});
    }
};

QTEST_MAIN(ToneCommandsTest)
#include "tone_commands_test.moc"
