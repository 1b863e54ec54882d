#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QListWidget;
class QListWidgetItem;

namespace wl3::ui {

// Both tables' symbols in a grid, each with its picture and name, narrowed by what is typed
// into the search field (a name, or the characters themselves); an overlay character for a
// symbol that takes one. Opens on the symbol the edits hold; OK or a double click chooses.
class SymbolPicker : public QDialog {
    Q_OBJECT

public:
    SymbolPicker(QWidget* parent, char table, char symbol);

    // The characters for the Table / Overlay and the Symbol edits: the overlay in the
    // table's place where one is chosen.
    char table() const;
    char symbol() const;

private:
    void addSymbols(char table);
    void showMatching(const QString& text);
    void onCurrentChanged(const QListWidgetItem* current);
    void selectPair(char table, char symbol);

    QLineEdit* search_;
    QListWidget* grid_;
    QComboBox* overlay_;
    QPushButton* ok_ = nullptr;
};

} // namespace wl3::ui
