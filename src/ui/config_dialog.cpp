#include "ui/config_dialog.h"

#include "ui/about_entry.h"
#include "ui/app_icon.h"
#include "ui/config_dialog_layout.h"
#include "ui/dialog_builder.h"
#include "ui/port_combo_box.h"
#include "ui/window_font.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace wl3::ui {

ConfigDialog::ConfigDialog(const ConfigDialogServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      reporter_(services.reporter), fileDialogs_(services.fileDialogs),
      portResolver_(services.portResolver), choices_(services.choices), appIcon_(appIcon()) {
    setWindowTitle(QString::fromLatin1(kWindowTitle.data(), qsizetype(kWindowTitle.size())) +
                   QStringLiteral("[*]"));
    setFont(windowFont());
    setAcceptDrops(true);
    buildControls();
    initDialog();
    connectHandlers();
}

ConfigDialog::~ConfigDialog() = default;

QWidget* ConfigDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

PortComboBox* ConfigDialog::ports() const {
    return static_cast<PortComboBox*>(control(kComPort));
}

QTabBar* ConfigDialog::profileTabs() const {
    return static_cast<QTabBar*>(control(kProfileTabs));
}

// The group frames first, so that the form is drawn over them; the tabs go beneath both.
void ConfigDialog::buildControls() {
    DialogBuilder builder(*this, baseUnitsOf(font()));
    setFixedSize(duToPixelsX(kClientSize.width, builder.units()),
                 duToPixelsY(kClientSize.height, builder.units()));
    for (const GroupBoxRow& group : configDialogGroupBoxes()) {
        builder.addGroupBox(group.title, group.rect);
    }
    for (const ControlRow& row : configDialogRows()) {
        QWidget* widget = row.id == kComPort
                              ? builder.addControl(row, *new PortComboBox(portResolver_, this))
                              : builder.addControl(row);
        controls_.emplace(row.id, widget);
    }
    builder.addStaticText(kWebAddress.text, kWebAddress.rect, Qt::AlignRight | Qt::AlignVCenter);
    // The four Enable boxes would all sound alike without their group.
    for (const ProfileField& field : kProfileFields) {
        if (field.group != nullptr && field.control.text == "Enable") {
            control(field.control.id)
                ->setAccessibleName(QString::fromLatin1(field.group->title.data(),
                                                        qsizetype(field.group->title.size())) +
                                    QStringLiteral(" Enable"));
        }
    }
    control(kProfileTabs)->setAccessibleName(QStringLiteral("Profile"));
    control(kComPort)->setAccessibleName(QStringLiteral("COM Port"));
}

void ConfigDialog::initDialog() {
    addAboutEntry(*this);
    setWindowIcon(appIcon_);
    const int remembered = choices_ != nullptr ? ports()->findText(choices_->portEntry()) : -1;
    ports()->setCurrentIndex(std::max(remembered, 0));
    ports()->refreshDeviceTips();
    config_.currentProfile = profileTabs()->currentIndex() & 1;
    recordToForm();
    markSaved();
    control(kCallsign)->setFocus();
}

void ConfigDialog::choosePort(const PortChoice& choice) {
    ports()->choose(choice);
}

void ConfigDialog::connectHandlers() {
    connect(profileTabs(), &QTabBar::currentChanged, this, &ConfigDialog::onProfileTabChange);
    const auto onClick = [this](int id, auto handler) {
        connect(static_cast<QAbstractButton*>(control(id)), &QAbstractButton::clicked, this,
                handler);
    };
    onClick(kSmartBeaconingEnable, &ConfigDialog::onSmartBeaconingEnable);
    onClick(kTimeSlottingEnable, &ConfigDialog::onTimeSlottingEnable);
    onClick(kMicEEnable, &ConfigDialog::onEnableToggled);
    onClick(kPowerSwitchEnable, &ConfigDialog::onEnableToggled);
    onClick(kTimestampDhm, &ConfigDialog::onTimestampDhm);
    onClick(kTimestampHms, &ConfigDialog::onTimestampHms);
    onClick(kReadVersion, &ConfigDialog::onReadVersion);
    onClick(kReadConfiguration, &ConfigDialog::onReadConfiguration);
    onClick(kWriteConfiguration, &ConfigDialog::onWriteConfiguration);
    onClick(kSend1200Hz, &ConfigDialog::onSend1200Hz);
    onClick(kSend2200Hz, &ConfigDialog::onSend2200Hz);
    onClick(kSendBoth, &ConfigDialog::onSendBoth);
    onClick(kStopSending, &ConfigDialog::onStopSending);
    onClick(kLoad, &ConfigDialog::onLoad);
    onClick(kSave, &ConfigDialog::onSave);
    onClick(kExit, &QDialog::accept);
    // Whatever changes in the form may change whether something is unsaved.
    for (const ProfileField& field : kProfileFields) {
        QWidget* widget = field.isShown() ? control(field.control.id) : nullptr;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, &ConfigDialog::updateModifiedMark);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            connect(box, &QCheckBox::toggled, this, &ConfigDialog::updateModifiedMark);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            connect(list, &QComboBox::currentIndexChanged, this, &ConfigDialog::updateModifiedMark);
        }
    }
    // A COM entry is remembered; a device path is for this run only.
    connect(ports(), &QComboBox::activated, this, [this](int index) {
        if (choices_ != nullptr && ports()->choiceAt(index).devicePath.empty()) {
            choices_->setPortEntry(ports()->itemText(index));
        }
    });
}

void ConfigDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // With no default button, Enter presses the button that has the focus, and anywhere else
    // is the OK command.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else {
        accept();
    }
}

void ConfigDialog::onProfileTabChange() {
    formToRecord();
    config_.currentProfile = profileTabs()->currentIndex() & 1;
    recordToForm();
}

void ConfigDialog::onSmartBeaconingEnable() {
    if (isChecked(kSmartBeaconingEnable)) {
        setChecked(kTimeSlottingEnable, false);
    }
    updateEnables();
}

void ConfigDialog::onTimeSlottingEnable() {
    if (isChecked(kTimeSlottingEnable)) {
        setChecked(kSmartBeaconingEnable, false);
    }
    updateEnables();
}

void ConfigDialog::onEnableToggled() {
    updateEnables();
}

void ConfigDialog::onTimestampDhm() {
    if (isChecked(kTimestampDhm)) {
        setChecked(kTimestampHms, false);
    }
}

void ConfigDialog::onTimestampHms() {
    if (isChecked(kTimestampHms)) {
        setChecked(kTimestampDhm, false);
    }
}

} // namespace wl3::ui
