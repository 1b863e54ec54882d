#pragma once

#include "support/recording_reporter.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <string>

namespace wl3::test {

// A main window shown under test, driven the way a user would: clicks and keys.
class DialogDriver {
public:
    explicit DialogDriver(PortResolver resolver = [](int) { return std::string(); })
        : dialog(std::make_unique<ui::ConfigDialog>(reporter, std::move(resolver))) {
        dialog->show();
    }

    QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(dialog->control(id)); }
    QCheckBox* box(int id) const { return qobject_cast<QCheckBox*>(dialog->control(id)); }
    QComboBox* list(int id) const { return qobject_cast<QComboBox*>(dialog->control(id)); }
    QPushButton* button(int id) const { return qobject_cast<QPushButton*>(dialog->control(id)); }
    QTabBar* tabs() const { return qobject_cast<QTabBar*>(dialog->control(ui::kProfileTabs)); }

    // On the indicator, which is inside the control however the style lays out its text.
    void click(int id) const {
        QCheckBox* target = box(id);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    }

    void clickTab(int index) const {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }

    // Replaces an edit's text as typing would, without its key filters: like a paste.
    void replaceText(int id, const QString& text) const {
        edit(id)->selectAll();
        edit(id)->insert(text);
    }

    void typeInto(int id, const QString& keys) const {
        edit(id)->selectAll();
        QTest::keyClicks(edit(id), keys);
    }

    TrackerConfig& config() const { return dialog->config(); }

    RecordingReporter reporter;
    std::unique_ptr<ui::ConfigDialog> dialog;
};

} // namespace wl3::test
