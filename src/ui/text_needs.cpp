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
#include <array>
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

// A translation of texts: nothing for English, or where a translation keeps every one of them
// as English has it, so that the English window keeps the tables' geometry on every platform.
bool anyTranslated(std::span<const std::string_view> texts) {
    return std::ranges::any_of(texts, [](std::string_view text) {
        return formText(text) != QLatin1String(text.data(), qsizetype(text.size()));
    });
}

} // namespace

TextNeeds measuredTextNeeds(const QWidget& window, BaseUnits units,
                            const QString& widestSpeedHint) {
    const QFontMetrics metrics(window.font());
    const auto du = [units](int pixels) { return pixelsToDuX(pixels, units); };
    // What a translated text takes, plus what its control draws beside it.
    const auto need = [metrics, du](std::string_view text, int beside) {
        const std::array texts{text};
        if (!anyTranslated(texts)) {
            return 0;
        }
        return du(metrics.horizontalAdvance(formText(text).remove(u'&')) + beside);
    };
    const int indicator = checkBoxIndicator(window);
    const int listFrameWidth = listFrame(window);
    const auto tabBar = probe<QTabBar>(window);

    TextNeeds needs;
    needs.caption = [=](std::string_view text) { return need(text, 0); };
    needs.checkBox = [=](std::string_view text) { return need(text, indicator); };
    needs.pushButton = [=](std::string_view text) { return need(text, kButtonMargins); };
    // As a group frame draws its title: a character's width in, half of one either side.
    needs.groupBox = [=](std::string_view title) {
        return need(title, 3 * metrics.averageCharWidth());
    };
    needs.list = [=](std::span<const std::string_view> items) {
        if (!anyTranslated(items)) {
            return 0;
        }
        int widest = 0;
        for (const std::string_view item : items) {
            widest = std::max(widest, metrics.horizontalAdvance(formText(item)));
        }
        return du(widest + kFieldMargins + listFrameWidth);
    };
    needs.tabs = [=](std::span<const std::string_view> texts) {
        if (!anyTranslated(texts)) {
            return 0;
        }
        while (tabBar->count() > 0) {
            tabBar->removeTab(0);
        }
        for (const std::string_view text : texts) {
            tabBar->addTab(formText(text));
        }
        return du(tabBar->sizeHint().width());
    };
    needs.speedHint =
        widestSpeedHint.isEmpty() ? 0 : du(metrics.horizontalAdvance(widestSpeedHint));
    return needs;
}

} // namespace wl3::ui
