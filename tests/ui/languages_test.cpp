// The window in every shipped language and in a pseudo-language longer than any: every text
// fits its control, nothing overlaps or leaves the window or its group, and the language is
// the one the command line or the system asks for.
#include "dialog_driver.h"
#include "ui/config_app.h"
#include "ui/group_frame.h"
#include "ui/ui_language.h"

#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QSysInfo>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>
#include <optional>

using namespace wl3;
using namespace wl3::ui;
using wl3::test::DialogDriver;

namespace {

const QStringList kLanguages{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};

// Every text about 40 % longer, its letters accented, its placeholders and the letter after
// "&" kept: what a long translation would do to the window.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        static const QString plain = QStringLiteral("aceinouyACEINOUY");
        static const QString accented = QStringLiteral("áçéíñöüýÁÇÉÍÑÖÜÝ");
        const QString text = QString::fromUtf8(source);
        QString result;
        int letters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if ((c == u'%' || c == u'&') && i + 1 < text.size()) {
                result += c;
                result += text.at(++i);
                continue;
            }
            const qsizetype at = plain.indexOf(c);
            result += at >= 0 ? accented.at(at) : c;
            letters += c.isLetter() ? 1 : 0;
        }
        const QString padding = QStringLiteral("ŵāŷ").repeated(letters).left((letters * 2 + 4) / 5);
        const qsizetype colon = result.endsWith(u':') ? result.size() - 1 : result.size();
        return result.insert(colon, padding);
    }
};

bool clipChecksMeaningful() {
    // As in config_dialog_test.cpp: Windows' offscreen platform hints text as no Windows
    // display does, and English itself does not fit there.
    return !(QSysInfo::kernelType() == QStringLiteral("winnt") &&
             QGuiApplication::platformName() == QStringLiteral("offscreen"));
}

// The widgets placed on the window itself that show something, but not the frames that
// hold them.
QWidgetList placedControls(const QWidget& window) {
    QWidgetList controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(&window) && qobject_cast<GroupFrame*>(child) == nullptr &&
            !child->objectName().endsWith(QStringLiteral("Page"))) {
            controls << child;
        }
    }
    return controls;
}

QString nameOf(const QWidget* widget) {
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// The text of a control that its control cannot show whole.
std::optional<QString> clippedText(QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (metrics.horizontalAdvance(label->text()) > label->width()) {
            return label->text();
        }
    } else if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        if (metrics.horizontalAdvance(box->text()) > room.width()) {
            return box->text();
        }
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        if (metrics.horizontalAdvance(QString(button->text()).remove(u'&')) + 4 > button->width()) {
            return button->text();
        }
    } else if (auto* list = qobject_cast<QComboBox*>(&widget)) {
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) + 4 > list->lineEdit()->width()) {
                return list->itemText(i);
            }
        }
    } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->rect().contains(tabs->tabRect(i))) {
                return tabs->tabText(i);
            }
        }
    }
    return std::nullopt;
}

// Every fault of the layout that a user would see, one a line.
QStringList layoutFaults(QWidget& window) {
    QStringList faults;
    const QWidgetList controls = placedControls(window);
    for (QWidget* control : controls) {
        if (!window.rect().contains(control->geometry())) {
            faults << nameOf(control) + " leaves the window";
        }
        if (const auto clipped = clippedText(*control); clipped && clipChecksMeaningful()) {
            faults << nameOf(control) + " cuts \"" + *clipped + "\"";
        }
    }
    // Dialog units rounded to pixels let neighbours that touch in the tables share a pixel
    // column, as in English: more is an overlap.
    const auto overlap = [](const QWidget* a, const QWidget* b) {
        const QRect shared = a->geometry().intersected(b->geometry());
        return shared.width() > 1 && shared.height() > 1;
    };
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            if (overlap(controls[i], controls[j])) {
                faults << nameOf(controls[i]) + " overlaps " + nameOf(controls[j]);
            }
        }
    }
    for (const GroupFrame* group : window.findChildren<GroupFrame*>()) {
        const QFontMetrics metrics = group->fontMetrics();
        if (clipChecksMeaningful() &&
            metrics.horizontalAdvance(group->title()) + 3 * metrics.averageCharWidth() >
                group->width()) {
            faults << "group " + group->title() + " cuts its title";
        }
        for (const QWidget* control : controls) {
            const QRect inside = group->geometry().intersected(control->geometry());
            if (!inside.isEmpty() && inside != control->geometry()) {
                faults << nameOf(control) + " straddles group " + group->title();
            }
        }
    }
    return faults;
}

// Each named control's group, by the group's place among the frames: the grouping, which a
// language must not change.
QMap<QString, int> grouping(const QWidget& window) {
    QMap<QString, int> groups;
    const QList<GroupFrame*> frames = window.findChildren<GroupFrame*>();
    for (const QWidget* control : placedControls(window)) {
        for (qsizetype g = 0; g < frames.size(); ++g) {
            if (frames[g]->geometry().contains(control->geometry()) &&
                !control->objectName().isEmpty()) {
                groups[control->objectName()] = static_cast<int>(g);
            }
        }
    }
    return groups;
}

QStringList sharedMnemonics(const QWidget& window) {
    QStringList letters;
    QStringList shared;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QString letter = QKeySequence::mnemonic(button->text()).toString();
        if (letter.isEmpty() || letters.contains(letter)) {
            shared << button->text();
        }
        letters << letter;
    }
    return shared;
}

// The language a row of the fit test speaks, for as long as it lives.
class RowLanguage {
public:
    explicit RowLanguage(const QString& code) {
        if (code == QStringLiteral("pseudo")) {
            QCoreApplication::installTranslator(&pseudo_);
            // A metric locale, so that the km/h hints need their room too.
            QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        } else {
            language_ = std::make_unique<UiLanguage>(code);
        }
    }
    ~RowLanguage() {
        if (!language_) {
            QCoreApplication::removeTranslator(&pseudo_);
            QLocale::setDefault(QLocale::system());
        }
    }
    RowLanguage(const RowLanguage&) = delete;
    RowLanguage& operator=(const RowLanguage&) = delete;

private:
    PseudoTranslator pseudo_;
    std::unique_ptr<UiLanguage> language_;
};

// The window that the program shows for a command line, as it shows it.
template <typename Inspect>
void whileTheProgramRuns(const QStringList& arguments, Inspect inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<ConfigDialog*>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        seen = true;
        inspect(*window);
        window->reject();
    });
    static_cast<ConfigApp*>(QApplication::instance())
        ->start(QStringList{QStringLiteral("wrenlink3config")} + arguments);
    QVERIFY(seen);
}

QString buttonText(const QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name))->text();
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyLanguageFitsTheWindow_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("pseudo") << QStringLiteral("pseudo");
        for (const QString& code : kLanguages) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void everyLanguageFitsTheWindow() {
        QFETCH(QString, code);
        QCOMPARE(shippedLanguages(), kLanguages);
        QMap<QString, int> english;
        {
            DialogDriver ui;
            english = grouping(*ui.dialog);
        }
        const RowLanguage language(code);
        DialogDriver ui;
        QVERIFY(ui.button(ids::kReadConfiguration)->text() !=
                QStringLiteral("&Read Configuration"));
        const QStringList faults = layoutFaults(*ui.dialog);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        const QMap<QString, int> now = grouping(*ui.dialog);
        QStringList regrouped;
        for (const QString& name : english.keys()) {
            if (now.value(name, -1) != english.value(name, -1)) {
                regrouped << name;
            }
        }
        // The km/h hints, new where the locale is metric, stand in the group of their field.
        for (const QString& name : now.keys()) {
            if (name.endsWith(QStringLiteral("Kmh")) &&
                now.value(name) != now.value(name.chopped(3))) {
                regrouped << name;
            }
        }
        QVERIFY2(regrouped.isEmpty(), qPrintable(regrouped.join(QStringLiteral(", "))));
        QCOMPARE(sharedMnemonics(*ui.dialog), QStringList());
    }

    // -reverse mirrors the whole window, not only its texts.
    void rightToLeftMirrorsEveryControl() {
        QMap<QString, QRect> leftToRight;
        int width = 0;
        {
            DialogDriver ui;
            width = ui.dialog->width();
            for (const QWidget* control : placedControls(*ui.dialog)) {
                leftToRight[nameOf(control)] = control->geometry();
            }
        }
        QApplication::setLayoutDirection(Qt::RightToLeft);
        DialogDriver ui;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(ui.dialog->width(), width);
        QStringList unmirrored;
        for (const QWidget* control : placedControls(*ui.dialog)) {
            const QRect before = leftToRight.value(nameOf(control));
            const QRect mirrored(width - before.right() - 1, before.y(), before.width(),
                                 before.height());
            if (control->geometry() != mirrored) {
                unmirrored << nameOf(control);
            }
        }
        QCOMPARE(unmirrored, QStringList());
    }

    // A translation that drops or adds a %1 shows the wrong text, or none, in its place.
    void everyTranslationKeepsThePlaceholdersOfItsSource() {
        const QRegularExpression placeholder(QStringLiteral("%[1-9vm]"));
        const auto placeholders = [&](const QString& text) {
            QStringList found;
            for (const auto& match : placeholder.globalMatch(text)) {
                found << match.captured();
            }
            found.sort();
            return found;
        };
        for (const QString& code : kLanguages) {
            QFile file(QStringLiteral(":/ts/wrenlink3config_%1.ts").arg(code));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader ts(&file);
            QString source;
            bool numerus = false; // then each plural form is a translation of its own
            int checked = 0;
            while (!ts.atEnd()) {
                if (ts.readNext() != QXmlStreamReader::StartElement) {
                    continue;
                }
                if (ts.name() == QStringLiteral("message")) {
                    numerus =
                        ts.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
                } else if (ts.name() == QStringLiteral("source")) {
                    source = ts.readElementText();
                } else if (ts.name() == (numerus ? QStringLiteral("numerusform")
                                                 : QStringLiteral("translation"))) {
                    const QString translation = ts.readElementText();
                    QVERIFY2(placeholders(translation) == placeholders(source),
                             qPrintable(code + ": " + source + " -> " + translation));
                    ++checked;
                }
            }
            QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
            QVERIFY(checked > 200);
        }
    }

    void theCommandLineOrTheSystemChoosesTheLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("readButton");
        QTest::newRow("--language de")
            << QStringList{"--language", "de"} << QStringLiteral("Konfiguration l&esen");
        QTest::newRow("--language pt_BR")
            << QStringList{"--language", "pt_BR"} << QStringLiteral("&Ler configuração");
        QTest::newRow("--language en")
            << QStringList{"--language", "en"} << QStringLiteral("&Read Configuration");
        QTest::newRow("unknown language")
            << QStringList{"--language", "xx"} << QStringLiteral("&Read Configuration");
        if (QSysInfo::kernelType() != QStringLiteral("winnt")) {
            // main() set LANGUAGE=fr, as a French desktop session does.
            QTest::newRow("LANGUAGE=fr")
                << QStringList{} << QStringLiteral("&Lire la configuration");
        }
    }

    void theCommandLineOrTheSystemChoosesTheLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, readButton);
        QString shown;
        whileTheProgramRuns(arguments, [&](ConfigDialog& window) {
            shown = buttonText(window, "readConfiguration");
        });
        QCOMPARE(shown, readButton);
        // The language lasts as long as the window.
        QCOMPARE(QCoreApplication::translate("Form", "&Read Configuration"),
                 QStringLiteral("&Read Configuration"));
    }

    void systemLanguagesChooseAShippedOne_data() {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("region") << QStringList{"de-AT"} << QStringLiteral("de");
        QTest::newRow("script and region") << QStringList{"zh-Hans-CN"} << QStringLiteral("zh_CN");
        QTest::newRow("another script") << QStringList{"zh-Hant-TW", "ja"} << QStringLiteral("ja");
        QTest::newRow("language alone") << QStringList{"pt"} << QStringLiteral("pt_BR");
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << QString();
        QTest::newRow("first shipped") << QStringList{"sv-SE", "nl-BE"} << QStringLiteral("nl");
        QTest::newRow("C") << QStringList{"C"} << QString();
    }

    void systemLanguagesChooseAShippedOne() {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(chosenLanguage(wanted), chosen);
    }

    // The tracker keeps MPH; the hint follows what is typed.
    void kilometresFollowTheMphField() {
        const UiLanguage german(QStringLiteral("de"));
        DialogDriver ui;
        ui.edit(ids::kFastSpeed)->setEnabled(true);
        ui.typeInto(ids::kFastSpeed, QStringLiteral("65"));
        const auto* hint = ui.dialog->findChild<QLabel*>(QStringLiteral("fastSpeedKmh"));
        QVERIFY(hint != nullptr);
        QCOMPARE(hint->text(), QStringLiteral("≈ 105 km/h"));
        ui.dialog->formToRecord();
        QCOMPARE(ui.config().fastSpeedMph[kPrimary], 65);
        ui.typeInto(ids::kFastSpeed, QStringLiteral("1"));
        QCOMPARE(hint->text(), QStringLiteral("≈ 2 km/h"));
        ui.edit(ids::kFastSpeed)->clear();
        QCOMPARE(hint->text(), QString());
    }
};

int main(int argc, char** argv) {
    qputenv("LANGUAGE", "fr");
    ConfigApp app(argc, argv);
    LanguagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "languages_test.moc"
