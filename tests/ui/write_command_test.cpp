#include "config/config_image.h"
#include "config/image_layout.h"
#include "formats/config_file.h"
#include "support/temp_dir.h"
#include "tracker_window.h"

#include <array>
#include <filesystem>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::RecordingReporter;
using wl3::test::TrackerWindow;

namespace {

// A delay or quiet-time byte at that offset of image that does not come back from decoding
// and encoding again.
std::uint8_t stepOffByte(ConfigImage image, int at) {
    RecordingReporter quiet;
    for (int byte = 255; byte > 0; --byte) {
        image[std::size_t(at)] = std::uint8_t(byte);
        TrackerConfig decoded;
        decodeImage(decoded, image, quiet);
        std::array<std::uint8_t, kImageBufferSize> again{};
        encodeImage(decoded, again, quiet);
        if (again[std::size_t(at)] != byte) {
            return std::uint8_t(byte);
        }
    }
    qFatal("every byte at %d comes back", at);
}

} // namespace

class WriteCommandTest : public QObject {
    Q_OBJECT

private slots:
    void writeStoresTheEncodedImageAndShowsItAsStored() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCallsign, "KC3GHI-5");
        window.ui.typeInto(kCalibration, "150");
        TrackerConfig typed;
        setText(typed.callsign[kPrimary], "KC3GHI-5");
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
        QVERIFY(!window.ui.dialog->calibrationChanged());

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
        QVERIFY(window.ui.dialog->calibrationChanged());
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

    // Another program's delays, each a step off what this encoder makes of its decoded value:
    // the form stands on the image it came from, so that an unedited Load then Write, or Read
    // then Save, moves no byte, and an edit moves only what it changed.
    void theFormKeepsTheBytesOfTheImageItCameFrom() {
        ConfigImage image = defaultImage();
        for (const int at :
             {layout::kAutoTxDelay, layout::kManualTxDelay + 1, layout::kQuietTime}) {
            image[std::size_t(at)] = stepOffByte(image, at);
        }
        test::TempDir folder;
        test::writeAll(folder / "other.wl3", configFileBytes(image));
        TrackerWindow window;
        QVERIFY(window.tracker.ok());

        QCOMPARE(window.ui.dialog->loadFile(folder / "other.wl3"), Status::Ok);
        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Write: Write Successful"});
        QVERIFY(window.tracker.storedImage() == std::vector(image.begin(), image.end()));

        window.ui.press(kReadConfiguration);
        QCOMPARE(window.ui.dialog->saveFile(folder / "backup.wl3"), Status::Ok);
        QCOMPARE(test::readAll(folder / "backup.wl3"), configFileBytes(image));

        window.ui.typeInto(kCallsign, "N0EDIT");
        window.ui.press(kWriteConfiguration);
        window.ui.takeReports();
        const std::vector<std::uint8_t> held = window.tracker.storedImage();
        for (const int at :
             {layout::kAutoTxDelay, layout::kManualTxDelay + 1, layout::kQuietTime}) {
            QCOMPARE(held[std::size_t(at)], image[std::size_t(at)]);
        }
    }

    // What never became a value (an empty number, two characters for a symbol, a character
    // beyond Latin-1) is named, and nothing is sent or asked for.
    void entriesThatAreNoValueAreRefusedBeforeAnythingIsSent() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.replaceText(kAutoTxDelay, "");
        window.ui.replaceText(kSymbol, "ab");
        window.ui.clickTab(kSecondary);
        window.ui.replaceText(kStatusEvery, "");
        window.ui.replaceText(kStatusText, QStringLiteral("\u20ACuro"));
        const QString listed = "The tracker cannot hold these values as they are:\n"
                               "Primary, Symbol: one printable ASCII character, ! to ~\n"
                               "Primary, Auto TX Delay: 0 to 1700 milliseconds\n"
                               "Seconday, Text: characters from U+0001 to U+00FF\n"
                               "Seconday, Send every: 0 to 255 transmissions";

        window.ui.press(kWriteConfiguration);
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Write: " + listed});
        window.ui.press(kSave);
        QCOMPARE(window.ui.takeReports(), QStringList{"Save Failed: " + listed});
        QVERIFY(window.ui.fileDialogs.asked.empty());
        QCOMPARE(window.tracker.log(), std::string());
        window.ui.clickTab(kPrimary);
        QCOMPARE(window.ui.edit(kSymbol)->text(), QStringLiteral("ab"));
    }

    // One box says why, and no "Bad EE Size" follows it.
    void anImageTheEncoderRefusesNeverReachesTheLine() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        const QString path = QStringList(12, QStringLiteral("WIDE1-1")).join(u',');
        window.ui.replaceText(kDigiPath, path);

        window.ui.press(kWriteConfiguration);
        const QStringList reports = window.ui.takeReports();
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].startsWith(
            "The callsigns and digipeater paths do not fit in the tracker's memory."));
        QCOMPARE(window.tracker.log(), std::string());
        QCOMPARE(QString::fromStdString(std::string(textOf(window.ui.config().digiPath[0]))), path);
    }
};

QTEST_MAIN(WriteCommandTest)
#include "write_command_test.moc"
