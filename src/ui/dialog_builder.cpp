#include "ui/dialog_builder.h"

#include "ui/group_frame.h"

#include <QLabel>
#include <QPushButton>

namespace wl3::ui {

namespace {

QString textOf(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

} // namespace wl3::ui
