#include "ui/text_needs.h"

#include "ui/translated_wording.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionTab>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace wl3::ui {

namespace {

// Any width wider than a control: what a style takes of it for its frame and indicator is
// what the rest of the width is not.
constexpr int kProbeWidth = 1000;
// Beside a button's text its bevel, beside a list item's the field's margins.
constexpr int kButtonMargins = 4;
constexpr int kFieldMargins = 4;

// The style is asked about options alone, with no widget made for them: a translated window
// starts hardly slower than the English one.
int checkBoxIndicator(const QWidget& window) {
    QStyleOptionButton option;
    option.initFrom(&window);
    option.rect = QRect(0, 0, kProbeWidth, window.fontMetrics().height());
    return kProbeWidth -
           window.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, nullptr).width();
}

int listFrame(const QWidget& window) {
    QStyleOptionComboBox option;
    option.initFrom(&window);
    option.editable = true;
    option.rect = QRect(0, 0, kProbeWidth, 2 * window.fontMetrics().height());
    return kProbeWidth -
           window.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, nullptr)
               .width();
}

// A text's width: the sum of its characters' advances where the window font has them all,
// which costs a fraction of shaping the text and is never less than the shaped width, since
// the font's kerning only draws letters closer; a text that needs another font is shaped.
int widthOf(const QFontMetricsF& metrics, const QString& text) {
    qreal width = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || !metrics.inFont(c)) {
            return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
        }
        width += metrics.horizontalAdvance(c);
    }
    return static_cast<int>(std::ceil(width));
}

int tabWidth(const QWidget& window, const QFontMetricsF& metrics, const QString& text) {
    QStyleOptionTab option;
    option.initFrom(&window);
    option.text = text;
    const QSize content(widthOf(metrics, text) +
                            window.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option),
                        window.fontMetrics().height());
    return window.style()
        ->sizeFromContents(QStyle::CT_TabBarTab, &option, content, nullptr)
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
    const QFontMetricsF metrics(window.font());
    const auto du = [units](int pixels) { return pixelsToDuX(pixels, units); };
    // What a translated text takes, plus what its control draws beside it.
    const auto need = [metrics, du](std::string_view text, int beside) {
        const std::array texts{text};
        if (!anyTranslated(texts)) {
            return 0;
        }
        return du(widthOf(metrics, formText(text).remove(u'&')) + beside);
    };
    const int indicator = checkBoxIndicator(window);
    const int listFrameWidth = listFrame(window);
    const QWidget* shown = &window;
    const int averageWidth = window.fontMetrics().averageCharWidth();

    TextNeeds needs;
    needs.caption = [=](std::string_view text) { return need(text, 0); };
    needs.checkBox = [=](std::string_view text) { return need(text, indicator); };
    needs.pushButton = [=](std::string_view text) { return need(text, kButtonMargins); };
    // As a group frame draws its title: a character's width in, half of one either side.
    needs.groupBox = [=](std::string_view title) { return need(title, 3 * averageWidth); };
    needs.list = [=](std::span<const std::string_view> items) {
        if (!anyTranslated(items)) {
            return 0;
        }
        int widest = 0;
        for (const std::string_view item : items) {
            widest = std::max(widest, widthOf(metrics, formText(item)));
        }
        return du(widest + kFieldMargins + listFrameWidth);
    };
    needs.tabs = [=](std::span<const std::string_view> texts) {
        if (!anyTranslated(texts)) {
            return 0;
        }
        const int total =
            std::accumulate(texts.begin(), texts.end(), 0, [&](int sum, std::string_view text) {
                return sum + tabWidth(*shown, metrics, formText(text));
            });
        return du(total);
    };
    needs.speedHint = widestSpeedHint.isEmpty() ? 0 : du(widthOf(metrics, widestSpeedHint));
    return needs;
}

} // namespace wl3::ui
