#include "formats/config_file.h"
#include "modal_script.h"
#include "support/temp_dir.h"
#include "tracker_window.h"

#include <QPushButton>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::answerUnsaved;
using wl3::test::ModalScript;
using wl3::test::RecordingReporter;
using wl3::test::TrackerWindow;

namespace {

// Every profile field that the image carries differs between the profiles and from the
// defaults, so a field read into the wrong place shows.
TrackerConfig distinctRecord() {
    TrackerConfig config;
    setText(config.callsign[kPrimary], "KA1ABC-7");
    setText(config.digiPath[kPrimary], "WIDE1-1");
    setText(config.statusText[kPrimary], "First status");
    config.calibration = 140;
    config.autoRateSec[kPrimary] = 600;
    config.micEEnabled[kPrimary] = false;
    setText(config.callsign[kSecondary], "KB2DEF-9");
    setText(config.digiPath[kSecondary], "WIDE2-1,WIDE3-3");
    setText(config.statusText[kSecondary], "Second status");
    config.smartBeaconing[kSecondary] = true;
    config.fastRateSec[kSecondary] = 120;
    config.timestamp[kSecondary] = true;
    return config;
}

} // namespace

class ReadCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void readVersionShowsTheReplyAsReceived_data() {
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<QString>("shown");
        QTest::newRow("line end kept, any letter case") << "WRENLINK3 v2.5"
                                                        << "Wrenlink3 Version: WRENLINK3 v2.5\r\n";
        QTest::newRow("cut at 29 characters") << "Wrenlink3 v1.00 build 20240601 extra"
                                              << "Wrenlink3 Version: Wrenlink3 v1.00 build 2024060";
    }

    // On COM3, so that the port number is the selected index plus one.
    void readVersionShowsTheReplyAsReceived() {
        QFETCH(QString, versionText);
        QFETCH(QString, shown);
        TrackerWindow window({"--version-text", versionText.toStdString()}, 3);
        QVERIFY(window.tracker.ok());
        window.ui.list(kComPort)->setCurrentIndex(2);
        const TrackerConfig before = window.ui.config();

        window.ui.press(kReadVersion);
        QCOMPARE(window.ui.reporter.cursors, std::vector{Qt::WaitCursor});
        QCOMPARE(window.ui.takeReports(), QStringList{shown});
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(window.ui.config() == before);
    }

    void readFillsBothProfilesAndTheCalibrationOnTheSelectedTab() {
        test::TempDir folder;
        const std::filesystem::path imageFile = folder / "tracker.wl3";
        TrackerConfig stored = distinctRecord();
        RecordingReporter quiet;
        QCOMPARE(saveConfigFile(imageFile, stored, quiet), Status::Ok);
        TrackerWindow window({"--image-file", imageFile.string()});
        QVERIFY(window.tracker.ok());
        window.ui.clickTab(kSecondary);
        window.ui.typeInto(kCalibration, "77");
        ModalScript warned({[](QWidget& box) {
            QCOMPARE(box.objectName(), QStringLiteral("calibrationNotWritten"));
            box.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        }});
        window.ui.press(kSend1200Hz);
        QVERIFY(warned.finished());

        ModalScript discard({answerUnsaved("discard")});
        window.ui.press(kReadConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Read: Read Successful"});
        TrackerConfig expected;
        QCOMPARE(loadConfigFile(imageFile, expected, quiet), Status::Ok);
        QVERIFY(window.ui.config() == expected);
        QCOMPARE(window.ui.tabs()->currentIndex(), int(kSecondary));
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("KB2DEF-9"));
        QCOMPARE(window.ui.edit(kCalibration)->text(), QStringLiteral("140"));
        QVERIFY(window.ui.box(kSmartBeaconingEnable)->isChecked());

        // The read settled the calibration: no more warning.
        window.ui.press(kSend2200Hz);
        QCOMPARE(window.ui.takeReports(), QStringList{});
        window.ui.clickTab(kPrimary);
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("KA1ABC-7"));
        QCOMPARE(window.ui.edit(kAutoRate)->text(), QStringLiteral("600"));
    }

    void anImageOfAnyOtherSizeIsAFailedRead_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("127 bytes") << 127;
        QTest::newRow("129 bytes") << 129;
    }

    void anImageOfAnyOtherSizeIsAFailedRead() {
        QFETCH(int, size);
        TrackerWindow window({"--image-size", std::to_string(size)});
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCallsign, "EDITED");
        const TrackerConfig before = window.ui.config();

        ModalScript discard({answerUnsaved("discard")});
        window.ui.press(kReadConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Read: Read Failed"});
        QVERIFY(window.ui.config() == before);
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
    }

    void aSilentTrackerIsOnlyNotFound_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Read Version") << int(kReadVersion);
        QTest::newRow("Read Configuration") << int(kReadConfiguration);
        QTest::newRow("Write Configuration") << int(kWriteConfiguration);
    }

    void aSilentTrackerIsOnlyNotFound() {
        QFETCH(int, button);
        TrackerWindow window({"--silent"});
        QVERIFY(window.tracker.ok());

        window.ui.press(button);
        QCOMPARE(window.ui.takeReports(),
                 QStringList{
                     "Wrenlink3 Not Found\n" + QString::fromStdString(window.tracker.devicePath()) +
                     ": no answer to the version query (is the tracker on and connected?)"});
        QVERIFY(window.tracker.log().find("image") == std::string::npos);
    }
};

QTEST_MAIN(ReadCommandsTest)
#include "read_commands_test.moc"
