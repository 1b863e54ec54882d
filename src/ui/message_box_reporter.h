#pragma once

#include "config/reporter.h"

#include <QString>

class QWidget;

namespace wl3::ui {

// Reports with message boxes that have a single OK button and no icon. They block the whole
// application, so that no second command can start while a box of the first is open. Each
// opens over its owner, on the owner's screen, and belongs to it among other windows.
class MessageBoxReporter : public Reporter {
public:
    // The owner may be set later, once the window exists; it must outlive the reporter's use.
    explicit MessageBoxReporter(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void errorBox(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;

private:
    void showBox(const QString& caption, std::string_view text) const;

    QWidget* owner_;
};

} // namespace wl3::ui
