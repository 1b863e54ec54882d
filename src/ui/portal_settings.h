#pragma once

#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <optional>

namespace wl3::ui {

// The desktop portal's appearance settings as it last told them; lives on the window's
// thread, where the portal's news of a change arrives.
class PortalSettings : public QObject {
    Q_OBJECT

public:
    explicit PortalSettings(QObject* parent) : QObject(parent) {}

    // 1 prefers dark, 2 light, 0 nothing.
    std::optional<uint> colorScheme;
    QString gtkTheme;

signals:
    void changed();

public slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

} // namespace wl3::ui
