#include "dialog_driver.h"
#include "formats/config_file.h"
#include "modal_script.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::answerUnsaved;
using wl3::test::DialogDriver;
using wl3::test::ModalScript;
using wl3::test::RecordingReporter;

namespace {

QByteArray contentsOf(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList namesIn(const test::TempDir& folder) {
    return QDir(QString::fromStdString(folder.path().string())).entryList(QDir::Files);
}

QString callsignOf(const TrackerConfig& config, int profile) {
    return QString::fromStdString(std::string(textOf(config.callsign[profile])));
}

QFileDialog& asFileDialog(QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    if (dialog == nullptr) {
        qFatal("expected a file dialog, got %s", modal.metaObject()->className());
    }
    return *dialog;
}

// Types a name into the dialog's own field and presses Enter there.
void chooseIn(QFileDialog& dialog, const QString& name) {
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field != nullptr);
    field->setText(name);
    QTest::keyClick(field, Qt::Key_Return);
}

struct SeenFileDialog {
    QString title;
    QString initialName;
    QStringList filters;
    QString suffix;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirmsReplacing = false;
    bool modalToWindow = false;
};

SeenFileDialog seen(const QFileDialog& dialog, const QWidget& window) {
    return {dialog.windowTitle(),
            QFileInfo(dialog.selectedFiles().value(0)).fileName(),
            dialog.nameFilters(),
            dialog.defaultSuffix(),
            dialog.acceptMode(),
            !dialog.testOption(QFileDialog::DontConfirmOverwrite),
            dialog.parentWidget() == &window && dialog.windowModality() == Qt::WindowModal};
}

QByteArray validHeader() {
    return QByteArray("WL3A\x80\0\0\0", 8);
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void saveThenLoadRestoresBothProfiles() {
        test::TempDir folder;
        const auto file = folder / "both.wl3";
        DialogDriver ui;
        ui.typeInto(kCallsign, "KA1ABC-7");
        ui.typeInto(kCalibration, "141");
        ui.clickTab(kSecondary);
        ui.typeInto(kCallsign, "KB2DEF-9");
        ui.click(kSmartBeaconingEnable);
        ui.fileDialogs.answers = {file};
        ui.press(kSave);
        QCOMPARE(ui.takeReports(), QStringList{});
        QCOMPARE(std::filesystem::file_size(file), std::uintmax_t{kConfigFileSize});

        // Both profiles and the calibration change before the load brings them back.
        ui.typeInto(kCallsign, "ZZ9ZZZ");
        ui.clickTab(kPrimary);
        ui.typeInto(kCallsign, "YY8YYY");
        ui.typeInto(kCalibration, "99");
        ui.fileDialogs.answers = {file};
        ModalScript discard({answerUnsaved("discard")});
        ui.press(kLoad);
        QCOMPARE(ui.takeReports(), QStringList{});
        QCOMPARE(ui.fileDialogs.asked, (std::vector<std::string>{"save", "load"}));
        QCOMPARE(ui.tabs()->currentIndex(), int(kPrimary));
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KA1ABC-7"));
        QCOMPARE(ui.edit(kCalibration)->text(), QStringLiteral("141"));
        QCOMPARE(callsignOf(ui.config(), kSecondary), QStringLiteral("KB2DEF-9"));
        QVERIFY(!ui.dialog->calibrationChanged());
        ui.clickTab(kSecondary);
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KB2DEF-9"));
        QVERIFY(ui.box(kSmartBeaconingEnable)->isChecked());
    }

    void cancellingEitherDialogChangesNothing() {
        test::TempDir folder;
        DialogDriver ui;
        ui.typeInto(kCallsign, "NEWCAL");

        ui.press(kSave);
        ModalScript discard({answerUnsaved("discard")});
        ui.press(kLoad);
        QCOMPARE(ui.fileDialogs.asked, (std::vector<std::string>{"save", "load"}));
        // Save checked the form's values through the record before it asked for a file.
        QCOMPARE(callsignOf(ui.config(), kPrimary), QStringLiteral("NEWCAL"));
        QVERIFY(ui.dialog->hasUnsavedEdits());
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("NEWCAL"));
        QCOMPARE(ui.takeReports(), QStringList{});
    }

    // Each names the file and why on a second line.
    void aFileThatDoesNotLoadChangesNeitherRecordNorForm_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("reason");
        const QByteArray image(kImageSize, '\0');
        QTest::newRow("magic") << QByteArray("WL3B\x80\0\0\0", 8) + image
                               << "Load Failed: Invalid File Format"
                               << "is not a configuration file";
        QTest::newRow("length in the wrong byte order")
            << QByteArray("WL3A\0\0\0\x80", 8) + image << "Load Failed: Invalid File Format"
            << "holds an image of 2147483648 bytes, not 128";
        QTest::newRow("100 image bytes")
            << validHeader() + image.first(100) << "Load Failed: Failed to read data"
            << "ends after 100 of the 128 image bytes";
        QTest::newRow("no such file") << QByteArray() << "Load Failed: Failed to open file"
                                      << "does not exist";
    }

    void aFileThatDoesNotLoadChangesNeitherRecordNorForm() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        test::TempDir folder;
        const auto file = folder / "bad.wl3";
        if (!contents.isEmpty()) {
            writeFile(file, contents);
        }
        DialogDriver ui;
        ui.clickTab(kSecondary);
        ui.typeInto(kCallsign, "EDITED");
        const TrackerConfig before = ui.config();

        ui.fileDialogs.answers = {file};
        ModalScript discard({answerUnsaved("discard")});
        ui.press(kLoad);
        QCOMPARE(ui.takeReports(),
                 QStringList{shown + "\n" + QString::fromStdString(file.string()) + ": " + reason});
        QVERIFY(ui.config() == before);
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
    }

    void aSaveTheEncoderRefusesWritesNothing() {
        test::TempDir folder;
        const auto existing = folder / "existing.wl3";
        writeFile(existing, "old contents");
        DialogDriver ui;
        const QString path = QStringList(12, QStringLiteral("WIDE1-1")).join(u',');
        ui.replaceText(kDigiPath, path);

        ui.fileDialogs.answers = {existing, folder / "new.wl3"};
        ui.press(kSave);
        ui.press(kSave);
        const QStringList reports = ui.takeReports();
        QCOMPARE(reports.size(), 2);
        QVERIFY(reports[0].startsWith("The callsigns and digipeater paths do not fit"));
        QCOMPARE(reports[1], reports[0]);
        QCOMPARE(contentsOf(existing), QByteArray("old contents"));
        QCOMPARE(namesIn(folder), QStringList{"existing.wl3"});
        QCOMPARE(QString::fromStdString(std::string(textOf(ui.config().digiPath[kPrimary]))), path);
    }

    // The room the texts have is counted as the user types; a text the image would cut is
    // saved only once the user accepts the cut, and Cancel goes back to the form.
    void aTextThatWouldBeCutIsCountedAndCancelStoresNothing() {
        test::TempDir folder;
        DialogDriver ui;
        auto* room = ui.dialog->findChild<QLabel*>(QStringLiteral("textRoom"));
        ui.replaceText(kStatusText, QString(60, u'p'));
        QCOMPARE(room->text(), QStringLiteral("2 characters left"));
        ui.replaceText(kStatusText, QString(70, u'p'));
        QCOMPARE(room->text(), QStringLiteral("8 too many: Seconday text cut"));
        QVERIFY(ui.edit(kStatusText)->accessibleDescription().endsWith("\n\n" + room->text()));

        const auto answer = [](const char* button) {
            return [button](QWidget& modal) {
                QCOMPARE(modal.objectName(), QStringLiteral("textTruncated"));
                modal.findChild<QPushButton*>(QLatin1String(button))->click();
            };
        };
        ui.fileDialogs.answers = {folder / "cut.wl3"};
        ModalScript script({answer("cancel"), answer("ok")});
        ui.press(kSave);
        QVERIFY(ui.fileDialogs.asked.empty());
        ui.press(kSave);
        QVERIFY(script.finished());
        QCOMPARE(namesIn(folder), QStringList{"cut.wl3"});
        QVERIFY(ui.takeReports().isEmpty());
    }

    void aSaveCopiesTheFormEvenWhenTheFileCannotBeOpened() {
        test::TempDir folder;
        DialogDriver ui;
        ui.typeInto(kCallsign, "KD4JKL");

        ui.fileDialogs.answers = {folder / "missing/config1.wl3"};
        ui.press(kSave);
        QCOMPARE(ui.takeReports(),
                 QStringList{"Save Failed: Failed to open file\n" +
                             QString::fromStdString((folder / "missing/config1.wl3").string()) +
                             ": is in a folder that does not exist"});
        QCOMPARE(callsignOf(ui.config(), kPrimary), QStringLiteral("KD4JKL"));
    }

    // The toolkit's dialogs, answered as a user would.
    void theSaveDialogOffersConfigFilesAndAsksBeforeReplacing() {
        test::TempDir folder;
        const auto existing = folder / "old.wl3";
        writeFile(existing, "old contents");
        RecordingReporter reporter;
        QtFileDialogs fileDialogs;
        ConfigDialog window({reporter, fileDialogs, [](int) { return std::string(); }});
        window.show();
        window.form().setEditText(kCallsign, "KE5MNO");
        SeenFileDialog shown;
        bool askedToReplace = false;
        bool stayedOpen = false;
        ModalScript script({
            [&](QWidget& modal) {
                QFileDialog& dialog = asFileDialog(modal);
                shown = seen(dialog, window);
                chooseIn(dialog, QString::fromStdString(existing.string()));
                stayedOpen = dialog.isVisible();
                dialog.reject();
            },
            [&](QWidget& modal) {
                auto* question = qobject_cast<QMessageBox*>(&modal);
                QVERIFY(question != nullptr);
                askedToReplace = true;
                question->button(QMessageBox::No)->click();
            },
        });

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
        QVERIFY(script.finished());
        QCOMPARE(shown.title, QStringLiteral("Save Config File"));
        QCOMPARE(shown.initialName, QStringLiteral("KE5MNO.wl3"));
        QCOMPARE(shown.filters, QStringList{"Wrenlink3 Config files (*.wl3)"});
        QCOMPARE(shown.suffix, QStringLiteral("wl3"));
        QCOMPARE(shown.mode, QFileDialog::AcceptSave);
        QVERIFY(shown.confirmsReplacing);
        QVERIFY(shown.modalToWindow);
        QVERIFY(askedToReplace);
        QVERIFY(stayedOpen);
        QCOMPARE(contentsOf(existing), QByteArray("old contents"));
        QVERIFY(window.hasUnsavedEdits());
        QVERIFY(reporter.entries.empty());
    }

    // A pattern is asked again, as is a name in a folder that does not exist; a name typed
    // without its extension gets ".wl3".
    void theLoadDialogWantsAnExistingFolderAndAFileName() {
        test::TempDir folder;
        TrackerConfig saved;
        setText(saved.callsign[kPrimary], "KF6PQR");
        RecordingReporter reporter;
        QCOMPARE(saveConfigFile(folder / "saved.wl3", saved, reporter), Status::Ok);
        QtFileDialogs fileDialogs;
        ConfigDialog window({reporter, fileDialogs, [](int) { return std::string(); }});
        window.show();
        SeenFileDialog first;
        QString secondName;
        QString warning;
        ModalScript script({
            [&](QWidget& modal) {
                QFileDialog& dialog = asFileDialog(modal);
                first = seen(dialog, window);
                dialog.setDirectory(QString::fromStdString(folder.path().string()));
                chooseIn(dialog, QStringLiteral("*.wl3"));
            },
            [&](QWidget& modal) {
                QFileDialog& dialog = asFileDialog(modal);
                secondName = QFileInfo(dialog.selectedFiles().value(0)).fileName();
                chooseIn(dialog, QString::fromStdString((folder / "missing/saved.wl3").string()));
            },
            [&](QWidget& modal) {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                QVERIFY(box != nullptr);
                warning = box->text();
                box->button(QMessageBox::Ok)->click();
            },
            [&](QWidget& modal) {
                chooseIn(asFileDialog(modal), QString::fromStdString((folder / "saved").string()));
            },
        });

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("load")), Qt::LeftButton);
        QVERIFY(script.finished());
        QCOMPARE(first.title, QStringLiteral("Load Config File"));
        QCOMPARE(first.initialName, QStringLiteral("*.wl3"));
        QCOMPARE(first.filters, QStringList{"Wrenlink3 Config files (*.wl3 *.json)"});
        QCOMPARE(first.suffix, QStringLiteral("wl3"));
        QCOMPARE(first.mode, QFileDialog::AcceptOpen);
        QVERIFY(first.modalToWindow);
        QCOMPARE(secondName, QStringLiteral("*.wl3"));
        QVERIFY(warning.contains(QStringLiteral("missing")));
        QCOMPARE(window.form().editText(kCallsign), std::string("KF6PQR"));
        QVERIFY(reporter.entries.empty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
