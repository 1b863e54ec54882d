// The window on Windows' own platform: its system menu, the About item there, and a device
// command over a real COM port. Needs a display and the simulated tracker on COM1, which
// scripts/wine-tests provides under Wine.
#include "link/port_mapping.h"
#include "modal_script.h"
#include "ui/about_dialog.h"
#include "ui/config_app.h"
#include "ui/config_dialog.h"
#include "ui/file_dialogs.h"
#include "ui/message_box_reporter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>
#include <windows.h>

// After windows.h, whose types it builds on.
#include <dbt.h>

using namespace wl3::ui;

namespace {

struct MenuItem {
    bool separator = false;
    UINT command = 0;
    QString text;
};

std::vector<MenuItem> systemMenuOf(QWidget& window) {
    std::vector<MenuItem> items;
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    const int count = menu == nullptr ? 0 : GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = UINT(std::size(text));
        if (GetMenuItemInfoW(menu, UINT(position), TRUE, &info)) {
            items.push_back(
                {(info.fType & MFT_SEPARATOR) != 0, info.wID, QString::fromWCharArray(text)});
        }
    }
    return items;
}

} // namespace

class WindowsPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<ConfigDialog>(
            ConfigDialogServices{reporter_, fileDialogs_, wl3::portDevicePath});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    // After the platform's own items, Close among them.
    void systemMenuEndsWithASeparatorAndTheAboutItem() {
        const std::vector<MenuItem> items = systemMenuOf(*window_);
        QVERIFY(items.size() >= 3);
        QVERIFY(std::ranges::any_of(items,
                                    [](const MenuItem& item) { return item.command == SC_CLOSE; }));
        QVERIFY(items[items.size() - 2].separator);
        QCOMPARE(items.back().command, UINT(0x10));
        QCOMPARE(items.back().text, QStringLiteral("&About WrenlinkIIConfig..."));
    }

    // The system keeps the low four bits of a system command, so 16 to 31 all mean About.
    void aboutCommandWithTheLowBitsSetOpensTheAboutBox() {
        QString opened;
        const wl3::test::ModalScript script({[&opened](QWidget& box) {
            opened = qobject_cast<AboutDialog*>(&box) ? box.windowTitle() : QString();
            QTest::mouseClick(box.findChild<QPushButton*>(), Qt::LeftButton);
        }});
        PostMessageW(reinterpret_cast<HWND>(window_->winId()), WM_SYSCOMMAND, 0x10 | 0x7, 0);
        QTRY_VERIFY(script.finished());
        QCOMPARE(opened, QStringLiteral("About WrenlinkIIConfig"));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // A real message box, over the progress display that the command shows first.
    void readVersionOnCom1ShowsTheTrackersReply() {
        QString caption;
        QString text;
        QTimer boxWatch;
        connect(&boxWatch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && caption.isEmpty()) {
                caption = box->windowTitle();
                text = box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        boxWatch.start(20);
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("readVersion")),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!caption.isEmpty(), 30000);
        QCOMPARE(caption, QStringLiteral("Wrenlink3 Version"));
        QCOMPARE(text, QStringLiteral("Wrenlink3 v1.00\r\n")); // as received
    }

    // Any device change message makes the COM list look again: a COM port's arrival, and the
    // bare broadcast that some virtual COM drivers send alone.
    void deviceChangeMessagesMakeTheListLookAgain() {
        int listed = 0;
        ConfigDialogServices services{reporter_, fileDialogs_, wl3::portDevicePath};
        services.serialDevices = [&listed] {
            ++listed;
            return wl3::listSerialDevices();
        };
        ConfigDialog window(services);
        const auto hwnd = reinterpret_cast<HWND>(window.winId());
        for (const WPARAM event : {WPARAM(DBT_DEVICEARRIVAL), WPARAM(DBT_DEVNODES_CHANGED)}) {
            const int before = listed;
            SendMessageW(hwnd, WM_DEVICECHANGE, event, 0);
            QCOMPARE(listed, before + 1);
        }
    }

private:
    MessageBoxReporter reporter_;
    QtFileDialogs fileDialogs_;
    std::unique_ptr<ConfigDialog> window_;
};

int main(int argc, char** argv) {
    ConfigApp app(argc, argv);
    WindowsPlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windows_platform_test.moc"
