#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace wl3::test {

// Answers the modal windows that open from now on, in order, one step each, while the code
// under test waits in them.
class ModalScript {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) { schedule(); }

    bool finished() const { return next_ == steps_.size(); }

private:
    // A new timer each time: a timer does not fire again while its handler is still running,
    // and a step may open the next window and wait in it.
    void schedule() {
        QTimer::singleShot(10, &context_, [this] { answerNext(); });
    }

    void answerNext() {
        if (finished()) {
            return;
        }
        schedule();
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property("wl3Answered").toBool()) {
            return;
        }
        modal->setProperty("wl3Answered", true);
        steps_[next_++](*modal);
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QObject context_;
};

// Answers the question about unsaved edits with its button "save", "discard" or "cancel";
// asked, when given, notes that it came.
inline ModalScript::Step answerUnsaved(const char* button, bool* asked = nullptr) {
    return [button, asked](QWidget& modal) {
        QCOMPARE(modal.objectName(), QStringLiteral("unsavedEdits"));
        if (asked != nullptr) {
            *asked = true;
        }
        modal.findChild<QPushButton*>(QLatin1String(button))->click();
    };
}

} // namespace wl3::test
