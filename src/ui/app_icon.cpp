#include "ui/app_icon.h"

#include <QPixmap>

namespace wl3::ui {

namespace {
#include "ui/resources/wrenlink3config-16.xpm"
#include "ui/resources/wrenlink3config-32.xpm"
} // namespace

QIcon appIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(wrenlink3config_16));
    icon.addPixmap(QPixmap(wrenlink3config_32));
    return icon;
}

} // namespace wl3::ui
