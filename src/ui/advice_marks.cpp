#include "ui/advice_marks.h"

#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <utility>

namespace wl3::ui {

namespace {

// Between the mark and the field's frame or arrow, in pixels.
constexpr int kMarkMargin = 3;

// Where the mark stands in field: the right end of an edit's text area, or just left of a
// list's arrow.
QRect markRect(QWidget& field, int side) {
    int right = field.width() - kMarkMargin;
    if (auto* list = qobject_cast<QComboBox*>(&field)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        right = list->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list)
                    .left() -
                kMarkMargin;
    }
    return {right - side, (field.height() - side) / 2, side, side};
}

} // namespace

AdviceMarks::AdviceMarks(std::function<QWidget*(int id)> control) : control_(std::move(control)) {}

QLabel& AdviceMarks::markOn(int id, QWidget& field) {
    if (const auto found = marks_.find(id); found != marks_.end()) {
        return *found->second;
    }
    auto* mark = new QLabel(&field);
    mark->setObjectName(field.objectName() + QStringLiteral("Advice"));
    //: A screen reader's name for the warning mark beside a field.
    mark->setAccessibleName(tr("Advice"));
    const int side = std::clamp(field.height() - 2 * kMarkMargin, 10, 32);
    mark->setGeometry(markRect(field, side));
    const QIcon icon = field.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &field);
    mark->setPixmap(icon.pixmap(QSize(side, side), field.devicePixelRatioF()));
    mark->setCursor(Qt::ArrowCursor);
    marks_.emplace(id, mark);
    return *mark;
}

void AdviceMarks::show(const std::vector<Advice>& advice, int profile) {
    std::map<int, QStringList> reasons;
    for (const Advice& piece : advice) {
        if (piece.profile == profile && piece.field != nullptr) {
            reasons[piece.field->control.id].push_back(translated(adviceReason(piece)));
        }
    }
    for (const auto& [id, mark] : marks_) {
        if (!reasons.contains(id)) {
            mark->hide();
            if (auto* edit = qobject_cast<QLineEdit*>(mark->parentWidget())) {
                edit->setTextMargins({});
            }
        }
    }
    for (const auto& [id, lines] : reasons) {
        QWidget* field = control_(id);
        if (field == nullptr) {
            continue;
        }
        QLabel& mark = markOn(id, *field);
        const QString why = lines.join(QLatin1Char('\n'));
        mark.setToolTip(why);
        mark.setAccessibleDescription(why);
        // The text stops short of the mark rather than running under it.
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->setTextMargins(0, 0, mark.width() + kMarkMargin, 0);
        }
        mark.show();
    }
}

} // namespace wl3::ui
