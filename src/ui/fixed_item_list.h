#pragma once

#include <QComboBox>

namespace wl3::ui {

// A drop-down list whose field can be typed into but that holds only its items. Typed text
// that names an item, in any letter case, chooses it; any other text is put back to the
// chosen item when the field is left or Enter confirms it, and that Enter goes no further.
// A number from a file or the tracker that names no item is kept as it came, with nothing
// shown, until the user chooses an item: typing can never make one.
class FixedItemList : public QComboBox {
    Q_OBJECT

public:
    explicit FixedItemList(QWidget* parent);

    // Names the list for screen readers, with its field, which has the keyboard whenever the
    // list has it, and its opened list.
    void setScreenReaderName(const QString& name);
    // The chosen item's index, or the number kept in its place.
    int index() const;
    // Chooses the item at index; a number outside the list is kept, with no item chosen.
    void setIndex(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextEdited(const QString& text);
    // The field shows the chosen item again, or nothing when none is chosen.
    void showChosenItem();

    int outside_ = -1;       // the number kept while no item is chosen
    bool typedInto_ = false; // since the field last showed the chosen item
};

} // namespace wl3::ui
