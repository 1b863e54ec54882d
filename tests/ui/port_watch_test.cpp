// The COM list while a USB serial adapter comes and goes, on a umockdev testbed: run under
// umockdev-wrapper.
#include "link/port_mapping.h"
#include "scripted_file_dialogs.h"
#include "support/recording_reporter.h"
#include "support/usb_serial_testbed.h"
#include "ui/config_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <memory>

using namespace wl3;

class PortWatchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The window watches from the start, with the testbed holding no device yet.
    void init() {
        testbed_ = std::make_unique<test::UsbSerialTestbed>();
        QVERIFY2(test::UsbSerialTestbed::mocked(), "run under umockdev-wrapper");
        window_ = std::make_unique<ui::ConfigDialog>(
            ui::ConfigDialogServices{reporter_, fileDialogs_, portDevicePath});
        window_->show();
    }

    void cleanup() {
        window_.reset();
        testbed_.reset();
    }

    // The tooltips follow the adapter, the user's choice stays, and the line beside the list
    // tells of the chosen entry's device alone.
    void adapterThatComesAndGoesIsToldOfOnlyForTheChosenEntry() {
        auto* list = window_->findChild<QComboBox*>(QStringLiteral("comPort"));
        QVERIFY(list != nullptr);
        QLabel* notice = noticeOf(*window_);
        QVERIFY(notice != nullptr);
        list->setCurrentIndex(1);

        testbed_->plug();
        QTRY_COMPARE(list->itemData(0, Qt::ToolTipRole).toString(),
                     QStringLiteral("/dev/ttyUSB0\nUSB2.0-Serial"));
        QCOMPARE(list->currentText(), QStringLiteral("COM2"));
        QCOMPARE(notice->text(), QString());

        list->setCurrentIndex(0);
        testbed_->unplug();
        QTRY_COMPARE(notice->text(), QStringLiteral("COM1: /dev/ttyUSB0 was unplugged"));
        QCOMPARE(list->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("no device"));
    }

private:
    static QLabel* noticeOf(QWidget& window) {
        for (auto* label : window.findChildren<QLabel*>()) {
            if (label->accessibleName() == QStringLiteral("COM Port Change")) {
                return label;
            }
        }
        return nullptr;
    }

    test::RecordingReporter reporter_;
    test::ScriptedFileDialogs fileDialogs_;
    std::unique_ptr<test::UsbSerialTestbed> testbed_;
    std::unique_ptr<ui::ConfigDialog> window_;
};

QTEST_MAIN(PortWatchTest)
#include "port_watch_test.moc"
