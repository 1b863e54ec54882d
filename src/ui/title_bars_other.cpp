#include "ui/title_bars.h"

namespace wl3::ui {

bool titleBarsFollowTheme() {
    return false;
}

void setDarkTitleBar(QWidget& /*window*/, bool /*dark*/) {}

} // namespace wl3::ui
