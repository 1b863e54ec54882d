#pragma once

#include "config/reporter.h"
#include "config/tracker_config.h"
#include "link/serial_link.h"
#include "link/serial_port.h"
#include "ui/file_dialogs.h"

#include <QDialog>
#include <QIcon>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

class QComboBox;
class QTabBar;

namespace wl3::ui {

// What the window works with beyond its own controls. The program passes message boxes,
// the toolkit's file dialogs and this machine's serial ports; the tests pass fakes.
struct ConfigDialogServices {
    Reporter& reporter;
    FileDialogs& fileDialogs;
    PortResolver portResolver; // the device that each COM port opens
};

// The main window: one form over two profile tabs, the COM list and the command buttons.
// The record is the only store; the form shows its currentProfile and the shared
// calibration, and values move between them only when formToRecord or recordToForm runs.
class ConfigDialog : public QDialog {
    Q_OBJECT

public:
    // The services must outlive the window.
    explicit ConfigDialog(const ConfigDialogServices& services, QWidget* parent = nullptr);
    ~ConfigDialog() override;

    TrackerConfig& config() { return config_; }

    // Texts are bytes read as Latin-1 (see edit_text.h).
    std::string getEditText(int id) const;
    int getEditNumber(int id) const;
    void setEditText(int id, std::string_view text);
    void setEditNumber(int id, int value);
    bool isChecked(int id) const;
    // Changes the state only; no click handler runs.
    void setChecked(int id, bool checked);

    void formToRecord();
    void recordToForm();
    void updateEnables();

    // The file commands once a path is chosen; each reports its own failures.
    void loadFile(const std::filesystem::path& path);
    void saveFile(const std::filesystem::path& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(const PortResolver& resolver);
    void initDialog();
    void connectHandlers();

    // The control with that id, or nullptr.
    QWidget* control(int id) const;
    QComboBox* comboBox(int id) const;
    QTabBar* profileTabs() const;
    int selectedIndex(int id) const;
    void selectIndex(int id, int index);
    void enableControls(std::initializer_list<int> ids, bool enabled);

    void onProfileTabChange();
    void onSmartBeaconingEnable();
    void onTimeSlottingEnable();
    void onEnableToggled();
    void onTimestampDhm();
    void onTimestampHms();

    void onLoad();
    void onSave();
    void onReadVersion();
    void onReadConfiguration();
    void onWriteConfiguration();
    void onSend1200Hz();
    void onSend2200Hz();
    void onSendBoth();
    void onStopSending();
    void selectPort();
    void sendTestTone(ToneCode code);

    Reporter& reporter_;
    FileDialogs& fileDialogs_;
    QIcon appIcon_;
    TrackerConfig config_;
    SerialLink link_;
    std::map<int, QWidget*> controls_;
};

} // namespace wl3::ui
