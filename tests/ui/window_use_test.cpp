// The window as people use it: no lost edits, progress while the tracker works, a device
// named on the command line, files from the desktop, names for screen readers.
#include "config/config_image.h"
#include "formats/config_file.h"
#include "modal_script.h"
#include "support/temp_dir.h"
#include "tracker_window.h"
#include "ui/file_dialogs.h"
#include "ui/remembered_choices.h"
#include "ui/start_options.h"

#include <QAccessible>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>
#include <functional>
#include <set>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::answerUnsaved;
using wl3::test::DialogDriver;
using wl3::test::ModalScript;
using wl3::test::RecordingReporter;
using wl3::test::TrackerWindow;

namespace {

// What the progress panels show, heard from their bars as each value is set: a poll could
// miss the image's bytes, which come whole and show only until the read ends. onImage runs
// once, with the panel, as the image's first bytes show in it in imagePhase.
class PanelWatch : public QObject {
public:
    explicit PanelWatch(
        std::function<void(QWidget&)> onImage = [](QWidget&) {},
        QString imagePhase = QStringLiteral("Reading the configuration"))
        : onImage_(std::move(onImage)), imagePhase_(std::move(imagePhase)) {
        QApplication::instance()->installEventFilter(this);
    }

    std::set<QString> phases;
    int mostBytes = 0;
    bool imageShown = false;

protected:
    // A panel is caught as it is shown, complete; one shown again after a box is heard once.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == QStringLiteral("progress")) {
            connect(object->findChild<QProgressBar*>(QStringLiteral("bytes")),
                    &QProgressBar::valueChanged, this, &PanelWatch::heard, Qt::UniqueConnection);
        }
        return false;
    }

private:
    void heard(int bytes) {
        QWidget& panel = *qobject_cast<QWidget*>(sender())->parentWidget();
        const QString phase = panel.findChild<QLabel*>(QStringLiteral("phase"))->text();
        phases.insert(phase);
        mostBytes = std::max(mostBytes, bytes);
        if (!imageShown && bytes > 0 && phase == imagePhase_) {
            imageShown = true;
            onImage_(panel);
        }
    }

    std::function<void(QWidget&)> onImage_;
    QString imagePhase_;
};

std::filesystem::path savedFile(const test::TempDir& folder, const char* callsign) {
    TrackerConfig config;
    setText(config.callsign[kPrimary], callsign);
    const std::filesystem::path path = folder / "saved.wl3";
    RecordingReporter quiet;
    if (saveConfigFile(path, config, quiet) != Status::Ok) {
        qFatal("cannot save %s", path.c_str());
    }
    return path;
}

// Presses Enter in the Callsign edit; true when the window closed without asking. A question
// that comes all the same is cancelled, so that the test goes on.
bool enterClosesAtOnce(DialogDriver& ui) {
    bool asked = false;
    QTimer::singleShot(200, ui.dialog.get(), [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = true;
            box->button(QMessageBox::Cancel)->click();
        }
    });
    ui.edit(kCallsign)->setFocus();
    QTest::keyClick(ui.edit(kCallsign), Qt::Key_Return);
    return !asked && !ui.dialog->isVisible();
}

// From a place that offers a move as well, with Shift held, which proposes the move: the
// window must take a copy, or the place would delete the file.
void drop(QWidget& target, const std::filesystem::path& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(enter.proposedAction(), Qt::MoveAction);
    QApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent dropped(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&target, &dropped);
    QVERIFY(dropped.isAccepted());
    QCOMPARE(dropped.dropAction(), Qt::CopyAction);
}

} // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

private slots:
    // Settings go to the test's own place, never the user's.
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("wl3-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("window-use-test"));
    }

    void enterWithUnsavedEditsAsksAndCancelKeepsThem() {
        DialogDriver ui;
        QVERIFY(!ui.dialog->isWindowModified());
        ui.clickTab(kSecondary);
        ui.typeInto(kCallsign, "KG7STU");
        QVERIFY(ui.dialog->isWindowModified());
        ui.clickTab(kPrimary);
        QVERIFY(ui.dialog->isWindowModified());

        bool asked = false;
        ModalScript cancel({answerUnsaved("cancel", &asked)});
        QTest::keyClick(ui.edit(kDigiPath), Qt::Key_Return);
        QVERIFY(asked);
        QVERIFY(ui.dialog->isVisible());
        ui.clickTab(kSecondary);
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KG7STU"));

        // Typing the old text back leaves nothing to lose.
        ui.typeInto(kCallsign, "NOCALL");
        QVERIFY(!ui.dialog->isWindowModified());
        QVERIFY(enterClosesAtOnce(ui));
    }

    // Both replace every field of both profiles, so they ask first, as closing does.
    void loadAndReadWithEditsAskAndCancelKeepsThem() {
        test::TempDir folder;
        const auto file = savedFile(folder, "KN3HIJ");
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        DialogDriver& ui = window.ui;
        ui.typeInto(kCallsign, "EDITED");
        ui.fileDialogs.answers = {file};
        for (const int command : {kLoad, kReadConfiguration}) {
            bool asked = false;
            ModalScript cancel({answerUnsaved("cancel", &asked)});
            ui.press(command);
            QVERIFY2(asked, qPrintable(QString::number(command)));
            QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
        }
        QVERIFY(ui.fileDialogs.asked.empty());
        QCOMPARE(window.tracker.log().find("version query"), std::string::npos);
        QCOMPARE(ui.takeReports(), QStringList{});

        ModalScript discard({answerUnsaved("discard")});
        ui.press(kLoad);
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KN3HIJ"));
    }

    void saveFromTheQuestionClosesOnlyWhenTheSaveWorked() {
        test::TempDir folder;
        DialogDriver ui;
        ui.typeInto(kCallsign, "KH8VWX");
        ui.fileDialogs.answers = {std::nullopt, folder / "kept.wl3"};
        ModalScript saveCancelled({answerUnsaved("save")});
        QTest::keyClick(ui.edit(kCallsign), Qt::Key_Escape);
        QVERIFY(ui.dialog->isVisible());

        ModalScript saved({answerUnsaved("save")});
        QTest::keyClick(ui.edit(kCallsign), Qt::Key_Escape);
        QVERIFY(!ui.dialog->isVisible());
        TrackerConfig kept;
        RecordingReporter quiet;
        QCOMPARE(loadConfigFile(folder / "kept.wl3", kept, quiet), Status::Ok);
        QCOMPARE(QString::fromLatin1(textOf(kept.callsign[kPrimary])), QStringLiteral("KH8VWX"));
    }

    void enterRightAfterLoadSaveReadOrWriteClosesAtOnce() {
        test::TempDir folder;
        const auto file = savedFile(folder, "KJ9YZA");
        {
            DialogDriver ui;
            ui.fileDialogs.answers = {file};
            ui.typeInto(kCallsign, "EDITED");
            ModalScript discard({answerUnsaved("discard")});
            ui.press(kLoad);
            QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KJ9YZA"));
            QVERIFY(enterClosesAtOnce(ui));
        }
        {
            DialogDriver ui;
            ui.fileDialogs.answers = {folder / "other.wl3"};
            ui.typeInto(kStatusText, "EDITED");
            ui.press(kSave);
            QVERIFY(enterClosesAtOnce(ui));
        }
        for (const int command : {kReadConfiguration, kWriteConfiguration}) {
            TrackerWindow window({"--image-file", file.string()});
            QVERIFY(window.tracker.ok());
            window.ui.typeInto(kSymbol, "E");
            window.ui.replaceText(kCalibration, "200");
            // A read asks before it replaces the edits; a write keeps them in the tracker.
            std::vector<ModalScript::Step> answers;
            if (command == kReadConfiguration) {
                answers.push_back(answerUnsaved("discard"));
            }
            const ModalScript discard(answers);
            window.ui.press(command);
            // Only a command that succeeded leaves nothing to ask about.
            QCOMPARE(window.ui.takeReports(),
                     QStringList{command == kReadConfiguration
                                     ? QStringLiteral("Wrenlink3 Read: Read Successful")
                                     : QStringLiteral("Wrenlink3 Write: Write Successful")});
            QVERIFY2(enterClosesAtOnce(window.ui), qPrintable(QString::number(command)));
        }
    }

    // The window keeps painting: the progress display goes through the phases while the
    // tracker answers, and the boxes come as before.
    void aReadShowsItsPhasesAndBytesWhileItRuns() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        PanelWatch shown;
        int paints = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget* progress = window.ui.dialog->findChild<QWidget*>(QStringLiteral("progress"));
            if (progress != nullptr && progress->isVisible()) {
                progress->repaint();
                ++paints;
            }
        });
        watch.start(20);

        window.ui.press(kReadConfiguration);
        watch.stop();
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Read: Read Successful"});
        QCOMPARE(shown.phases,
                 (std::set<QString>{QStringLiteral("Asking the tracker for its version"),
                                    QStringLiteral("Reading the configuration"),
                                    QStringLiteral("Reading it again, to verify")}));
        QCOMPARE(shown.mostBytes, kImageSize);
        QVERIFY(paints > 10);
        QVERIFY(window.ui.dialog->findChild<QWidget*>(QStringLiteral("progress")) == nullptr);
    }

    // Cancel stops a read where it is: no box, the edits stay, and the port is free again.
    void aCancelledReadKeepsTheFormAndFreesThePort() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.typeInto(kCallsign, "EDITED");
        const PanelWatch cancel([](QWidget& panel) {
            QTest::mouseClick(panel.findChild<QPushButton*>(), Qt::LeftButton);
        });
        ModalScript discard({answerUnsaved("discard")});
        window.ui.press(kReadConfiguration);
        QVERIFY(cancel.imageShown);
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
        QVERIFY(window.ui.dialog->isWindowModified());

        ModalScript discardAgain({answerUnsaved("discard")});
        window.ui.press(kReadConfiguration);
        QVERIFY(discardAgain.finished());
        QCOMPARE(window.ui.takeReports(), QStringList{"Wrenlink3 Read: Read Successful"});
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("NOCALL"));
    }

    // The close box reaches the window during a read (no modal panel stands in its way): the
    // read stops, the unsaved edits are asked about, and the window closes unrefilled.
    void theCloseBoxDuringAReadStopsItAndCloses() {
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        window.ui.dialog->show();
        window.ui.typeInto(kCallsign, "EDITED");
        bool modalWhenClosed = true;
        const PanelWatch close([&](QWidget&) {
            modalWhenClosed = QGuiApplication::modalWindow() != nullptr;
            window.ui.dialog->close();
        });
        ModalScript discard({answerUnsaved("discard"), answerUnsaved("discard")});
        window.ui.press(kReadConfiguration);
        QVERIFY(close.imageShown);
        QVERIFY(!modalWhenClosed);
        QTRY_VERIFY(discard.finished());
        QTRY_VERIFY(!window.ui.dialog->isVisible());
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QCOMPARE(window.ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
    }

    // Alt+F4 on the progress panel is the window's close box, whichever has the focus: a read
    // stops, a write sends its whole image first, and the window closes.
    void closingTheProgressPanelClosesTheWindow_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<bool>("imageWritten");
        QTest::newRow("read") << kReadConfiguration << QStringLiteral("Reading the configuration")
                              << false;
        QTest::newRow("write") << kWriteConfiguration << QStringLiteral("Writing the configuration")
                               << true;
    }

    void closingTheProgressPanelClosesTheWindow() {
        QFETCH(int, command);
        QFETCH(QString, phase);
        QFETCH(bool, imageWritten);
        TrackerWindow window;
        QVERIFY(window.tracker.ok());
        const PanelWatch close([](QWidget& panel) { panel.windowHandle()->close(); }, phase);
        window.ui.press(command);
        QVERIFY(close.imageShown);
        QTRY_VERIFY(!window.ui.dialog->isVisible());
        QCOMPARE(window.ui.takeReports(), QStringList{});
        QTRY_COMPARE(window.tracker.log().find("image written") != std::string::npos, imageWritten);
    }

    // The question says what would become of the edits: gone with the window, or replaced.
    void theQuestionSaysWhenTheWindowWouldClose() {
        DialogDriver ui;
        ui.typeInto(kCallsign, "EDITED");
        QStringList asked;
        const auto noteAndCancel = [&asked](QWidget& modal) {
            asked << static_cast<QMessageBox&>(modal).text();
            modal.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        };
        const ModalScript cancel({noteAndCancel, noteAndCancel});
        QTest::keyClick(ui.edit(kCallsign), Qt::Key_Return);
        ui.press(kLoad);
        QCOMPARE(asked, (QStringList{QStringLiteral("The window is about to close, and the "
                                                    "configuration has changes that are not "
                                                    "saved."),
                                     QStringLiteral("The configuration has changes that are not "
                                                    "saved.")}));
        QVERIFY(ui.dialog->isVisible());
    }

    // No COM entry opens anything here: only the path given reaches the tracker.
    void portAndFileFromTheCommandLine() {
        test::TempDir folder;
        const auto file = savedFile(folder, "KL1BCD");
        test::SimulatedTracker tracker;
        QVERIFY(tracker.ok());
        DialogDriver ui;
        const StartOptions options = parseStartOptions(
            {"wrenlink3config", "--port", QString::fromStdString(tracker.devicePath()),
             QString::fromStdString(file.string())});
        applyStartOptions(*ui.dialog, options);
        QTRY_COMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KL1BCD"));
        QComboBox* ports = ui.list(kComPort);
        QCOMPARE(ports->count(), 5);
        QCOMPARE(ports->currentIndex(), 4);
        QVERIFY(ports->itemData(4, Qt::ToolTipRole)
                    .toString()
                    .startsWith(QString::fromStdString(tracker.devicePath())));

        ui.press(kWriteConfiguration);
        QCOMPARE(ui.takeReports(), QStringList{"Wrenlink3 Write: Write Successful"});
        ui.typeInto(kCallsign, "EDITED");
        ModalScript discard({answerUnsaved("discard")});
        ui.press(kReadConfiguration);
        QCOMPARE(ui.takeReports(), QStringList{"Wrenlink3 Read: Read Successful"});
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KL1BCD"));

        const auto com3 = parseStartOptions({"wrenlink3config", "--port", "com3"});
        applyStartOptions(*ui.dialog, com3);
        QCOMPARE(ports->currentText(), QStringLiteral("COM3"));
    }

    void aDroppedFileLoadsOnceTheEditsMayGo() {
        test::TempDir folder;
        const auto file = savedFile(folder, "KM2EFG");
        DialogDriver ui;
        ui.typeInto(kCallsign, "EDITED");
        {
            ModalScript cancel({answerUnsaved("cancel")});
            drop(*ui.dialog, file);
            QTRY_VERIFY(cancel.finished());
            QTest::qWait(50);
            QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("EDITED"));
        }
        ModalScript discard({answerUnsaved("discard")});
        drop(*ui.dialog, file);
        QTRY_COMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KM2EFG"));
        QVERIFY(!ui.dialog->isWindowModified());
    }

    void everyFocusableControlHasAnAccessibleName() {
        DialogDriver ui;
        int named = 0;
        for (QWidget* widget : ui.dialog->findChildren<QWidget*>()) {
            if ((widget->focusPolicy() & Qt::TabFocus) == 0 || widget->focusProxy() != nullptr ||
                !widget->isVisibleTo(ui.dialog.get())) {
                continue;
            }
            const QString name =
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
            ++named;
        }
        QCOMPARE(named, 50); // the form's and the window's controls, the symbol button and Compare
        QAccessibleInterface* delay = QAccessible::queryAccessibleInterface(ui.edit(kAutoTxDelay));
        QCOMPARE(delay->text(QAccessible::Name), QStringLiteral("Auto TX Delay"));
        // Its unit is told with its help.
        QVERIFY(delay->text(QAccessible::Description).contains(QStringLiteral("milliseconds")));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui.box(kSmartBeaconingEnable))
                     ->text(QAccessible::Name),
                 QStringLiteral("SmartBeaconing Enable"));
        // A list answers to what it is, not to the item it shows; the tab bar's name is its
        // current tab here, and its label names it.
        QCOMPARE(QAccessible::queryAccessibleInterface(ui.list(kComPort))->text(QAccessible::Name),
                 QStringLiteral("COM Port"));
        const auto labels =
            QAccessible::queryAccessibleInterface(ui.tabs())->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.constFirst().first->text(QAccessible::Name), QStringLiteral("Profile"));
    }

    void theComEntryAndTheFolderAreRemembered() {
        QSettings().clear();
        RememberedChoices choices;
        RecordingReporter reporter;
        test::ScriptedFileDialogs scripted;
        const ConfigDialogServices services{reporter, scripted, [](int) { return std::string(); },
                                            &choices};
        {
            ConfigDialog window(services);
            QCOMPARE(window.findChild<QComboBox*>("comPort")->currentText(),
                     QStringLiteral("COM1"));
            QTest::keyClick(window.findChild<QComboBox*>("comPort"), Qt::Key_Down);
        }
        ConfigDialog window(services);
        QCOMPARE(window.findChild<QComboBox*>("comPort")->currentText(), QStringLiteral("COM2"));
    }

    // The folder is remembered only where a file was loaded or saved (a file given at start
    // or dropped included); Save then proposes that file, which the title names.
    void theFolderIsThatOfTheFileLastLoadedOrSaved() {
        QSettings().clear();
        test::TempDir folder;
        const auto file = savedFile(folder, "KP4KLM");
        const QString folderPath =
            QDir(QString::fromStdString(folder.path().string())).absolutePath();
        RememberedChoices choices;
        RecordingReporter reporter;
        QtFileDialogs fileDialogs(&choices);
        const ConfigDialogServices services{reporter, fileDialogs,
                                            [](int) { return std::string(); }, &choices};
        const auto press = [](ConfigDialog& window, const char* button) {
            QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
        };
        QString proposed;
        QString loadOpenedIn;
        ModalScript script({
            [&](QWidget& modal) {
                auto& dialog = static_cast<QFileDialog&>(modal);
                dialog.selectFile(QString::fromStdString((folder / "missing/x.wl3").string()));
                static_cast<QDialog&>(dialog).accept();
            },
            [&](QWidget& modal) {
                auto& dialog = static_cast<QFileDialog&>(modal);
                proposed = dialog.selectedFiles().value(0);
                dialog.reject();
            },
            [&](QWidget& modal) {
                loadOpenedIn = static_cast<QFileDialog&>(modal).directory().absolutePath();
                static_cast<QFileDialog&>(modal).reject();
            },
        });
        {
            ConfigDialog window(services);
            window.show();
            press(window, "save");
            QCOMPARE(reporter.entries.size(), std::size_t{1});
            QCOMPARE(choices.folder(), QString());
            QCOMPARE(window.windowTitle(), QStringLiteral("Wrenlink3Config[*]"));

            QCOMPARE(window.loadFile(file), Status::Ok);
            QCOMPARE(window.windowTitle(), QStringLiteral("saved.wl3[*] \u2014 Wrenlink3Config"));
            press(window, "save");
        }
        QCOMPARE(proposed, folderPath + QStringLiteral("/saved.wl3"));
        ConfigDialog window(services);
        window.show();
        press(window, "load");
        QVERIFY(script.finished());
        QCOMPARE(loadOpenedIn, folderPath);
    }
};

QTEST_MAIN(WindowUseTest)
#include "window_use_test.moc"
