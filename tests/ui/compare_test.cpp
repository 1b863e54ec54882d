#include "formats/config_file.h"
#include "modal_script.h"
#include "support/temp_dir.h"
#include "tracker_window.h"

#include <QTableWidget>

using namespace wl3;
using namespace wl3::ids;
using wl3::test::ModalScript;
using wl3::test::RecordingReporter;
using wl3::test::TrackerWindow;

namespace {

// Answers the question of what to compare with by its button "file" or "tracker".
ModalScript::Step compareWith(const char* button) {
    return [button](QWidget& modal) {
        QCOMPARE(modal.objectName(), QStringLiteral("compareWith"));
        modal.findChild<QPushButton*>(QLatin1String(button))->click();
    };
}

// Notes the table's text, then takes every row and closes the box.
ModalScript::Step takeAll(QString& table) {
    return [&table](QWidget& modal) {
        QCOMPARE(modal.objectName(), QStringLiteral("compareDialog"));
        auto* rows = modal.findChild<QTableWidget*>(QStringLiteral("differences"));
        QStringList lines;
        for (int row = 0; row < rows->rowCount(); ++row) {
            lines << rows->item(row, 0)->text() + u'|' + rows->item(row, 1)->text() + u'|' +
                         rows->item(row, 2)->text();
        }
        table = lines.join(u'\n');
        modal.findChild<QPushButton*>(QStringLiteral("takeAllTheirs"))->click();
        QCOMPARE(rows->rowCount(), 0);
        static_cast<QDialog&>(modal).reject();
    };
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    // The tracker's values, then a file's, go into the form and only there: the tracker
    // hears its reads and no write, and the unsaved mark follows the form each time.
    void takeTheirsChangesTheFormAndSendsNothing() {
        test::TempDir folder;
        TrackerConfig held;
        setText(held.callsign[kPrimary], "KA1ABC-7");
        held.calibration = 140;
        RecordingReporter quiet;
        QCOMPARE(saveConfigFile(folder / "tracker.wl3", held, quiet), Status::Ok);
        QCOMPARE(saveConfigFile(folder / "defaults.wl3", TrackerConfig(), quiet), Status::Ok);
        TrackerWindow window({"--image-file", (folder / "tracker.wl3").string()});
        QVERIFY(window.tracker.ok());

        QString table;
        ModalScript fromTracker({compareWith("tracker"), takeAll(table)});
        window.ui.press(kCompare);
        QVERIFY(fromTracker.finished());
        QCOMPARE(table, QStringLiteral("Primary, Callsign|NOCALL|KA1ABC-7\n"
                                       "Calibration|128|140"));
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("KA1ABC-7"));
        QCOMPARE(window.ui.edit(kCalibration)->text(), QStringLiteral("140"));
        QVERIFY(window.ui.dialog->isWindowModified());
        QCOMPARE(window.tracker.log().find("image written"), std::string::npos);
        QCOMPARE(window.ui.takeReports(), QStringList());

        window.ui.fileDialogs.answers = {folder / "defaults.wl3"};
        ModalScript fromFile({compareWith("file"), takeAll(table)});
        window.ui.press(kCompare);
        QVERIFY(fromFile.finished());
        QCOMPARE(table, QStringLiteral("Primary, Callsign|KA1ABC-7|NOCALL\n"
                                       "Calibration|140|128"));
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("NOCALL"));
        QVERIFY(!window.ui.dialog->isWindowModified());
        QCOMPARE(window.tracker.log().find("image written"), std::string::npos);
    }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
