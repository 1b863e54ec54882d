#include "ui/config_app.h"
#include "ui/config_dialog.h"
#include "ui/message_box_reporter.h"
#include "ui/start_options.h"
#include "ui/wait_cursor.h"

#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <memory>
#include <vector>

using namespace wl3::ui;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
    Qt::CursorShape cursor = Qt::BitmapCursor; // the application's override; Arrow for none
    Qt::WindowModality modality = Qt::NonModal;
};

// Answers the next message box with OK, after noting what it showed.
std::shared_ptr<SeenBox> answerNextBox() {
    auto seen = std::make_shared<SeenBox>();
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        const QCursor* cursor = QApplication::overrideCursor();
        *seen = {box->windowTitle(),
                 box->text(),
                 box->icon(),
                 static_cast<int>(box->buttons().size()),
                 cursor ? cursor->shape() : Qt::ArrowCursor,
                 box->windowModality()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    return seen;
}

class WideTitleBarStyle : public QProxyStyle {
public:
    WideTitleBarStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TitleBarHeight ? 3 * size : size;
    }
};

} // namespace

class ConfigAppTest : public QObject {
    Q_OBJECT

private slots:
    void startRunsTheWindowOnceAndDestroysIt_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void startRunsTheWindowOnceAndDestroysIt() {
        QFETCH(int, key);
        QString shown;
        QTimer::singleShot(0, [&shown, key] {
            auto* window = qobject_cast<ConfigDialog*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            shown = window->windowHandle()->title();
            QTest::keyClick(window->focusWidget(), Qt::Key(key));
        });
        auto* app = static_cast<ConfigApp*>(QApplication::instance());
        app->start({QStringLiteral("wrenlink3config")});
        QCOMPARE(shown, QStringLiteral("Wrenlink3Config"));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        // What the platform titles a box without a caption with, not the program's file name.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Wrenlink3Config"));
    }

    void errorBoxHasNoCaptionOneOkAndBlocksTheApplication() {
        MessageBoxReporter reporter;
        const auto seen = answerNextBox();
        reporter.report(
            wl3::PortCallFailed{wl3::PortCall::Open, {wl3::PortFailure::InUse, "/dev/tty\xA7"}});
        QCOMPARE(seen->title, QString());
        QCOMPARE(seen->text, QStringLiteral("Count not aquire Com Port\n/dev/tty\u00A7: another "
                                            "program is using this port."));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, 1);
        QCOMPARE(seen->modality, Qt::ApplicationModal);
    }

    // This test program starts with "-style Fusion", as a user may start the window. Its
    // boxes open over the window, so that they show where it is and belong to it.
    void theWindowTakesTheToolkitsOptionsAndOwnsItsBoxes() {
        const QStringList asTyped{"wrenlink3config", "-style", "Fusion", "-qwindowgeometry",
                                  "+10+10",          "--port", "COM2"};
        const StartOptions options = parseStartOptions(asTyped);
        QVERIFY(!options.file.has_value());
        QCOMPARE(options.port->portNumber, 2);

        QWidget* boxOwner = nullptr;
        QWidget* window = nullptr;
        QString style;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxOwner = box->parentWidget();
                box->button(QMessageBox::Ok)->click();
            } else if (auto* dialog = qobject_cast<ConfigDialog*>(modal); dialog && boxOwner) {
                window = dialog;
                style = dialog->style()->name();
                dialog->reject();
            }
        });
        answer.start(10);
        auto* app = static_cast<ConfigApp*>(QApplication::instance());
        app->start({"wrenlink3config", "/nonexistent/folder/missing.wl3"});
        QVERIFY(window != nullptr);
        QCOMPARE(boxOwner, window);
        QCOMPARE(style.toLower(), QStringLiteral("fusion"));
    }

    void messageShowsItsCaption() {
        MessageBoxReporter reporter;
        const auto seen = answerNextBox();
        reporter.report(wl3::VersionReply{"<b>Wrenlink3 v1.00</b>"});
        QCOMPARE(seen->title, QStringLiteral("Wrenlink3 Version"));
        QCOMPARE(seen->text, QStringLiteral("<b>Wrenlink3 v1.00</b>"));
    }

    // In a title bar as wide as the box, as the style lays one out, the caption's text fits:
    // the platform would otherwise cut it short. The title bar's buttons are as wide as some
    // platforms draw them, wider than the toolkit's own allowance for them.
    void aBoxIsWideEnoughForItsCaption() {
        QApplication::setStyle(new WideTitleBarStyle);
        const auto fusionAgain =
            qScopeGuard([] { QApplication::setStyle(QStringLiteral("Fusion")); });
        MessageBoxReporter reporter;
        QString caption;
        int room = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            QStyleOptionTitleBar bar;
            bar.initFrom(box);
            bar.titleBarFlags = box->windowFlags() | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            bar.rect = QRect(0, 0, box->width(),
                             box->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, box));
            room = box->style()
                       ->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarLabel, box)
                       .width();
            needed = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                         .horizontalAdvance(caption);
            box->button(QMessageBox::Ok)->click();
        });
        // A narrow text under a caption of its own.
        reporter.report(wl3::VersionReply{"x"});
        QVERIFY(!caption.isEmpty());
        QVERIFY2(room >= needed, qPrintable(QStringLiteral("%1 < %2").arg(room).arg(needed)));
    }

    // A refusal stops the command: it has the warning icon, where outcomes have none.
    void theRefusalOfValuesHasTheWarningIcon() {
        MessageBoxReporter reporter;
        const auto seen = answerNextBox();
        reporter.report(wl3::ValuesRefused{wl3::RefusedAction::Save, {}});
        QCOMPARE(seen->title, QStringLiteral("Save Failed"));
        QCOMPARE(seen->icon, QMessageBox::Warning);
    }

    // A command shows its boxes while its wait cursor is up; the box waits for the user.
    void aBoxShownDuringACommandHasTheArrowAndTheWaitComesBack() {
        MessageBoxReporter reporter;
        {
            const WaitCursor busy;
            const auto seen = answerNextBox();
            reporter.report(wl3::VersionReply{"Wrenlink3 v1.00"});
            QCOMPARE(seen->cursor, Qt::ArrowCursor);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
        const auto idle = answerNextBox();
        reporter.report(wl3::TrackerNotFound{"/dev/ttyUSB0", false});
        QCOMPARE(idle->cursor, Qt::ArrowCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    std::array<char, 7> style{"-style"};
    std::array<char, 7> fusion{"Fusion"};
    arguments.insert(arguments.begin() + 1, {style.data(), fusion.data()});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    ConfigApp app(count, arguments.data());
    ConfigAppTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "config_app_test.moc"
