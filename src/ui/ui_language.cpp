#include "ui/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <iostream>

namespace wl3::ui {

namespace {

// Where the build puts the program's translations, and, where the toolkit is linked in
// statically, its own; elsewhere the toolkit's come with the system's toolkit.
QString programTranslations() {
    return QStringLiteral(":/i18n");
}

QString embeddedToolkitTranslations() {
    return QStringLiteral(":/qt_i18n");
}

QString prefix() {
    return QStringLiteral("wrenlink3config_");
}

// "pt-BR" and "pt_br" as the files name it: "pt_BR".
QString normalised(QString code) {
    code.replace(u'-', u'_');
    const qsizetype separator = code.indexOf(u'_');
    if (separator < 0) {
        return code.toLower();
    }
    return code.left(separator).toLower() + code.mid(separator).toUpper();
}

QString toolkitTranslations() {
    if (QDir(embeddedToolkitTranslations()).exists()) {
        return embeddedToolkitTranslations();
    }
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace

QStringList shippedLanguages() {
    QStringList codes;
    const QStringList files =
        QDir(programTranslations())
            .entryList({prefix() + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        codes << file.mid(prefix().size()).chopped(3);
    }
    return codes;
}

// A language with a script or a region ("zh-Hans-CN", "de-AT") falls back on the shipped
// one of its region ("zh_CN") or of its language alone ("de"); "pt" alone takes "pt_BR".
QString chosenLanguage(const QStringList& wanted) {
    const QStringList shipped = shippedLanguages();
    for (const QString& entry : wanted) {
        const QLocale locale(entry);
        if (locale.language() == QLocale::English) {
            return {};
        }
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
            continue;
        }
        const QString language = QLocale::languageToCode(locale.language());
        const QString region = QLocale::territoryToCode(locale.territory());
        for (const QString& candidate : {normalised(entry), language + u'_' + region, language}) {
            if (shipped.contains(candidate)) {
                return candidate;
            }
        }
        for (const QString& code : shipped) {
            if (code.startsWith(language + u'_') && QLocale(code).script() == locale.script()) {
                return code;
            }
        }
    }
    return {};
}

UiLanguage::UiLanguage(const QString& requested) {
    const QStringList wanted =
        requested.isEmpty() ? QLocale::system().uiLanguages() : QStringList{requested};
    code_ = chosenLanguage(wanted);
    if (!requested.isEmpty() && code_.isEmpty() &&
        QLocale(requested).language() != QLocale::English) {
        std::cerr << "wrenlink3config: --language " << requested.toStdString()
                  << ": no translation into this language; the window speaks English\n";
    }
    if (code_.isEmpty()) {
        return;
    }
    // The system's own locale stays where it speaks the language shown (de_AT for de).
    previousLocale_ = QLocale();
    if (!requested.isEmpty() || QLocale::system().language() != QLocale(code_).language()) {
        QLocale::setDefault(QLocale(code_));
    }
    if (program_.load(prefix() + code_, programTranslations())) {
        programInstalled_ = QCoreApplication::installTranslator(&program_);
    }
    if (toolkit_.load(QLocale(code_), QStringLiteral("qtbase"), QStringLiteral("_"),
                      toolkitTranslations())) {
        toolkitInstalled_ = QCoreApplication::installTranslator(&toolkit_);
    }
}

UiLanguage::~UiLanguage() {
    if (programInstalled_) {
        QCoreApplication::removeTranslator(&program_);
    }
    if (toolkitInstalled_) {
        QCoreApplication::removeTranslator(&toolkit_);
    }
    if (!code_.isEmpty()) {
        QLocale::setDefault(previousLocale_);
    }
}

} // namespace wl3::ui
