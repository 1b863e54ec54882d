#include "ui/file_dialogs.h"

#include "formats/config_file_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace wl3::ui {

namespace {

// ".wl3", and the names and patterns built on it.
QString extension() {
    return QString::fromLatin1(kConfigFileExtension.data(), qsizetype(kConfigFileExtension.size()));
}

bool isPattern(const QString& name) {
    return name.contains(u'*') || name.contains(u'?');
}

// Asks until the user cancels (empty) or chooses a name that is not a pattern. Native
// dialogs elsewhere treat a typed pattern, such as the initial "*.wl3", as a filter; the
// toolkit's own dialog would return it as a name, so it is asked again in that folder.
QString askForFile(QWidget& owner, QFileDialog::AcceptMode mode, const QString& title,
                   QString folder, QString name) {
    // Load reads wl3's JSON form too; Save writes .wl3 only.
    const QString patterns = mode == QFileDialog::AcceptOpen
                                 ? QStringLiteral("*%1 *.json").arg(extension())
                                 : u'*' + extension();
    while (true) {
        QFileDialog dialog(&owner, title, folder);
        dialog.setAcceptMode(mode);
        // A typed name need not exist, whichever way the file goes.
        dialog.setFileMode(QFileDialog::AnyFile);
        //: The file dialogs' filter; %1 is the file name patterns, such as *.wl3.
        dialog.setNameFilter(
            QCoreApplication::translate("FileDialogs", "Wrenlink3 Config files (%1)")
                .arg(patterns));
        dialog.setDefaultSuffix(extension().mid(1));
        dialog.selectFile(name);
        dialog.setWindowModality(Qt::WindowModal);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        const QFileInfo chosen(dialog.selectedFiles().constFirst());
        folder = chosen.absolutePath();
        if (!isPattern(chosen.fileName())) {
            return chosen.absoluteFilePath();
        }
        name = chosen.fileName();
    }
}

} // namespace

std::optional<std::filesystem::path> QtFileDialogs::pathToLoad(QWidget& owner) {
    const QString title = QCoreApplication::translate("FileDialogs", "Load Config File");
    while (true) {
        const QString chosen = askForFile(owner, QFileDialog::AcceptOpen, title, rememberedFolder(),
                                          u'*' + extension());
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        const QFileInfo file(chosen);
        if (file.absoluteDir().exists()) {
            return file.filesystemAbsoluteFilePath();
        }
        QMessageBox::warning(
            &owner, title,
            QCoreApplication::translate("FileDialogs", "The folder does not exist:\n%1")
                .arg(QDir::toNativeSeparators(file.absolutePath())));
    }
}

// A bare name is proposed in the folder that Load would open.
std::optional<std::filesystem::path>
QtFileDialogs::pathToSave(QWidget& owner, const std::filesystem::path& current) {
    const QString title = QCoreApplication::translate("FileDialogs", "Save Config File");
    const QFileInfo proposed(current);
    const QString folder = current.has_parent_path() ? proposed.absolutePath() : rememberedFolder();
    const QString name = current.empty()
                             //: The name Save proposes for a new file, before .wl3.
                             ? QCoreApplication::translate("FileDialogs", "config1") + extension()
                             : proposed.fileName();
    const QString chosen = askForFile(owner, QFileDialog::AcceptSave, title, folder, name);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(chosen).filesystemAbsoluteFilePath();
}

QString QtFileDialogs::rememberedFolder() const {
    return choices_ != nullptr ? choices_->folder() : QString();
}

} // namespace wl3::ui
