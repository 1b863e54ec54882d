#include "ui/config_dialog.h"

#include "link/port_mapping.h"
#include "ui/about_entry.h"
#include "ui/app_icon.h"
#include "ui/config_dialog_layout.h"
#include "ui/dialog_builder.h"
#include "ui/input_rules.h"
#include "ui/message_box_reporter.h"
#include "ui/port_combo_box.h"
#include "ui/window_font.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

namespace wl3::ui {

namespace {

PortResolver systemResolver() {
    return [](int portNumber) { return portDevicePath(portNumber); };
}

QString textOf(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <std::size_t N>
void addItems(QComboBox& list, const std::array<std::string_view, N>& items) {
    for (const std::string_view item : items) {
        list.addItem(textOf(item));
    }
}

// The closed field is as tall as an edit; the rest of the row's height is the opened list.
constexpr int kComboFieldHeightDu = 13;

QLineEdit* makeEdit(InputRule input, DigitsOnlyFilter& digitsOnly, QWidget& parent) {
    auto* edit = new QLineEdit(&parent);
    if (input == InputRule::UpperCase) {
        edit->setValidator(new UpperCaseValidator(edit));
    } else if (input == InputRule::DigitsOnly) {
        edit->installEventFilter(&digitsOnly);
    }
    return edit;
}

// Typed text is never read: only the chosen item counts. The list would otherwise pick an
// item by the typed text, or keep an old one while showing something else, so typing
// leaves no item chosen instead and a command never goes to a port that is not shown.
void keepTypedTextUnread(QComboBox& list) {
    QLineEdit* field = list.lineEdit();
    list.setCompleter(nullptr);
    QObject::disconnect(field, &QLineEdit::returnPressed, &list, nullptr);
    QObject::disconnect(field, &QLineEdit::editingFinished, &list, nullptr);
    QObject::connect(field, &QLineEdit::textEdited, &list, [&list, field](const QString& text) {
        if (list.currentIndex() < 0) {
            return;
        }
        const int cursor = field->cursorPosition();
        list.setCurrentIndex(-1);
        field->setText(text);
        field->setCursorPosition(cursor);
    });
}

QComboBox* makeList(const ControlRow& row, const PortResolver& resolver, BaseUnits units,
                    QWidget& parent) {
    QComboBox* list =
        row.id == kComPort ? new PortComboBox(resolver, &parent) : new QComboBox(&parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    keepTypedTextUnread(*list);
    const QRect rect = duToPixels(row.rect, units);
    const int fieldHeight = duToPixelsY(kComboFieldHeightDu, units);
    list->setGeometry(rect.x(), rect.y(), rect.width(), fieldHeight);
    const int itemHeight = std::max(1, list->fontMetrics().height());
    list->setMaxVisibleItems(std::max(1, (rect.height() - fieldHeight) / itemHeight));
    return list;
}

// The tabs own no pages: one bar over a framed area that the form is drawn on. Returns the
// frame.
QWidget* placeProfileTabs(QTabBar& tabs, DuRect du, BaseUnits units, QWidget& parent) {
    tabs.setExpanding(false);
    tabs.setDrawBase(false);
    for (const std::string_view text : kProfileTabTexts) {
        tabs.addTab(textOf(text));
    }
    const QRect rect = duToPixels(du, units);
    const int tabHeight = tabs.sizeHint().height();
    tabs.setGeometry(rect.x(), rect.y(), rect.width(), tabHeight);
    const int overlap = parent.style()->pixelMetric(QStyle::PM_TabBarBaseOverlap);
    auto* page = new QFrame(&parent);
    page->setObjectName(QStringLiteral("profilePage"));
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    page->setGeometry(rect.x(), rect.y() + tabHeight - overlap, rect.width(),
                      rect.height() - tabHeight + overlap);
    return page;
}

} // namespace

ConfigDialog::ConfigDialog(QWidget* parent)
    : ConfigDialog(std::make_unique<MessageBoxReporter>(), nullptr,
                   makeSystemSerialPort(systemResolver()), systemResolver(), nullptr, parent) {}

ConfigDialog::ConfigDialog(Reporter& reporter, PortResolver resolver, QWidget* parent)
    : ConfigDialog(nullptr, &reporter, makeSystemSerialPort(resolver), resolver, nullptr, parent) {}

ConfigDialog::ConfigDialog(Reporter& reporter, std::unique_ptr<SerialPort> port,
                           PortResolver resolver, QWidget* parent)
    : ConfigDialog(nullptr, &reporter, std::move(port), std::move(resolver), nullptr, parent) {}

ConfigDialog::ConfigDialog(Reporter& reporter, PortResolver resolver, FileDialogs& fileDialogs,
                           QWidget* parent)
    : ConfigDialog(nullptr, &reporter, makeSystemSerialPort(resolver), resolver, &fileDialogs,
                   parent) {}

ConfigDialog::ConfigDialog(std::unique_ptr<Reporter> ownReporter, Reporter* reporter,
                           std::unique_ptr<SerialPort> port, PortResolver resolver,
                           FileDialogs* fileDialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ownReporter_(std::move(ownReporter)), reporter_(reporter ? *reporter : *ownReporter_),
      ownFileDialogs_(fileDialogs ? nullptr : std::make_unique<QtFileDialogs>()),
      fileDialogs_(fileDialogs ? *fileDialogs : *ownFileDialogs_), appIcon_(appIcon()),
      link_(reporter_, std::move(port)) {
    setWindowTitle(textOf(kWindowTitle));
    setFont(windowFont());
    baseUnits_ = baseUnitsOf(font());
    setFixedSize(duToPixelsX(kClientSize.width, baseUnits_),
                 duToPixelsY(kClientSize.height, baseUnits_));
    buildControls(resolver);
    initDialog();
    connectHandlers();
}

ConfigDialog::~ConfigDialog() = default;

QWidget* ConfigDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void ConfigDialog::buildControls(const PortResolver& resolver) {
    const DialogBuilder builder(*this, baseUnits_);
    digitsOnly_ = new DigitsOnlyFilter(this);

    QWidget* profilePage = nullptr;
    for (const ControlRow& row : configDialogRows()) {
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::Edit:
            widget = makeEdit(row.input, *digitsOnly_, *this);
            builder.place(*widget, row.rect);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(textOf(row.text), this);
            builder.place(*widget, row.rect);
            break;
        case ControlKind::ComboBox:
            widget = makeList(row, resolver, baseUnits_, *this);
            break;
        case ControlKind::PushButton:
            widget = builder.addPushButton(row.text, row.rect);
            break;
        case ControlKind::TabControl:
            profileTabs_ = new QTabBar(this);
            profilePage = placeProfileTabs(*profileTabs_, row.rect, baseUnits_, *this);
            widget = profileTabs_;
            break;
        }
        widget->setObjectName(textOf(row.name));
        widget->setProperty("controlId", row.id);
        controls_.emplace(row.id, widget);
        if (!row.label.text.empty()) {
            builder.addStaticText(row.label.text, row.label.rect,
                                  Qt::AlignRight | Qt::AlignVCenter);
        }
        if (!row.unit.text.empty()) {
            builder.addStaticText(row.unit.text, row.unit.rect, Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    builder.addStaticText(kWebAddress.text, kWebAddress.rect, Qt::AlignRight | Qt::AlignVCenter);

    // Lowest first: the tabs, then the group frames, so that the form is drawn over both.
    for (const GroupBoxRow& group : configDialogGroupBoxes()) {
        builder.addGroupBox(group.title, group.rect)->lower();
    }
    profilePage->lower();
    profileTabs_->lower();

    addItems(*comboBox(kMicEMessage), kMicEMessageItems);
    addItems(*comboBox(kMicEPath), kMicEPathItems);
    addItems(*comboBox(kComPort), kComPortItems);
}

void ConfigDialog::initDialog() {
    addAboutEntry(*this);
    setWindowIcon(appIcon_);
    auto* ports = static_cast<PortComboBox*>(comboBox(kComPort));
    ports->setCurrentIndex(0);
    ports->refreshDeviceTips();
    config_.currentProfile = profileTabs_->currentIndex() & 1;
    recordToForm();
    control(kCallsign)->setFocus();
}

void ConfigDialog::connectHandlers() {
    connect(profileTabs_, &QTabBar::currentChanged, this, &ConfigDialog::onProfileTabChange);
    const auto onClick = [this](int id, void (ConfigDialog::*handler)()) {
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
    config_.currentProfile = profileTabs_->currentIndex() & 1;
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
