#include "ui/group_frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace wl3::ui {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();

    // Etched, as group boxes are on the desktops these windows come from; styles that draw
    // their own group boxes also reserve room for the title inside the rectangle.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);

    const int indent = metrics.averageCharWidth();
    const int gap = metrics.averageCharWidth() / 2;
    const QRect titleRect = QStyle::visualRect(
        layoutDirection(), rect(),
        QRect(indent, 0, metrics.horizontalAdvance(title_) + 2 * gap, metrics.height()));
    painter.fillRect(titleRect, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter, title_);
}

} // namespace wl3::ui
