#include "ui/fixed_item_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace wl3::ui {

namespace {

// Qt names a drop-down list on Linux by its chosen item and leaves what the list is to a
// label relation, so a screen reader announces "Off Duty" where the list is "Message". This
// list answers to its accessible name on every platform, and its chosen item is its value.
// Its parts are those of any drop-down list: the opened list, then the field.
class FixedItemListAccessible : public QAccessibleWidget {
public:
    explicit FixedItemListAccessible(FixedItemList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? list()->lineEdit()->text()
                                          : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = true;
        return state;
    }

    int childCount() const override { return 2; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(list()->view());
        }
        return index == 1 ? QAccessible::queryAccessibleInterface(list()->lineEdit()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == list()->view()) {
            return 0;
        }
        return child->object() == list()->lineEdit() ? 1 : -1;
    }

    // The closed list keeps its last place on screen, so only an open one is found there.
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* part :
             {static_cast<QWidget*>(list()->view()), static_cast<QWidget*>(list()->lineEdit())}) {
            QAccessibleInterface* found = QAccessible::queryAccessibleInterface(part);
            if (part->isVisible() && found->rect().contains(x, y)) {
                return found;
            }
        }
        return nullptr;
    }

    // The list is the field's focus proxy, so the field never has the focus itself; what is
    // typed while the list has it goes to the field.
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(1) : nullptr;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }

private:
    FixedItemList* list() const { return static_cast<FixedItemList*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    auto* list = qobject_cast<FixedItemList*>(object);
    return list != nullptr ? new FixedItemListAccessible(list) : nullptr;
}

} // namespace

// The list's own handling of the field would add the typed text as an item, or choose an
// item only when the field is left; the field is this class's alone.
FixedItemList::FixedItemList(QWidget* parent) : QComboBox(parent) {
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
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

void FixedItemList::setScreenReaderName(const QString& name) {
    setAccessibleName(name);
    lineEdit()->setAccessibleName(name);
    view()->setAccessibleName(name);
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
