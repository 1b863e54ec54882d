#pragma once

#include "ui/remembered_choices.h"

#include <filesystem>
#include <optional>

class QWidget;

namespace wl3::ui {

// Where Load and Save ask the user for a file. Each call opens a new dialog, modal to owner.
// Empty when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<std::filesystem::path> pathToLoad(QWidget& owner) = 0;
    // Proposes current: the file the form was last loaded from or saved to, or a name alone
    // for a new file, or nothing for the usual name.
    virtual std::optional<std::filesystem::path>
    pathToSave(QWidget& owner, const std::filesystem::path& current) = 0;
};

// The toolkit's own file dialogs, offering only configuration files. With choices, each
// opens in the folder of the file last loaded or saved, in this run or an earlier one.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(RememberedChoices* choices = nullptr) : choices_(choices) {}

    std::optional<std::filesystem::path> pathToLoad(QWidget& owner) override;
    std::optional<std::filesystem::path> pathToSave(QWidget& owner,
                                                    const std::filesystem::path& current) override;

private:
    QString rememberedFolder() const;

    RememberedChoices* choices_;
};

} // namespace wl3::ui
