#include "ui/dialog_builder.h"

#include "ui/fixed_item_list.h"
#include "ui/group_frame.h"
#include "ui/input_rules.h"

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

QString textOf(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The closed field of a drop-down list is as tall as an edit; the rest of the row's height
// is the opened list.
constexpr int kComboFieldHeightDu = 13;

} // namespace

void DialogBuilder::place(QWidget& widget, DuRect rect) const {
    widget.setGeometry(duToPixels(rect, units_));
}

QLabel* DialogBuilder::addStaticText(std::string_view text, DuRect rect,
                                     Qt::Alignment alignment) const {
    auto* label = new QLabel(textOf(text), &window_);
    label->setAlignment(alignment);
    place(*label, rect);
    return label;
}

QWidget* DialogBuilder::addGroupBox(std::string_view title, DuRect rect) const {
    auto* box = new GroupFrame(textOf(title), &window_);
    place(*box, rect);
    return box;
}

QPushButton* DialogBuilder::addPushButton(std::string_view text, DuRect rect) const {
    auto* button = new QPushButton(textOf(text), &window_);
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
            edit->setValidator(new DigitsValidator(edit));
        }
        place(*edit, row.rect);
        return edit;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(textOf(row.text), &window_);
        place(*box, row.rect);
        return box;
    }
    case ControlKind::ComboBox: {
        auto* list = new FixedItemList(&window_);
        setUpList(*list, row);
        return list;
    }
    case ControlKind::PushButton:
        return addPushButton(row.text, row.rect);
    case ControlKind::TabControl:
        return addTabs(row);
    }
    return nullptr;
}

void DialogBuilder::setUpList(FixedItemList& list, const ControlRow& row) const {
    for (const std::string_view item : row.items) {
        list.addItem(textOf(item));
    }
    const QRect rect = duToPixels(row.rect, units_);
    const int fieldHeight = duToPixelsY(kComboFieldHeightDu, units_);
    list.setGeometry(rect.x(), rect.y(), rect.width(), fieldHeight);
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
        tabs->addTab(textOf(text));
    }
    const QRect rect = duToPixels(row.rect, units_);
    const int tabHeight = tabs->sizeHint().height();
    tabs->setGeometry(rect.x(), rect.y(), rect.width(), tabHeight);
    const int overlap = window_.style()->pixelMetric(QStyle::PM_TabBarBaseOverlap);
    auto* page = new QFrame(&window_);
    page->setObjectName(textOf(row.name) + QStringLiteral("Page"));
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    page->setGeometry(rect.x(), rect.y() + tabHeight - overlap, rect.width(),
                      rect.height() - tabHeight + overlap);
    page->lower();
    tabs->lower();
    return tabs;
}

// A screen reader names the control by its label, without the colon, and tells its unit.
void DialogBuilder::finish(QWidget& control, const ControlRow& row) const {
    control.setObjectName(textOf(row.name));
    control.setProperty("controlId", row.id);
    if (!row.label.text.empty()) {
        QLabel* label =
            addStaticText(row.label.text, row.label.rect, Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(&control);
        std::string_view name = row.label.text;
        if (name.ends_with(':')) {
            name.remove_suffix(1);
        }
        if (auto* list = qobject_cast<FixedItemList*>(&control)) {
            list->setScreenReaderName(textOf(name));
        } else {
            control.setAccessibleName(textOf(name));
        }
    }
    if (!row.unit.text.empty()) {
        addStaticText(row.unit.text, row.unit.rect, Qt::AlignLeft | Qt::AlignVCenter);
        control.setAccessibleDescription(textOf(row.unit.text));
    }
}

} // namespace wl3::ui
