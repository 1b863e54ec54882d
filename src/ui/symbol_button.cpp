#include "ui/symbol_button.h"

#include "ui/config_dialog_layout.h"
#include "ui/control_help.h"
#include "ui/symbol_picker.h"
#include "ui/symbol_pictures.h"
#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QLabel>
#include <QLineEdit>

namespace wl3::ui {

namespace {

constexpr int kPictureSize = 16;

// An edit's one character, or none while it is empty.
char characterOf(const QLineEdit& edit) {
    const QString text = edit.text();
    return text.isEmpty() ? '\0' : text.front().toLatin1();
}

} // namespace

SymbolButton::SymbolButton(QLineEdit& symbol, QLineEdit& table, QLabel& nameLine, QWidget* parent)
    : QToolButton(parent), symbol_(symbol), table_(table), nameLine_(nameLine) {
    setObjectName(QStringLiteral("symbolPick"));
    // Shown where there is no picture to show (a style that draws text only, a reader).
    setText(QStringLiteral("\u2026"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(kPictureSize, kPictureSize));
    setAccessibleName(tr("Choose Symbol"));
    giveHelp(*this, ids::kSymbolPick);
    connect(&symbol_, &QLineEdit::textChanged, this, &SymbolButton::follow);
    connect(&table_, &QLineEdit::textChanged, this, &SymbolButton::follow);
    connect(this, &QToolButton::clicked, this, &SymbolButton::pick);
    follow();
}

void SymbolButton::follow() {
    const char table = characterOf(table_);
    const char symbol = characterOf(symbol_);
    const QString name = translated(symbolWording(table, symbol));
    setIcon(symbolIcon(table, symbol));
    showLiveLine(*this, name);
    nameLine_.setText(name);
    //: Beneath the Symbol and Table / Overlay edits' help: %1 is the name of what they give.
    const QString meaning = tr("Symbol shown: %1").arg(name);
    for (QLineEdit* edit : {&symbol_, &table_}) {
        showLiveLine(*edit, meaning);
    }
}

void SymbolButton::pick() {
    SymbolPicker picker(window(), characterOf(table_), characterOf(symbol_));
    if (picker.exec() != QDialog::Accepted || picker.symbol() == '\0') {
        return;
    }
    table_.setText(QString(QLatin1Char(picker.table())));
    symbol_.setText(QString(QLatin1Char(picker.symbol())));
}

} // namespace wl3::ui
