#include "ui/text_needs.h"

#include "ui/translated_wording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <algorithm>
#include <memory>

namespace wl3::ui {

namespace {

// Any width wider than a control: what a style takes of it for its frame and indicator is
// what the rest of the width is not.
constexpr int kProbeWidth = 1000;
// Beside a button's text its bevel, beside a list item's the field's margins.
constexpr int kButtonMargins = 4;
constexpr int kFieldMargins = 4;

// Widgets of the window's font and style that nothing shows, to ask the style about.
template <typename Widget> std::shared_ptr<Widget> probe(const QWidget& window) {
    auto widget = std::make_shared<Widget>();
    widget->setFont(window.font());
    widget->setLayoutDirection(window.layoutDirection());
    return widget;
}

int checkBoxIndicator(const QWidget& window) {
    const auto box = probe<QCheckBox>(window);
    QStyleOptionButton option;
    option.initFrom(box.get());
    option.rect = QRect(0, 0, kProbeWidth, box->sizeHint().height());
    return kProbeWidth -
           box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box.get()).width();
}

int listFrame(const QWidget& window) {
    const auto list = probe<QComboBox>(window);
    list->setEditable(true);
    QStyleOptionComboBox option;
    option.initFrom(list.get());
    option.editable = true;
    option.rect = QRect(0, 0, kProbeWidth, list->sizeHint().height());
    return kProbeWidth - list->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, list.get())
                             .width();
}

} // namespace

TextNeeds measuredTextNeeds(const QWidget& window, BaseUnits units,
                            const QString& widestSpeedHint) {
    const QFontMetrics metrics(window.font());
    const auto width = [metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    const auto du = [units](int pixels) { return pixelsToDuX(pixels, units); };
    const int indicator = checkBoxIndicator(window);
    const int listFrameWidth = listFrame(window);
    const auto tabBar = probe<QTabBar>(window);

    TextNeeds needs;
    needs.caption = [=](std::string_view text) { return du(width(formText(text))); };
    needs.checkBox = [=](std::string_view text) { return du(indicator + width(formText(text))); };
    needs.pushButton = [=](std::string_view text) {
        return du(width(formText(text).remove(u'&')) + kButtonMargins);
    };
    // As a group frame draws its title: a character's width in, half of one either side.
    needs.groupBox = [=](std::string_view title) {
        return du(width(formText(title)) + 3 * metrics.averageCharWidth());
    };
    needs.list = [=](std::span<const std::string_view> items) {
        int widest = 0;
        for (const std::string_view item : items) {
            widest = std::max(widest, width(formText(item)));
        }
        return du(widest + kFieldMargins + listFrameWidth);
    };
    needs.tabs = [=](std::span<const std::string_view> texts) {
        while (tabBar->count() > 0) {
            tabBar->removeTab(0);
        }
        for (const std::string_view text : texts) {
            tabBar->addTab(formText(text));
        }
        return du(tabBar->sizeHint().width());
    };
    needs.speedHint = widestSpeedHint.isEmpty() ? 0 : du(width(widestSpeedHint));
    return needs;
}

} // namespace wl3::ui
