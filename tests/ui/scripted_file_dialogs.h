#pragma once

#include "ui/file_dialogs.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace wl3::test {

// Answers the file dialogs from a script, in order; an empty answer, or none left, is a
// cancel. Notes which dialogs were asked for, and the file each save proposed.
class ScriptedFileDialogs : public ui::FileDialogs {
public:
    std::optional<std::filesystem::path> pathToLoad(QWidget&) override { return next("load"); }
    std::optional<std::filesystem::path> pathToSave(QWidget&,
                                                    const std::filesystem::path& current) override {
        proposed.push_back(current);
        return next("save");
    }

    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<std::string> asked;
    std::vector<std::filesystem::path> proposed;

private:
    std::optional<std::filesystem::path> next(const std::string& kind) {
        asked.push_back(kind);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace wl3::test
