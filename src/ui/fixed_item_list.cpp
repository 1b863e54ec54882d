#include "ui/fixed_item_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace wl3::ui {

// The list's own handling of the field would add the typed text as an item, or choose an
// item only when the field is left; the field is this class's alone.
FixedItemList::FixedItemList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    QLineEdit* field = lineEdit();
    disconnect(field, &QLineEdit::returnPressed, this, nullptr);
    disconnect(field, &QLineEdit::editingFinished, this, nullptr);
    connect(field, &QLineEdit::textEdited, this, &FixedItemList::onTextEdited);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            outside_ = -1;
        }
    });
}

int FixedItemList::index() const {
    return currentIndex() >= 0 ? currentIndex() : outside_;
}

void FixedItemList::setIndex(int index) {
    const bool inList = index >= 0 && index < count();
    setCurrentIndex(inList ? index : -1);
    outside_ = inList ? -1 : index;
    typedInto_ = false;
}

// Choosing by name is a choice like one from the opened list, so it says so the same way.
void FixedItemList::onTextEdited(const QString& text) {
    typedInto_ = true;
    const int named = findText(text, Qt::MatchFixedString);
    if (named < 0 || named == currentIndex()) {
        return;
    }
    const int cursor = lineEdit()->cursorPosition();
    setCurrentIndex(named);
    lineEdit()->setCursorPosition(cursor);
    emit activated(named);
}

void FixedItemList::showChosenItem() {
    lineEdit()->setText(currentIndex() >= 0 ? itemText(currentIndex()) : QString());
    typedInto_ = false;
}

// Enter after typing confirms the text; only an Enter with nothing typed is the window's.
void FixedItemList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && typedInto_) {
        showChosenItem();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

// The opened list takes the focus for a while; that is not leaving the field.
void FixedItemList::focusOutEvent(QFocusEvent* event) {
    if (typedInto_ && event->reason() != Qt::PopupFocusReason) {
        showChosenItem();
    }
    QComboBox::focusOutEvent(event);
}

} // namespace wl3::ui
