#include "ui/caption_room.h"

#include "ui/window_font.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

namespace wl3::ui {

namespace {

// The box's own, so that a box shown again gets the room its caption needs then.
class CaptionSpacer : public QSpacerItem {
public:
    CaptionSpacer() : QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum) {}
};

// What the platform puts in the title bar: a box without a caption gets the program's name.
QString shownCaption(const QMessageBox& box) {
    return box.windowTitle().isEmpty() ? QGuiApplication::applicationDisplayName()
                                       : box.windowTitle();
}

// A row of the grid that already holds the icon and the text: a spacer of no height there
// widens the box and leaves its height alone.
void makeRoom(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    CaptionSpacer* spacer = nullptr;
    for (int i = 0; i < grid->count() && spacer == nullptr; ++i) {
        spacer = dynamic_cast<CaptionSpacer*>(grid->itemAt(i));
    }
    if (spacer == nullptr) {
        spacer = new CaptionSpacer;
        grid->addItem(spacer, 0, 0, 1, std::max(1, grid->columnCount()));
    }
    const QMargins margins = grid->contentsMargins();
    spacer->changeSize(CaptionRoom::captionWidth(box) - margins.left() - margins.right(), 0,
                       QSizePolicy::Minimum, QSizePolicy::Minimum);
    grid->invalidate();
}

} // namespace

// The style lays out a title bar of any width: what it leaves beside the label is the room
// for the icon, the buttons and their margins.
int CaptionRoom::captionWidth(const QMessageBox& box) {
    const QString caption = shownCaption(box);
    QStyleOptionTitleBar option;
    option.initFrom(&box);
    option.text = caption;
    option.icon = box.windowIcon();
    option.titleBarState = Qt::WindowActive;
    option.titleBarFlags = box.windowFlags() | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint;
    const int textWidth = std::max(
        {QFontMetrics(windowFont()).horizontalAdvance(caption),
         QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(caption),
         box.fontMetrics().horizontalAdvance(caption)});
    const int barHeight = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &box);
    option.rect = QRect(0, 0, textWidth + 4 * barHeight, barHeight);
    const QRect label =
        box.style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, &box);
    return textWidth + option.rect.width() - label.width();
}

// Before the box's own show, which sizes it from its layout.
bool CaptionRoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            makeRoom(*box);
        }
    }
    return false;
}

} // namespace wl3::ui
