#pragma once

#include <filesystem>
#include <optional>

class QWidget;

namespace wl3::ui {

// Where Load and Save ask the user for a file. Each call opens a new dialog, modal to owner;
// nothing is remembered between calls. Empty when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<std::filesystem::path> pathToLoad(QWidget& owner) = 0;
    virtual std::optional<std::filesystem::path> pathToSave(QWidget& owner) = 0;
};

// The toolkit's own file dialogs, offering only configuration files.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> pathToLoad(QWidget& owner) override;
    std::optional<std::filesystem::path> pathToSave(QWidget& owner) override;
};

} // namespace wl3::ui
