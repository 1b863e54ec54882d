#include "config/config_image.h"
#include "support/temp_dir.h"
#include "tracker_window.h"

#include <array>
#include <filesystem>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::RecordingReporter;
using wl3::test::TrackerWindow;

class WriteCommandTest : public QObject {
    Q_OBJECT

private slots:
    void writeStoresTheEncodedImageAndShowsItAsStored() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCallsign, "KC3GHI-5");
        window.ui.typeInto(kCalibration, "150");
        TrackerConfig typed;
        typed.setCallsign("KC3GHI-5");
        typed.calibration = 150;
        std::array<std::uint8_t, kImageBufferSize> expected{};
        RecordingReporter quiet;
        QCOMPARE(encodeImage(typed, expected, quiet), kImageSize);

        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Write: Write Successful"});
        QVERIFY(window.tracker.storedImage() ==
                std::vector(expected.begin(), expected.begin() + kImageSize));
        // The tracker keeps delays in its own steps.
        QCOMPARE(window.ui.edit(kManualTxDelay)->text(), QStringLiteral("127"));
        QCOMPARE(window.ui.config().manualTxDelayMs[kPrimary], 127);
        QVERIFY(!window.ui.config().calibrationChanged);

        window.ui.press(kSend1200Hz);
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QTRY_COMPARE(window.tonesHeard(), (QStringList{"stop", "1200 Hz"}));
    }

    void aReadBackThatDiffersFailsTheWrite() {
        TrackerWindow window({"--corrupt-store"});
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCalibration, "150");

        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Write Failed"});
        QCOMPARE(window.ui.edit(kManualTxDelay)->text(), QStringLiteral("125"));
        QCOMPARE(window.ui.config().calibration, 150);
        QVERIFY(window.ui.config().calibrationChanged);
    }

    // A callsign cut to six characters would be someone else's on the air: Write and Save
    // list every value the tracker cannot hold, and nothing is sent or saved.
    void valuesTheTrackerCannotHoldAreRefusedBeforeAnythingIsSent() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCallsign, "KD2ABCD-9");
        window.ui.clickTab(kSecondary);
        window.ui.typeInto(kStatusEvery, "300");
        const QString listed = "The tracker cannot hold these values as they are:\n"
                               "Primary, Callsign: up to six letters or digits, optionally "
                               "followed by -0 to -15 for the SSID\n"
                               "Seconday, Send every: 0 to 255 transmissions";

        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Write: " + listed});
        QCOMPARE(window.tracker.log(), std::string());
        test::TempDir folder;
        window.ui.fileDialogs.answers = {folder / "refused.wl3"};
        window.ui.press(kSave);
        QCOMPARE(window.ui.takeReports(), QStringList{"Save Failed: " + listed});
        QVERIFY(!std::filesystem::exists(folder / "refused.wl3"));

        // At the edge, the same write goes through.
        window.ui.replaceText(kStatusEvery, "255");
        window.ui.clickTab(kPrimary);
        window.ui.replaceText(kCallsign, "KD2ABC-15");
        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Write: Write Successful"});
    }

    void anImageTheEncoderRefusesNeverReachesTheLine() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        const QString path = QStringList(12, QStringLiteral("WIDE1-1")).join(u',');
        window.ui.replaceText(kDigiPath, path);

        window.ui.press(kWriteConfiguration);
        const QStringList reports = window.ui.takeReports();
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports[0].startsWith(
            "The callsigns and digipeater paths do not fit in the tracker's memory."));
        QCOMPARE(reports[1], QStringLiteral("Bad EE Size 0\n"));
        QCOMPARE(window.tracker.log(), std::string());
        QCOMPARE(QString::fromStdString(std::string(textOf(window.ui.config().digiPath[0]))), path);
    }
};

QTEST_MAIN(WriteCommandTest)
#include "write_command_test.moc"
