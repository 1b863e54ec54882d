#include "ui/config_app.h"
#include "ui/config_dialog.h"
#include "ui/message_box_reporter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace wl3::ui;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
    Qt::WindowModality modality = Qt::NonModal;
    bool hasParent = true;
};

// Answers the next message box with OK, after noting what it showed.
std::shared_ptr<SeenBox> answerNextBox() {
    auto seen = std::make_shared<SeenBox>();
    QTimer::singleShot(0, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        *seen = {box->windowTitle(),    box->text(),
                 box->icon(),           static_cast<int>(box->buttons().size()),
                 box->windowModality(), box->parentWidget() != nullptr};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    return seen;
}

} // namespace

class ConfigAppTest : public QObject {
    Q_OBJECT

private slots:
    void startRunsTheWindowOnceAndAsksForNoMainLoop_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void startRunsTheWindowOnceAndAsksForNoMainLoop() {
        QFETCH(int, key);
        QString shown;
        QTimer::singleShot(0, [&shown, key] {
            auto* window = qobject_cast<ConfigDialog*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            shown = window->windowTitle();
            QTest::keyClick(window->focusWidget(), Qt::Key(key));
        });
        auto* app = static_cast<ConfigApp*>(QApplication::instance());
        QVERIFY(!app->start());
        QCOMPARE(shown, QStringLiteral("Wrenlink3Config"));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void errorBoxHasNoCaptionOneOkAndBlocksTheApplication() {
        MessageBoxReporter reporter;
        const auto seen = answerNextBox();
        reporter.errorBox("Count not aquire Com Port \xA7");
        QCOMPARE(seen->title, QString());
        QCOMPARE(seen->text, QStringLiteral("Count not aquire Com Port \u00A7"));
        QCOMPARE(seen->icon, QMessageBox::NoIcon);
        QCOMPARE(seen->buttons, 1);
        QCOMPARE(seen->modality, Qt::ApplicationModal);
        QVERIFY(!seen->hasParent);
    }

    void messageShowsItsCaption() {
        MessageBoxReporter reporter;
        const auto seen = answerNextBox();
        reporter.message("Wrenlink3 Read", "<b>Read Successful</b>");
        QCOMPARE(seen->title, QStringLiteral("Wrenlink3 Read"));
        QCOMPARE(seen->text, QStringLiteral("<b>Read Successful</b>"));
    }
};

int main(int argc, char** argv) {
    ConfigApp app(argc, argv);
    ConfigAppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "config_app_test.moc"
