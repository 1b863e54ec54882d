#include "ui/dialog_builder.h"

#include "ui/control_help.h"
#include "ui/fixed_item_list.h"
#include "ui/group_frame.h"
#include "ui/input_rules.h"
#include "ui/translated_wording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace wl3::ui {

namespace {

QString nameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A label's text without its colon, as a screen reader names the control by it.
QString withoutColon(QString text) {
    if (text.endsWith(u':') || text.endsWith(u'\uFF1A')) {
        text.chop(1);
    }
    return text.trimmed();
}

} // namespace

void DialogBuilder::place(QWidget& widget, DuRect rect) const {
    placePixels(widget, duToPixels(rect, units_));
}

void DialogBuilder::placePixels(QWidget& widget, const QRect& rect) const {
    widget.setGeometry(QStyle::visualRect(window_.layoutDirection(), window_.rect(), rect));
}

QLabel* DialogBuilder::addStaticText(const QString& text, DuRect rect,
                                     Qt::Alignment alignment) const {
    auto* label = new QLabel(text, &window_);
    label->setAlignment(alignment);
    place(*label, rect);
    return label;
}

QWidget* DialogBuilder::addGroupBox(const QString& title, DuRect rect) const {
    auto* box = new GroupFrame(title, &window_);
    place(*box, rect);
    return box;
}

QPushButton* DialogBuilder::addPushButton(const QString& text, DuRect rect) const {
    auto* button = new QPushButton(text, &window_);
    button->setAutoDefault(false);
    place(*button, rect);
    return button;
}

QWidget* DialogBuilder::addControl(const ControlRow& row) {
    QWidget* control = makeControl(row);
    finish(*control, row);
    return control;
}

QComboBox* DialogBuilder::addControl(const ControlRow& row, FixedItemList& list) {
    setUpList(list, row);
    finish(list, row);
    return &list;
}

QWidget* DialogBuilder::makeControl(const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(&window_);
        if (row.input == InputRule::UpperCase) {
            edit->setValidator(new UpperCaseValidator(edit));
        } else if (row.input == InputRule::DigitsOnly) {
            edit->setValidator(new DigitsValidator(*edit));
        }
        place(*edit, row.rect);
        return edit;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(formText(row.text), &window_);
        place(*box, row.rect);
        return box;
    }
    case ControlKind::ComboBox: {
        auto* list = new FixedItemList(&window_);
        setUpList(*list, row);
        return list;
    }
    case ControlKind::PushButton:
        return addPushButton(formText(row.text), row.rect);
    case ControlKind::TabControl:
        return addTabs(row);
    }
    return nullptr;
}

void DialogBuilder::setUpList(FixedItemList& list, const ControlRow& row) const {
    for (const std::string_view item : row.items) {
        list.addItem(formText(item));
    }
    const QRect rect = duToPixels(row.rect, units_);
    const int fieldHeight = duToPixelsY(kListFieldHeight, units_);
    placePixels(list, QRect(rect.x(), rect.y(), rect.width(), fieldHeight));
    const int itemHeight = std::max(1, list.fontMetrics().height());
    list.setMaxVisibleItems(std::max(1, (rect.height() - fieldHeight) / itemHeight));
}

// The tabs own no pages: one bar over a framed area, both beneath every other widget so
// that the form is drawn on them.
QWidget* DialogBuilder::addTabs(const ControlRow& row) const {
    auto* tabs = new QTabBar(&window_);
    tabs->setExpanding(false);
    tabs->setDrawBase(false);
    for (const std::string_view text : row.items) {
        tabs->addTab(formText(text));
    }
    const QRect rect = duToPixels(row.rect, units_);
    const int tabHeight = tabs->sizeHint().height();
    placePixels(*tabs, QRect(rect.x(), rect.y(), rect.width(), tabHeight));
    const int overlap = window_.style()->pixelMetric(QStyle::PM_TabBarBaseOverlap);
    auto* page = new QFrame(&window_);
    page->setObjectName(nameOf(row.name) + QStringLiteral("Page"));
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    placePixels(*page, QRect(rect.x(), rect.y() + tabHeight - overlap, rect.width(),
                             rect.height() - tabHeight + overlap));
    page->lower();
    tabs->lower();
    return tabs;
}

// A screen reader names the control by its label, without the colon.
void DialogBuilder::finish(QWidget& control, const ControlRow& row) const {
    control.setObjectName(nameOf(row.name));
    control.setProperty("controlId", row.id);
    if (!row.label.text.empty()) {
        const QString text = formText(row.label.text);
        QLabel* label = addStaticText(text, row.label.rect, Qt::AlignRight | Qt::AlignVCenter);
        label->setObjectName(nameOf(row.name) + QStringLiteral("Label"));
        label->setBuddy(&control);
        if (auto* list = qobject_cast<FixedItemList*>(&control)) {
            list->setScreenReaderName(withoutColon(text));
        } else {
            control.setAccessibleName(withoutColon(text));
        }
    }
    if (!row.unit.text.empty()) {
        const QString text = formText(row.unit.text);
        QLabel* unit = addStaticText(text, row.unit.rect, Qt::AlignLeft | Qt::AlignVCenter);
        unit->setObjectName(nameOf(row.name) + QStringLiteral("Unit"));
    }
    // What it does and what it holds, its unit with it.
    giveHelp(control, row.id);
}

} // namespace wl3::ui
