#pragma once

#include "scripted_file_dialogs.h"
#include "support/recording_reporter.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_layout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace wl3::test {

// Notes, with every report, the cursor that the application had put over everything.
class CursorNotingReporter : public RecordingReporter {
public:
    void report(const Outcome& outcome) override {
        noteCursor();
        RecordingReporter::report(outcome);
    }

    // Qt::ArrowCursor where none was set.
    std::vector<Qt::CursorShape> cursors;

private:
    void noteCursor() {
        // Boxes are widgets: a command running on a worker must show them through the GUI
        // thread.
        if (QThread::currentThread() != QApplication::instance()->thread()) {
            qFatal("a box shown from outside the GUI thread");
        }
        const QCursor* cursor = QApplication::overrideCursor();
        cursors.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
    }
};

// A main window shown under test, driven the way a user would: clicks and keys. Its file
// dialogs answer from fileDialogs.answers.
class DialogDriver {
public:
    explicit DialogDriver(PortResolver resolver = [](int) { return std::string(); })
        : dialog(std::make_unique<ui::ConfigDialog>(
              ui::ConfigDialogServices{reporter, fileDialogs, std::move(resolver)})) {
        dialog->show();
    }

    // The control with that id, found by the object name that the layout gives it.
    template <typename Widget = QWidget> Widget* control(int id) const {
        const auto rows = ui::configDialogRows();
        const auto row = std::ranges::find(rows, id, &ControlRow::id);
        Widget* widget = row == rows.end() ? nullptr
                                           : dialog->findChild<Widget*>(QString::fromLatin1(
                                                 row->name.data(), qsizetype(row->name.size())));
        if (widget == nullptr) {
            qFatal("no control %d of that kind", id);
        }
        return widget;
    }

    QLineEdit* edit(int id) const { return control<QLineEdit>(id); }
    QCheckBox* box(int id) const { return control<QCheckBox>(id); }
    QComboBox* list(int id) const { return control<QComboBox>(id); }
    QPushButton* button(int id) const { return control<QPushButton>(id); }
    QTabBar* tabs() const { return control<QTabBar>(ids::kProfileTabs); }

    // On the indicator, which is inside the control however the style lays out its text.
    void click(int id) const {
        QCheckBox* target = box(id);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    }

    void press(int id) const { QTest::mouseClick(button(id), Qt::LeftButton); }

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

    // What the user was shown since the last call, one box a line: "caption: text", or the
    // text alone for an error box.
    QStringList takeReports() {
        QStringList shown;
        for (const auto& [caption, text] : reporter.entries) {
            const QString body = QString::fromLatin1(text.data(), qsizetype(text.size()));
            shown << (caption.empty() ? body : QString::fromStdString(caption) + ": " + body);
        }
        reporter.entries.clear();
        reporter.cursors.clear();
        return shown;
    }

    CursorNotingReporter reporter;
    ScriptedFileDialogs fileDialogs;
    std::unique_ptr<ui::ConfigDialog> dialog;
};

} // namespace wl3::test
