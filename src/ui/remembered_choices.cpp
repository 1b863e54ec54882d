#include "ui/remembered_choices.h"

#include <QSettings>

namespace wl3::ui {

namespace {

const QString kFolderKey = QStringLiteral("files/lastFolder");
const QString kPortKey = QStringLiteral("port/lastEntry");

} // namespace

QString RememberedChoices::folder() const {
    return QSettings().value(kFolderKey).toString();
}

void RememberedChoices::setFolder(const QString& folder) {
    QSettings().setValue(kFolderKey, folder);
}

QString RememberedChoices::portEntry() const {
    return QSettings().value(kPortKey).toString();
}

void RememberedChoices::setPortEntry(const QString& entry) {
    QSettings().setValue(kPortKey, entry);
}

} // namespace wl3::ui
