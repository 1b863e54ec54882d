#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"
#include "ui/dialog_builder.h"
#include "ui/port_combo_box.h"
#include "ui/port_events.h"
#include "ui/port_notice.h"

#include <QLabel>

namespace wl3::ui {

void ConfigDialog::watchPorts() {
    const DialogBuilder builder(*this, baseUnitsOf(font()));
    portNotice_ = builder.addStaticText({}, portNoticeRect_, Qt::AlignLeft | Qt::AlignVCenter);
    portNotice_->setObjectName(QStringLiteral("portNotice"));
    portNotice_->setTextFormat(Qt::PlainText);
    portNotice_->setAccessibleName(tr("COM Port Change"));
    watchPortEvents(*this, [this] { onPortNews(); });
}

// Each change about the chosen entry replaces the line about the one before.
void ConfigDialog::onPortNews() {
    const std::vector<PortChange> changes = portWatcher_.rescan();
    if (changes.empty()) {
        return;
    }
    ports()->showDevices(portWatcher_.devices());
    if (const QString notice = portNotice(ports()->choice(), changes); !notice.isEmpty()) {
        portNotice_->setText(notice);
    }
}

} // namespace wl3::ui
