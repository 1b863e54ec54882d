#include "ui/config_dialog.h"

#include "ui/about_entry.h"
#include "ui/app_icon.h"
#include "ui/config_dialog_layout.h"
#include "ui/control_help.h"
#include "ui/dialog_builder.h"
#include "ui/port_combo_box.h"
#include "ui/speed_hint.h"
#include "ui/symbol_button.h"
#include "ui/text_needs.h"
#include "ui/tone_notice.h"
#include "ui/translated_wording.h"
#include "ui/window_font.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

namespace wl3::ui {

ConfigDialog::ConfigDialog(const ConfigDialogServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shownReporter_(services.reporter), reporter_(services.reporter),
      fileDialogs_(services.fileDialogs), portResolver_(services.portResolver),
      portWatcher_(services.serialDevices), choices_(services.choices), appIcon_(appIcon()),
      form_([this](int id) { return control(id); }) {
    showFileInTitle({});
    setFont(windowFont());
    setAcceptDrops(true);
    buildControls();
    initDialog();
    connectHandlers();
    watchPorts();
}

ConfigDialog::~ConfigDialog() = default;

QWidget* ConfigDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

PortComboBox* ConfigDialog::ports() const {
    return static_cast<PortComboBox*>(control(ids::kComPort));
}

QTabBar* ConfigDialog::profileTabs() const {
    return static_cast<QTabBar*>(control(ids::kProfileTabs));
}

// The group frames first, so that the form is drawn over them; the tabs go beneath both.
// The layout makes room for the texts in the user's language.
void ConfigDialog::buildControls() {
    const BaseUnits units = baseUnitsOf(font());
    const DialogLayout layout = configDialogLayout(measuredTextNeeds(
        *this, units, showsKilometres(QLocale()) ? widestKilometresHint() : QString()));
    setFixedSize(duToPixelsX(layout.client.width, units), duToPixelsY(layout.client.height, units));
    portNoticeRect_ = layout.portNotice;
    DialogBuilder builder(*this, units);
    for (const GroupBoxRow& group : layout.groups) {
        builder.addGroupBox(formText(group.title), group.rect);
    }
    for (const ControlRow& row : layout.rows) {
        QWidget* widget = row.id == ids::kComPort
                              ? builder.addControl(row, *new PortComboBox(portResolver_, this))
                              : builder.addControl(row);
        controls_.emplace(row.id, widget);
    }
    builder
        .addStaticText(
            QString::fromLatin1(kWebAddress.text.data(), qsizetype(kWebAddress.text.size())),
            layout.webAddress, Qt::AlignRight | Qt::AlignVCenter)
        ->setObjectName(QStringLiteral("webAddress"));
    for (const SpeedHintRow& hint : layout.speedHints) {
        addSpeedHint(builder, hint);
    }
    textRoom_ = builder.addStaticText({}, layout.textRoom, Qt::AlignLeft | Qt::AlignVCenter);
    textRoom_->setObjectName(QStringLiteral("textRoom"));
    toneNotice_ = new ToneNotice(this);
    toneNotice_->setObjectName(QStringLiteral("toneNotice"));
    builder.place(*toneNotice_, layout.toneNotice);
    auto* symbolTable = static_cast<QLineEdit*>(control(ids::kSymbolTable));
    QLabel* symbolName = builder.addStaticText({}, layout.symbolName, Qt::AlignLeft | Qt::AlignTop);
    symbolName->setObjectName(QStringLiteral("symbolName"));
    // Smaller than the labels, so that it reads as a note on the edits above it.
    QFont small = symbolName->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    symbolName->setFont(small);
    auto* symbolPick = new SymbolButton(*static_cast<QLineEdit*>(control(ids::kSymbol)),
                                        *symbolTable, *symbolName, this);
    builder.place(*symbolPick, layout.symbolPick);
    setTabOrder(symbolTable, symbolPick);
    // The four Enable boxes would all sound alike without their group.
    for (const ProfileField& field : kProfileFields) {
        if (field.group != nullptr && field.control.text == "Enable") {
            //: A screen reader's name for a group's Enable box: %1 is the group's title.
            control(field.control.id)
                ->setAccessibleName(tr("%1 Enable").arg(formText(field.group->title)));
        }
    }
    nameForScreenReaders(*control(ids::kProfileTabs), tr("Profile"));
    ports()->setScreenReaderName(tr("COM Port"));
}

// The speed in km/h follows the MPH field as the user types; the record keeps MPH alone.
void ConfigDialog::addSpeedHint(const DialogBuilder& builder, const SpeedHintRow& row) {
    QLabel* hint = builder.addStaticText({}, row.rect, Qt::AlignLeft | Qt::AlignVCenter);
    hint->setObjectName(QString::fromStdString(row.name));
    auto* edit = static_cast<QLineEdit*>(control(row.editId));
    const auto follow = [hint](const QString& text) { hint->setText(kilometresHint(text)); };
    connect(edit, &QLineEdit::textChanged, hint, follow);
}

// Where a tab bar's name is its current tab, as on Linux, a screen reader names it by the
// label that points to it; this one has none on screen, so it gets one that is not shown.
void ConfigDialog::nameForScreenReaders(QWidget& widget, const QString& name) {
    widget.setAccessibleName(name);
    auto* label = new QLabel(name, this);
    label->setBuddy(&widget);
    label->hide();
}

// The count is the encoder's own, from both profiles as the form holds them now.
void ConfigDialog::updateTextRoom() {
    const auto room = statusTextRoom(form_.recordAsShown());
    const int p = form_.shownProfile();
    QString line;
    if (room && !room->cut()) {
        line = formText(kCharactersLeft).arg(room->left[p]);
    } else if (room) {
        const bool bothCut = room->kept[kPrimary] < room->length[kPrimary] &&
                             room->kept[kSecondary] < room->length[kSecondary];
        const int loser = room->kept[kPrimary] < room->length[kPrimary] ? kPrimary : kSecondary;
        line = bothCut
                   ? formText(kCharactersCutFromBoth).arg(-room->left[p])
                   : formText(kCharactersCut)
                         .arg(QString::number(-room->left[p]), formText(kProfileTabTexts[loser]));
    }
    textRoom_->setText(line);
    showLiveLine(*control(ids::kStatusText), line);
}

void ConfigDialog::initDialog() {
    addAboutEntry(*this);
    setWindowIcon(appIcon_);
    const int remembered = choices_ != nullptr ? ports()->findText(choices_->portEntry()) : -1;
    ports()->setCurrentIndex(std::max(remembered, 0));
    ports()->showDevices(portWatcher_.devices());
    recordToForm();
    markSaved();
    control(ids::kCallsign)->setFocus();
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
    onClick(ids::kSmartBeaconingEnable, &ConfigDialog::onSmartBeaconingEnable);
    onClick(ids::kTimeSlottingEnable, &ConfigDialog::onTimeSlottingEnable);
    onClick(ids::kMicEEnable, &ConfigDialog::onEnableToggled);
    onClick(ids::kPowerSwitchEnable, &ConfigDialog::onEnableToggled);
    onClick(ids::kTimestampDhm, &ConfigDialog::onTimestampDhm);
    onClick(ids::kTimestampHms, &ConfigDialog::onTimestampHms);
    onClick(ids::kReadVersion, &ConfigDialog::onReadVersion);
    onClick(ids::kReadConfiguration, &ConfigDialog::onReadConfiguration);
    onClick(ids::kWriteConfiguration, &ConfigDialog::onWriteConfiguration);
    onClick(ids::kSend1200Hz, &ConfigDialog::onSend1200Hz);
    onClick(ids::kSend2200Hz, &ConfigDialog::onSend2200Hz);
    onClick(ids::kSendBoth, &ConfigDialog::onSendBoth);
    onClick(ids::kStopSending, &ConfigDialog::onStopSending);
    onClick(ids::kLoad, &ConfigDialog::onLoad);
    onClick(ids::kSave, &ConfigDialog::onSave);
    onClick(ids::kCompare, &ConfigDialog::onCompare);
    onClick(ids::kExit, &QDialog::accept);
    // Whatever changes in the form may change whether something is unsaved.
    for (const ProfileField& field : kProfileFields) {
        QWidget* widget = field.isShown() ? control(field.control.id) : nullptr;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, &ConfigDialog::updateModifiedMark);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            connect(box, &QCheckBox::toggled, this, &ConfigDialog::updateModifiedMark);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::currentIndexChanged, this,
                    &ConfigDialog::updateModifiedMark);
        }
    }
    connect(static_cast<QComboBox*>(control(ids::kMicEMessage)), &QComboBox::currentIndexChanged,
            this, &ConfigDialog::onMicEMessageChanged);
    // Ctrl+Tab and Ctrl+PageDown go to the next profile, Ctrl+Shift+Tab and Ctrl+PageUp back,
    // as between the pages of other tabbed windows.
    const auto stepProfile = [this](int step) {
        QTabBar* tabs = profileTabs();
        tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
    };
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [stepProfile] { stepProfile(1); });
    }
    for (const QKeyCombination keys :
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_PageUp}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [stepProfile] { stepProfile(-1); });
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
    // While a tone keys the radio, Enter stops it. Else, with no default button, Enter presses the
    // button that has the focus, and anywhere else is the OK command.
    auto* stop = static_cast<QPushButton*>(control(ids::kStopSending));
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else if (stop->isDefault()) {
        stop->click();
    } else {
        accept();
    }
}

// What each profile's edits held that never became a value comes back with its tab.
void ConfigDialog::onProfileTabChange() {
    form_.showProfile(profileTabs()->currentIndex() & 1);
    updateModifiedMark();
}

void ConfigDialog::onSmartBeaconingEnable() {
    if (form_.isChecked(ids::kSmartBeaconingEnable)) {
        form_.setChecked(ids::kTimeSlottingEnable, false);
    }
    form_.updateEnables();
}

void ConfigDialog::onTimeSlottingEnable() {
    if (form_.isChecked(ids::kTimeSlottingEnable)) {
        form_.setChecked(ids::kSmartBeaconingEnable, false);
    }
    form_.updateEnables();
}

void ConfigDialog::onEnableToggled() {
    form_.updateEnables();
}

void ConfigDialog::onTimestampDhm() {
    if (form_.isChecked(ids::kTimestampDhm)) {
        form_.setChecked(ids::kTimestampHms, false);
    }
}

void ConfigDialog::onTimestampHms() {
    if (form_.isChecked(ids::kTimestampHms)) {
        form_.setChecked(ids::kTimestampDhm, false);
    }
}

} // namespace wl3::ui
