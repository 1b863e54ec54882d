#include "ui/callsign_file_name.h"
#include "ui/dialog_units.h"
#include "ui/edit_text.h"

#include <QTest>
#include <climits>

using namespace wl3;
using namespace wl3::ui;

class UiHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void parseEditNumber_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("plain") << QByteArray("300") << 300;
        QTest::newRow("leading zeros") << QByteArray("0042") << 42;
        QTest::newRow("leading blanks") << QByteArray(" \t\n\v\f\r17") << 17;
        QTest::newRow("plus") << QByteArray("+5") << 5;
        QTest::newRow("minus") << QByteArray("-5") << -5;
        QTest::newRow("blanks then sign") << QByteArray("  -12") << -12;
        QTest::newRow("sign only") << QByteArray("-") << 0;
        QTest::newRow("two signs") << QByteArray("+-3") << 0;
        QTest::newRow("blank after sign") << QByteArray("- 3") << 0;
        QTest::newRow("trailing junk") << QByteArray("12ab34") << 12;
        QTest::newRow("trailing blank") << QByteArray("7 8") << 7;
        QTest::newRow("letters first") << QByteArray("x12") << 0;
        QTest::newRow("decimal point") << QByteArray("3.9") << 3;
        QTest::newRow("largest") << QByteArray("2147483647") << INT_MAX;
        QTest::newRow("smallest") << QByteArray("-2147483648") << INT_MIN;
        QTest::newRow("one past largest") << QByteArray("2147483648") << INT_MAX;
        QTest::newRow("one past smallest") << QByteArray("-2147483649") << INT_MIN;
        QTest::newRow("far beyond") << QByteArray("99999999999999999999999999") << INT_MAX;
        QTest::newRow("far below") << QByteArray("-99999999999999999999999999") << INT_MIN;
        QTest::newRow("beyond, then junk") << QByteArray("3000000000abc") << INT_MAX;
    }

    void parseEditNumber() {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(wl3::ui::parseEditNumber(std::string_view(text.constData(), text.size())), value);
    }

    // Whatever the record holds, Save never proposes a name that Windows or Linux refuses.
    void callsignFileName_data() {
        QTest::addColumn<QByteArray>("callsign");
        QTest::addColumn<QString>("name");
        QTest::newRow("callsign and SSID") << QByteArray("KD2ABC-7") << "KD2ABC-7.wl3";
        QTest::newRow("none") << QByteArray("") << "";
        QTest::newRow("the placeholder") << QByteArray("NOCALL-9") << "";
        QTest::newRow("refused characters") << QByteArray("K<>:\"/\\|?*1") << "K1.wl3";
        QTest::newRow("control characters") << QByteArray("K\t1\x7F\x85") << "K1.wl3";
        QTest::newRow("dots and blanks at the ends") << QByteArray(". K1 .") << "K1.wl3";
        QTest::newRow("nothing left") << QByteArray("?*. ") << "";
        QTest::newRow("a device on Windows") << QByteArray("com1") << "";
        QTest::newRow("Latin-1 letter") << QByteArray("\xC9K1") << "\u00C9K1.wl3";
    }

    void callsignFileName() {
        QFETCH(QByteArray, callsign);
        QFETCH(QString, name);
        TrackerConfig record;
        setText(record.callsign[kPrimary], callsign.toStdString());
        setText(record.callsign[kSecondary], "KS9XYZ");
        QCOMPARE(QString::fromStdU16String(wl3::ui::callsignFileName(record).u16string()), name);
    }

    void latin1RoundTripKeepsEveryByte() {
        std::string bytes;
        for (int byte = 1; byte < 256; ++byte) {
            bytes.push_back(static_cast<char>(byte));
        }
        const QString text = fromLatin1Bytes(bytes);
        QCOMPARE(text.size(), 255);
        QCOMPARE(text.at(0xE9 - 1), QChar(u'\u00E9'));
        QCOMPARE(toLatin1Bytes(text), bytes);
    }

    void charactersBeyondLatin1BecomeOneQuestionMarkEach() {
        // Euro sign, a CJK character and an emoji outside the basic plane (two UTF-16 units).
        const QString text = QStringLiteral("a\u20ACb\u4E2Dc") +
                             QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("\u00FF");
        QCOMPARE(toLatin1Bytes(text), std::string("a?b?c?\xFF"));
    }

    void mulDivRoundsHalfAwayFromZero_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 8 << 6 << 4 << 12;
        QTest::newRow("below half") << 5 << 5 << 4 << 6;     // 6.25
        QTest::newRow("half") << 3 << 6 << 4 << 5;           // 4.5
        QTest::newRow("above half") << 7 << 6 << 8 << 5;     // 5.25 -> 5
        QTest::newRow("three quarters") << 5 << 7 << 4 << 9; // 8.75
        QTest::newRow("negative half") << -3 << 6 << 4 << -5;
        QTest::newRow("negative denominator half") << 3 << 1 << -2 << -2;
        QTest::newRow("no overflow") << 2000000000 << 7 << 8 << 1750000000;
        QTest::newRow("zero denominator") << 3 << 6 << 0 << -1;
    }

    void mulDivRoundsHalfAwayFromZero() {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, result);
        QCOMPARE(mulDiv(number, numerator, denominator), result);
    }

    void dialogUnitsScaleEachCoordinateByItsBaseUnit() {
        const BaseUnits units{6, 13};
        // The classic 8-point dialog font: 402 x 271 units is 603 x 440 pixels.
        QCOMPARE(duToPixels(DuRect{0, 0, 402, 271}, units), QRect(0, 0, 603, 440));
        QCOMPARE(duToPixels(DuRect{50, 23, 60, 13}, units), QRect(75, 37, 90, 21));
        QCOMPARE(duToPixels(DuRect{90, 82, 25, 13}, BaseUnits{7, 14}), QRect(158, 144, 44, 23));
    }

    void baseUnitsComeFromTheFontsLetters() {
        QFont font = QFont(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(20);
        const QFontMetrics metrics(font);
        const BaseUnits units = baseUnitsOf(font);
        const double average = metrics.horizontalAdvance(QStringLiteral(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                               52.0;
        QVERIFY(std::abs(units.x - average) <= 0.5);
        QCOMPARE(units.y, metrics.height());

        QFont larger = font;
        larger.setPixelSize(40);
        QVERIFY(baseUnitsOf(larger).x > units.x);
        QVERIFY(baseUnitsOf(larger).y > units.y);
    }
};

QTEST_MAIN(UiHelpersTest)
#include "ui_helpers_test.moc"
