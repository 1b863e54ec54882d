#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace wl3::ui {

// The languages the window has translations into, as codes: "de", "pt_BR", ...
QStringList shippedLanguages();

// The shipped language that wanted asks for, in order of preference (codes such as "de",
// "de-AT" or "pt_BR", as a locale lists them); empty for English, the window's own, when
// English comes first or nothing wanted is shipped.
QString chosenLanguage(const QStringList& wanted);

// The window's language for as long as this object lives: the program's translation and the
// toolkit's own (its standard buttons and file dialog), and the locale that numbers and
// units follow. requested is --language's code; empty takes the system's languages (on
// Linux LANGUAGE, LC_ALL, LC_MESSAGES and LANG; on Windows the user's display language).
class UiLanguage {
public:
    explicit UiLanguage(const QString& requested = {});
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    // The shipped language shown, or empty for English.
    QString code() const { return code_; }

private:
    QString code_;
    QLocale previousLocale_;
    QTranslator program_;
    QTranslator toolkit_;
    bool programInstalled_ = false;
    bool toolkitInstalled_ = false;
};

} // namespace wl3::ui
