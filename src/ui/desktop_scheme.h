#pragma once

#include <QObject>
#include <memory>

namespace wl3::ui {

// What the desktop asks of programs' colours, with news when that changes while the window
// is open. On Windows: the "apps use light theme" setting, and high contrast. On Linux: the
// desktop portal's colour scheme where the session bus has a portal, else the GTK theme or
// KDE's colour scheme. The portal is asked on a thread of its own, so that a slow bus never
// holds up the window: its answer comes as a change.
class DesktopScheme : public QObject {
    Q_OBJECT

public:
    enum class Preference { None, Light, Dark };

    explicit DesktopScheme(QObject* parent = nullptr);
    ~DesktopScheme() override;

    Preference preference() const;
    // Windows' high contrast, whose colours a program keeps by keeping the native style.
    bool highContrast() const;

signals:
    void changed();

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace wl3::ui
