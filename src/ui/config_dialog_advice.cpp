// What the networks advise against, marked beside the fields as the user types, and a
// question before the one choice that raises alarms at every station that hears it.
#include "ui/config_dialog.h"
#include "ui/fixed_item_list.h"
#include "ui/translated_wording.h"
#include "wording/wording.h"

#include <QMessageBox>
#include <QPushButton>

namespace wl3::ui {

void ConfigDialog::updateAdvice() {
    adviceMarks_.show(adviceOn(form_.recordAsShown()), form_.shownProfile());
}

// A choice from the list or typed into it, not the form refilling: only the user is asked.
void ConfigDialog::onMicEMessageChanged() {
    auto* list = static_cast<FixedItemList*>(control(ids::kMicEMessage));
    const int before = micEMessageBefore_;
    micEMessageBefore_ = list->index();
    if (form_.refilling() || list->index() != kEmergencyMessage || before == kEmergencyMessage) {
        return;
    }
    if (!confirmEmergency()) {
        list->setIndex(before);
    }
}

bool ConfigDialog::confirmEmergency() {
    QMessageBox box(QMessageBox::Warning, formText(kMicEGroup.title), {}, QMessageBox::NoButton,
                    this);
    box.setObjectName(QStringLiteral("emergencyMessage"));
    box.setText(translated(adviceReason({Advice::Kind::EmergencyMessage})));
    box.setInformativeText(tr("Choose Emergency! as the MIC-E message all the same?"));
    QPushButton* choose = box.addButton(tr("C&hoose Emergency!"), QMessageBox::AcceptRole);
    choose->setObjectName(QStringLiteral("choose"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    box.setDefaultButton(cancel);
    box.exec();
    return box.clickedButton() == choose;
}

} // namespace wl3::ui
