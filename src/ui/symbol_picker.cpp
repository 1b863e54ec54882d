#include "ui/symbol_picker.h"

#include "config/aprs_symbols.h"
#include "ui/symbol_pictures.h"
#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wl3::ui {

namespace {

constexpr int kTableRole = Qt::UserRole;
constexpr int kSymbolRole = Qt::UserRole + 1;
constexpr int kOverlayRole = Qt::UserRole + 2; // whether the symbol takes an overlay
constexpr int kIconSize = 32;
// Room for a picture and a name of two short lines under it, in average characters.
constexpr int kCellCharacters = 13;
constexpr int kColumns = 8;
constexpr int kRows = 5;

char characterOf(const QListWidgetItem* item, int role) {
    return static_cast<char>(item->data(role).toInt());
}

} // namespace

SymbolPicker::SymbolPicker(QWidget* parent, char table, char symbol)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      search_(new QLineEdit(this)), grid_(new QListWidget(this)), overlay_(new QComboBox(this)) {
    setObjectName(QStringLiteral("symbolPicker"));
    setWindowTitle(tr("Choose a Symbol"));
    search_->setObjectName(QStringLiteral("symbolSearch"));
    search_->setClearButtonEnabled(true);
    search_->setPlaceholderText(tr("A name, or the two characters"));
    grid_->setObjectName(QStringLiteral("symbolGrid"));
    grid_->setAccessibleName(tr("Symbols"));
    grid_->setViewMode(QListView::IconMode);
    grid_->setMovement(QListView::Static);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setWordWrap(true);
    grid_->setUniformItemSizes(true);
    grid_->setIconSize(QSize(kIconSize, kIconSize));
    const int cell = fontMetrics().averageCharWidth() * kCellCharacters;
    grid_->setGridSize(QSize(cell, kIconSize + 3 * fontMetrics().height()));
    grid_->setMinimumSize(cell * kColumns + 2 * fontMetrics().height(),
                          (kIconSize + 3 * fontMetrics().height()) * kRows);
    overlay_->setObjectName(QStringLiteral("symbolOverlay"));
    overlay_->addItem(tr("None"), 0);
    for (const char c : std::string_view("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        overlay_->addItem(QString(QLatin1Char(c)), int(c));
    }
    addSymbols(kPrimaryTable);
    addSymbols(kAlternateTable);

    auto* fields = new QFormLayout;
    fields->addRow(tr("&Search:"), search_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(grid_);
    auto* overlayRow = new QFormLayout;
    overlayRow->addRow(tr("&Overlay:"), overlay_);
    layout->addLayout(overlayRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &SymbolPicker::showMatching);
    connect(grid_, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* current) { onCurrentChanged(current); });
    connect(grid_, &QListWidget::itemActivated, this, &QDialog::accept);
    selectPair(table, symbol);
    search_->setFocus();
}

// Only the symbols a table assigns; their pictures are drawn now, as the picker opens.
void SymbolPicker::addSymbols(char table) {
    const SymbolTable& symbols = table == kPrimaryTable ? primarySymbols() : alternateSymbols();
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i].name.empty()) {
            continue;
        }
        const char character = static_cast<char>(kFirstSymbol + static_cast<int>(i));
        const QString name = translated(symbolWording(table, character));
        auto* item = new QListWidgetItem(symbolIcon(table, character), name, grid_);
        item->setData(kTableRole, int(table));
        item->setData(kSymbolRole, int(character));
        item->setData(kOverlayRole, symbols[i].takesOverlay);
        //: A symbol's tip in the picker: %1 its name, %2 and %3 its table and symbol characters.
        item->setToolTip(
            tr("%1: table %2, symbol %3")
                .arg(name, QString(QLatin1Char(table)), QString(QLatin1Char(character))));
    }
}

void SymbolPicker::showMatching(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < grid_->count(); ++row) {
        QListWidgetItem* item = grid_->item(row);
        const QString characters =
            QString(QLatin1Char(characterOf(item, kTableRole))) + characterOf(item, kSymbolRole);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive) &&
                        characters != wanted);
    }
}

void SymbolPicker::onCurrentChanged(const QListWidgetItem* current) {
    const bool takesOverlay = current != nullptr && current->data(kOverlayRole).toBool();
    overlay_->setEnabled(takesOverlay);
    if (!takesOverlay) {
        overlay_->setCurrentIndex(0);
    }
    ok_->setEnabled(current != nullptr);
}

// An overlaid symbol is the alternate table's, with its overlay chosen.
void SymbolPicker::selectPair(char table, char symbol) {
    const SymbolMeaning meaning = symbolMeaning(table, symbol);
    const char shownTable = meaning.overlay != '\0' ? kAlternateTable : table;
    grid_->setCurrentItem(nullptr);
    onCurrentChanged(nullptr);
    for (int row = 0; row < grid_->count(); ++row) {
        QListWidgetItem* item = grid_->item(row);
        if (characterOf(item, kTableRole) == shownTable &&
            characterOf(item, kSymbolRole) == symbol) {
            grid_->setCurrentItem(item);
            overlay_->setCurrentIndex(std::max(0, overlay_->findData(int(meaning.overlay))));
            grid_->scrollToItem(item);
        }
    }
}

char SymbolPicker::table() const {
    const QListWidgetItem* item = grid_->currentItem();
    if (item == nullptr) {
        return '\0';
    }
    const int overlay = overlay_->currentData().toInt();
    return overlay != 0 ? static_cast<char>(overlay) : characterOf(item, kTableRole);
}

char SymbolPicker::symbol() const {
    const QListWidgetItem* item = grid_->currentItem();
    return item == nullptr ? '\0' : characterOf(item, kSymbolRole);
}

} // namespace wl3::ui
