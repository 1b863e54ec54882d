#include "config/advice.h"
#include "dialog_driver.h"
#include "modal_script.h"
#include "ui/about_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/dialog_units.h"
#include "ui/group_frame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QStyleOptionButton>
#include <QSysInfo>
#include <QTimer>
#include <QToolButton>
#include <QWhatsThis>
#include <QWindow>
#include <algorithm>
#include <vector>

using namespace wl3;
using namespace wl3::ids;
using namespace wl3::ui;
using wl3::test::DialogDriver;
using wl3::test::ModalScript;

namespace {

const ControlRow& rowOf(int id) {
    const auto rows = configDialogRows();
    return *std::ranges::find(rows, id, &ControlRow::id);
}

// The texts of labels too narrow for them.
QStringList clippedLabels(const QWidget& window) {
    QStringList clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->width()) {
            clipped << label->text();
        }
    }
    return clipped;
}

// The line that a control shows beneath its help.
QString liveLine(const QWidget& control) {
    return control.accessibleDescription().split(QStringLiteral("\n\n")).last();
}

// What a user can press, tick, type into or choose from, as shown.
QList<QWidget*> shownControls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool inList = qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr;
        const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QComboBox*>(widget) != nullptr ||
                             qobject_cast<QTabBar*>(widget) != nullptr ||
                             (qobject_cast<QLineEdit*>(widget) != nullptr && !inList);
        if (control && widget->isVisibleTo(&window)) {
            controls << widget;
        }
    }
    return controls;
}

// Closes whatever modal window opens next, after handing it to inspect.
template <typename Inspect> void whenModalOpens(Inspect inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        inspect(*modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
}

} // namespace

class ConfigDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnPrimaryWithDefaultsAndFocusInCallsign() {
        DialogDriver ui;
        QVERIFY(QTest::qWaitForWindowActive(ui.dialog.get()));
        QCOMPARE(ui.dialog->windowHandle()->title(), QStringLiteral("Wrenlink3Config"));
        QCOMPARE(ui.tabs()->count(), 2);
        QCOMPARE(ui.tabs()->tabText(0), QStringLiteral("Primary"));
        QCOMPARE(ui.tabs()->tabText(1), QStringLiteral("Seconday"));
        QCOMPARE(ui.tabs()->currentIndex(), 0);
        QCOMPARE(ui.list(kComPort)->currentText(), QStringLiteral("COM1"));
        QCOMPARE(QApplication::focusWidget(), ui.edit(kCallsign));

        const std::vector<std::pair<int, QString>> texts{
            {kCallsign, "NOCALL"},   {kDigiPath, "WIDE2-2"},     {kSymbol, ">"},
            {kSymbolTable, "/"},     {kAutoTxDelay, "300"},      {kAutoRate, "120"},
            {kManualTxDelay, "125"}, {kManualRate, "30"},        {kQuietTime, "500"},
            {kCalibration, "128"},   {kStatusText, "Wrenlink3"}, {kStatusEvery, "3"},
            {kSlotOffset, "15"},     {kMinTurnAngle, "27"},      {kTurnSlope, "255"},
            {kMinTurnTime, "5"},     {kSlowSpeed, "5"},          {kSlowRate, "1800"},
            {kFastSpeed, "65"},      {kFastRate, "90"},          {kPowerSwitchTime, "3"},
        };
        for (const auto& [id, text] : texts) {
            QCOMPARE(ui.edit(id)->text(), text);
        }
        for (const ControlRow& row : configDialogRows()) {
            if (row.kind == ControlKind::CheckBox) {
                const bool on = row.id == kSendAltitude || row.id == kMicEEnable;
                QCOMPARE(ui.box(row.id)->isChecked(), on);
            }
        }
        QCOMPARE(ui.list(kMicEMessage)->currentText(), QStringLiteral("Off Duty"));
        QCOMPARE(ui.list(kMicEPath)->currentText(), QStringLiteral("Conventional"));
    }

    void startUpEnablesFollowTheDefaults() {
        DialogDriver ui;
        for (const int id : {kMicEMessage, kMicEPath, kForcePrintable, kAutoRate}) {
            QVERIFY2(ui.control(id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (const int id : {kSlowSpeed, kSlowRate, kFastSpeed, kFastRate, kMinTurnAngle,
                             kTurnSlope, kMinTurnTime, kSlotOffset, kPowerSwitchTime}) {
            QVERIFY2(!ui.control(id)->isEnabled(), qPrintable(QString::number(id)));
        }
    }

    void listsHoldTheirFixedItemsAndAreEditable() {
        DialogDriver ui;
        const auto check = [&](int id, const auto& items) {
            QComboBox* list = ui.list(id);
            QVERIFY(list->isEditable());
            QCOMPARE(list->count(), static_cast<int>(items.size()));
            for (int i = 0; i < list->count(); ++i) {
                QCOMPARE(list->itemText(i), QString::fromLatin1(items[i].data(), items[i].size()));
            }
        };
        check(kMicEMessage, kMicEMessageItems);
        check(kMicEPath, kMicEPathItems);
        check(kComPort, kComPortNames);
        QCOMPARE(ui.list(kMicEPath)->itemText(12), QStringLiteral("North + WIDE"));
    }

    void groupBoxesFrameTheirRectangles() {
        DialogDriver ui;
        const BaseUnits units = baseUnitsOf(ui.dialog->font());
        QStringList titles;
        for (const GroupFrame* group : ui.dialog->findChildren<GroupFrame*>()) {
            titles << group->title();
            const auto rows = configDialogGroupBoxes();
            const auto row =
                std::ranges::find(rows, group->title().toStdString(),
                                  [](const GroupBoxRow& r) { return std::string(r.title); });
            QVERIFY(row != rows.end());
            QCOMPARE(group->geometry(), duToPixels(row->rect, units));
            QVERIFY(group->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(titles.size(), 8);
        QVERIFY(titles.contains(QStringLiteral("SmartBeaconing")));
        // The form is drawn over the frames, not hidden beneath them.
        const QWidgetList children = ui.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto position = [&](const QWidget* widget) { return children.indexOf(widget); };
        const auto* frame = ui.dialog->findChild<GroupFrame*>();
        QVERIFY(position(frame) < position(ui.edit(kAutoTxDelay)));
        QVERIFY(position(ui.tabs()) < position(frame));
    }

    void controlsSitAtTheirDialogUnitRectangles() {
        DialogDriver ui;
        const BaseUnits units = baseUnitsOf(ui.dialog->font());
        QCOMPARE(units.y, QFontMetrics(ui.dialog->font()).height());
        QCOMPARE(ui.dialog->size(), QSize(mulDiv(402, units.x, 4), mulDiv(309, units.y, 8)));

        for (const int id : {kCallsign, kManualRate, kPowerSwitchEnable, kFastRate, kExit}) {
            const DuRect du = rowOf(id).rect;
            const QRect expected(mulDiv(du.x, units.x, 4), mulDiv(du.y, units.y, 8),
                                 mulDiv(du.width, units.x, 4), mulDiv(du.height, units.y, 8));
            QCOMPARE(ui.control(id)->geometry(), expected);
        }
        // A drop-down list's row height is its opened list; the closed field is edit-high.
        const QRect list = ui.control(kMicEPath)->geometry();
        QCOMPARE(list.topLeft(), QPoint(mulDiv(300, units.x, 4), mulDiv(78, units.y, 8)));
        QCOMPARE(list.width(), mulDiv(60, units.x, 4));
        QCOMPARE(list.height(), ui.edit(kCallsign)->height());
    }

    void noTextIsClippedInTheFontInUse() {
        if (QSysInfo::kernelType() == QStringLiteral("winnt") &&
            QGuiApplication::platformName() == QStringLiteral("offscreen")) {
            QSKIP("Windows' offscreen platform measures text with FreeType's full hinting, "
                  "which no one sees on a Windows display");
        }
        DialogDriver ui;
        QCOMPARE(clippedLabels(*ui.dialog), QStringList());
        for (QCheckBox* box : ui.dialog->findChildren<QCheckBox*>()) {
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            const QRect text =
                box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= text.width(),
                     qPrintable(box->text()));
        }
        for (const QPushButton* button : ui.dialog->findChildren<QPushButton*>()) {
            const QString shown = QString(button->text()).remove(u'&');
            const int text = button->fontMetrics().horizontalAdvance(shown);
            QVERIFY2(text + 4 <= button->width(), qPrintable(button->text()));
        }
    }

    void tabOrderFollowsTheTable() {
        DialogDriver ui;
        std::vector<int> order;
        QWidget* widget = ui.control(kCallsign);
        do {
            const QVariant id = widget->property("controlId");
            if (id.isValid()) {
                order.push_back(id.toInt());
            }
            widget = widget->nextInFocusChain();
        } while (widget != ui.control(kCallsign));
        std::vector<int> expected;
        for (const ControlRow& row : configDialogRows()) {
            expected.push_back(row.id);
        }
        QCOMPARE(order, expected);
        for (const ControlRow& row : configDialogRows()) {
            QVERIFY(ui.control(row.id)->focusPolicy() & Qt::TabFocus);
        }
    }

    void switchingTabsMovesHidesOrShowsNothing() {
        DialogDriver ui;
        const auto snapshot = [&] {
            std::vector<std::pair<QRect, bool>> state;
            for (QWidget* child : ui.dialog->findChildren<QWidget*>()) {
                state.emplace_back(child->geometry(), child->isVisible());
            }
            return state;
        };
        ui.list(kComPort)->setCurrentIndex(2);
        const auto before = snapshot();
        ui.clickTab(1);
        QCOMPARE(ui.tabs()->currentIndex(), 1);
        QCOMPARE(snapshot(), before);
        QCOMPARE(ui.list(kComPort)->currentIndex(), 2);
    }

    void upperCaseEditsCapitaliseTypedLetters() {
        DialogDriver ui;
        ui.typeInto(kCallsign, "n0call-9");
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("N0CALL-9"));
        ui.typeInto(kDigiPath, "wide1-1,wide2-1");
        QCOMPARE(ui.edit(kDigiPath)->text(), QStringLiteral("WIDE1-1,WIDE2-1"));
        ui.typeInto(kSymbol, "k");
        QCOMPARE(ui.edit(kSymbol)->text(), QStringLiteral("k"));
        ui.typeInto(kStatusText, "Mobile, qrv");
        QCOMPARE(ui.edit(kStatusText)->text(), QStringLiteral("Mobile, qrv"));
    }

    void digitsOnlyEditsRefuseOtherKeysAndPastes() {
        DialogDriver ui;
        for (const ControlRow& row : configDialogRows()) {
            if (row.input != InputRule::DigitsOnly) {
                continue;
            }
            ui.edit(row.id)->setEnabled(true);
            ui.typeInto(row.id, "1a- 2.B+3");
            QCOMPARE(ui.edit(row.id)->text(), QStringLiteral("123"));
            QTest::keyClick(ui.edit(row.id), Qt::Key_Backspace);
            QCOMPARE(ui.edit(row.id)->text(), QStringLiteral("12"));
        }
        // AltGr, which some systems report as Ctrl+Alt, types characters: refused too.
        QTest::keyClick(ui.edit(kCalibration), '@', Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(ui.edit(kCalibration), 'q', Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(ui.edit(kCalibration)->text(), QStringLiteral("12"));
        // Pasted text keeps its digits.
        ui.replaceText(kQuietTime, "  -40ms");
        QCOMPARE(ui.edit(kQuietTime)->text(), QStringLiteral("40"));
    }

    // Nothing is dropped unseen: a balloon beneath the edit says so, until the next key, and
    // says nothing when nothing was dropped. A number the program shows stays as it is.
    void aDroppedCharacterIsSaidInABalloon() {
        DialogDriver ui;
        QLineEdit* edit = ui.edit(kCalibration);
        const auto saying = [edit] {
            const auto* balloon = edit->findChild<QLabel*>(QStringLiteral("inputBalloon"));
            return balloon != nullptr && balloon->isVisible() ? balloon->text() : QString();
        };
        const QString dropped = QStringLiteral("Only digits 0\u20139 can be typed here");
        ui.replaceText(kCalibration, "150");
        QCOMPARE(saying(), QString());
        ui.replaceText(kCalibration, "150 ");
        QCOMPARE(edit->text(), QStringLiteral("150"));
        QCOMPARE(saying(), dropped);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(saying(), QString());
        QTest::keyClick(edit, Qt::Key_A);
        QCOMPARE(edit->text(), QStringLiteral("15"));
        QCOMPARE(saying(), dropped);
        ui.replaceText(kCalibration, "12a");
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QCOMPARE(edit->cursorPosition(), 2);

        ui.config().calibration = -5;
        ui.dialog->recordToForm();
        QCOMPARE(edit->text(), QStringLiteral("-5"));
    }

    void enterInAnEditAndExitAcceptEscapeAndCloseReject_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter in Callsign") << 0 << int(QDialog::Accepted);
        QTest::newRow("keypad Enter in a number") << 1 << int(QDialog::Accepted);
        QTest::newRow("Enter on a check box") << 2 << int(QDialog::Accepted);
        QTest::newRow("Enter in a closed list") << 6 << int(QDialog::Accepted);
        QTest::newRow("Shift+Enter in Callsign") << 7 << int(QDialog::Accepted);
        QTest::newRow("Exit") << 3 << int(QDialog::Accepted);
        QTest::newRow("Escape") << 4 << int(QDialog::Rejected);
        QTest::newRow("close box") << 5 << int(QDialog::Rejected);
    }

    void enterInAnEditAndExitAcceptEscapeAndCloseReject() {
        QFETCH(int, way);
        QFETCH(int, result);
        DialogDriver ui;
        switch (way) {
        case 0:
            QTest::keyClick(ui.edit(kCallsign), Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(ui.edit(kTurnSlope), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case 2:
            QTest::keyClick(ui.box(kInvertCdIn), Qt::Key_Return);
            break;
        case 3:
            QTest::mouseClick(ui.button(kExit), Qt::LeftButton);
            break;
        case 4:
            QTest::keyClick(ui.edit(kDigiPath), Qt::Key_Escape);
            break;
        case 5:
            ui.dialog->close();
            break;
        case 6:
            QTest::keyClick(ui.list(kMicEPath), Qt::Key_Return);
            break;
        case 7:
            QTest::keyClick(ui.edit(kCallsign), Qt::Key_Return, Qt::ShiftModifier);
            break;
        }
        QVERIFY(!ui.dialog->isVisible());
        QCOMPARE(ui.dialog->result(), result);
        QVERIFY(ui.reporter.entries.empty());
    }

    void noButtonIsADefaultButton() {
        DialogDriver ui;
        for (const QPushButton* button : ui.dialog->findChildren<QPushButton*>()) {
            QVERIFY(!button->autoDefault());
            QVERIFY(!button->isDefault());
        }
    }

    // Every button has an Alt letter of its own; Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and
    // Ctrl+PageUp move between the profiles from wherever the focus is.
    void theKeyboardReachesButtonsAndProfiles() {
        DialogDriver ui;
        const QList<QPushButton*> buttons = ui.dialog->findChildren<QPushButton*>();
        QStringList letters;
        for (const QPushButton* button : buttons) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            QVERIFY2(!mnemonic.isEmpty(), qPrintable(button->text()));
            letters << mnemonic.toString();
        }
        letters.removeDuplicates();
        QCOMPARE(letters.size(), buttons.size());

        QVERIFY(QTest::qWaitForWindowActive(ui.dialog.get()));
        ui.typeInto(kCallsign, "KQ5NOP");
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(ui.dialog->focusWidget(), key, modifiers);
            return ui.tabs()->currentIndex();
        };
        QCOMPARE(press(Qt::Key_Tab, Qt::ControlModifier), int(kSecondary));
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("NOCALL"));
        QCOMPARE(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), int(kPrimary));
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("KQ5NOP"));
        ui.list(kMicEPath)->setFocus();
        QCOMPARE(press(Qt::Key_PageDown, Qt::ControlModifier), int(kSecondary));
        QCOMPARE(press(Qt::Key_PageUp, Qt::ControlModifier), int(kPrimary));
    }

    void comPortTipsNameTheDeviceEachPortOpens() {
        std::string com1 = "/dev/pts/7";
        DialogDriver ui([&com1](int port) { return port == 1 ? com1 : std::string(); });
        QComboBox* ports = ui.list(kComPort);
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("/dev/pts/7"));
        QCOMPARE(ports->itemData(3, Qt::ToolTipRole).toString(), QStringLiteral("no device"));

        // No real device, which would add its maker and product to the tip.
        com1 = "/dev/pts/8";
        ports->showPopup();
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("/dev/pts/8"));
        ports->hidePopup();
    }

    // The picture and name follow the edits as the user types; the picker, searched by
    // name, fills both edits, an overlay in the table's place.
    void symbolButtonNamesThePairAndItsPickerFillsBothEdits() {
        DialogDriver ui;
        auto* pick = ui.dialog->findChild<QToolButton*>(QStringLiteral("symbolPick"));
        QVERIFY(pick != nullptr);
        auto* shownName = ui.dialog->findChild<QLabel*>(QStringLiteral("symbolName"));
        QCOMPARE(liveLine(*pick), QStringLiteral("Car"));
        QCOMPARE(shownName->text(), QStringLiteral("Car"));
        QVERIFY(!pick->icon().pixmap(16, 16).isNull());
        ui.edit(kSymbol)->selectAll();
        QTest::keyClicks(ui.edit(kSymbol), QStringLiteral("-"));
        QCOMPARE(liveLine(*pick), QStringLiteral("House"));
        QCOMPARE(shownName->text(), QStringLiteral("House"));
        QVERIFY(ui.edit(kSymbolTable)->toolTip().contains(QStringLiteral("House")));

        const auto choose = [](const QString& name, int overlay) {
            return [name, overlay](QWidget& modal) {
                QCOMPARE(modal.objectName(), QStringLiteral("symbolPicker"));
                QTest::keyClicks(modal.findChild<QLineEdit*>(QStringLiteral("symbolSearch")), name);
                auto* grid = modal.findChild<QListWidget*>(QStringLiteral("symbolGrid"));
                const auto found = grid->findItems(name, Qt::MatchExactly);
                QCOMPARE(found.size(), 1);
                QVERIFY(!found.front()->isHidden());
                grid->setCurrentItem(found.front());
                modal.findChild<QComboBox*>(QStringLiteral("symbolOverlay"))
                    ->setCurrentIndex(overlay);
                static_cast<QDialog&>(modal).accept();
            };
        };
        ModalScript script({choose(QStringLiteral("Sailboat"), 0),
                            choose(QStringLiteral("Vehicle"), 11)}); // None, 0 to 9, then A
        pick->click();
        QCOMPARE(ui.edit(kSymbol)->text(), QStringLiteral("Y"));
        QCOMPARE(ui.edit(kSymbolTable)->text(), QStringLiteral("/"));
        pick->click();
        QVERIFY(script.finished());
        QCOMPARE(ui.edit(kSymbolTable)->text(), QStringLiteral("A"));
        QCOMPARE(ui.edit(kSymbol)->text(), QStringLiteral(">"));
        QCOMPARE(liveLine(*pick), QStringLiteral("Vehicle with overlay A"));
        QCOMPARE(ui.edit(kCallsign)->text(), QStringLiteral("NOCALL")); // and nothing else
    }

    // Marks follow the typing and the profile shown; Emergency! is kept only when confirmed.
    void adviceIsMarkedBesideItsFieldAndEmergencyIsConfirmed() {
        DialogDriver ui;
        const auto mark = [&ui](const char* name) {
            return ui.dialog->findChild<QLabel*>(QLatin1String(name));
        };
        QVERIFY(mark("callsignAdvice")->isVisible());
        QVERIFY(mark("callsignAdvice")->accessibleDescription().contains(QStringLiteral("NOCALL")));
        ui.typeInto(kCallsign, "KD2ABC-7");
        QVERIFY(!mark("callsignAdvice")->isVisible());
        ui.typeInto(kDigiPath, "RELAY,WIDE5-5");
        const QString why = mark("digiPathAdvice")->toolTip();
        QVERIFY(why.contains(QStringLiteral("RELAY")) && why.contains(QStringLiteral("WIDE5-5")));
        ui.clickTab(1); // the Secondary's callsign is still NOCALL, its path as it was
        QVERIFY(mark("callsignAdvice")->isVisible());
        QVERIFY(!mark("digiPathAdvice")->isVisible());

        const auto answer = [](const char* button) {
            return [button](QWidget& modal) {
                QCOMPARE(modal.objectName(), QStringLiteral("emergencyMessage"));
                modal.findChild<QPushButton*>(QLatin1String(button))->click();
            };
        };
        auto* message = ui.list(kMicEMessage);
        message->setCurrentIndex(2);
        ModalScript script({answer("cancel"), answer("choose")});
        message->setCurrentIndex(kEmergencyMessage);
        QCOMPARE(message->currentIndex(), 2);
        message->setCurrentIndex(kEmergencyMessage);
        QVERIFY(script.finished());
        QCOMPARE(message->currentIndex(), kEmergencyMessage);
        QVERIFY(mark("micEMessageAdvice")->isVisible());
    }

    // Every control says what it does to the mouse, to a screen reader and to Shift+F1, and one
    // greyed by an Enable box says why for as long as it is greyed.
    void everyControlExplainsItselfAndWhyItIsGreyed() {
        DialogDriver ui;
        const QList<QWidget*> controls = shownControls(*ui.dialog);
        QVERIFY(controls.size() > 40);
        QStringList silent;
        for (const QWidget* control : controls) {
            if (control->toolTip().isEmpty() || control->whatsThis().isEmpty() ||
                control->accessibleDescription().isEmpty()) {
                silent << control->objectName();
            }
        }
        for (int tab = 0; tab < ui.tabs()->count(); ++tab) {
            if (ui.tabs()->tabToolTip(tab).isEmpty()) {
                silent << ui.tabs()->tabText(tab);
            }
        }
        QCOMPARE(silent, QStringList());

        // Through every state of the Enable boxes: each control is seen enabled and greyed.
        QMap<QString, QString> enabledTips;
        QMap<QString, QString> greyedTips;
        const auto note = [&] {
            for (const QWidget* control : controls) {
                (control->isEnabled() ? enabledTips : greyedTips)[control->objectName()] =
                    control->toolTip();
            }
        };
        note();
        ui.click(kSmartBeaconingEnable);
        note();
        QVERIFY(ui.control(kAutoRate)->toolTip().contains(QStringLiteral("SmartBeaconing is on")));
        for (const int enable : {kTimeSlottingEnable, kMicEEnable, kPowerSwitchEnable}) {
            ui.click(enable);
            note();
        }
        QVERIFY(greyedTips.size() >= 12);
        QStringList unexplained;
        for (const auto& [name, greyed] : greyedTips.asKeyValueRange()) {
            const QString enabled = enabledTips.value(name);
            if (enabled.isEmpty() || greyed == enabled || !greyed.contains(enabled)) {
                unexplained << name;
            }
        }
        QCOMPARE(unexplained, QStringList());
    }

    // Shift+F1 shows the focused control's help, whatever kind of control has the focus.
    void shiftF1ShowsTheHelpOfTheFocusedControl() {
        DialogDriver ui;
        QVERIFY(QTest::qWaitForWindowActive(ui.dialog.get()));
        const auto helpShown = [] {
            const QWidgetList shown = QApplication::topLevelWidgets();
            return std::ranges::any_of(shown, [](const QWidget* widget) {
                return widget->inherits("QWhatsThat") && widget->isVisible();
            });
        };
        for (const int id : {kCallsign, kSendAltitude, kMicEPath, kProfileTabs, kReadVersion}) {
            ui.control(id)->setFocus();
            QTest::keyClick(ui.dialog->focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY2(helpShown(), qPrintable(ui.control(id)->objectName()));
            QWhatsThis::hideText();
            QTRY_VERIFY(!helpShown());
        }
    }

    void aboutEntryOpensTheAboutBox() {
        if (QSysInfo::kernelType() == QStringLiteral("winnt")) {
            QSKIP("Windows has the item in the system menu: windows_platform_test.cpp");
        }
        DialogDriver ui;
        const QList<QAction*> actions = ui.dialog->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.front()->text(), QStringLiteral("&About WrenlinkIIConfig..."));
        QCOMPARE(actions.front()->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(ui.dialog->contextMenuPolicy(), Qt::ActionsContextMenu);

        QStringList texts;
        QStringList clipped;
        QString title;
        whenModalOpens([&](QWidget& about) {
            title = about.windowTitle();
            clipped = clippedLabels(about);
            for (const QLabel* label : about.findChildren<QLabel*>()) {
                texts << label->text();
            }
        });
        actions.front()->trigger();
        QCOMPARE(title, QStringLiteral("About WrenlinkIIConfig"));
        QVERIFY(texts.contains(QStringLiteral("Wrenlink3Config Version 1.00")));
        QVERIFY(texts.contains(QStringLiteral("Copyright (C) 2026 Wrenlink3Config authors")));
        QCOMPARE(clipped, QStringList());
        QVERIFY(ui.dialog->isVisible());
    }

    void aboutBoxClosesOnEnterThroughItsDefaultOk() {
        AboutDialog about(nullptr);
        about.show();
        const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QVERIFY(buttons.front()->isDefault());
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "config_dialog_test.moc"
