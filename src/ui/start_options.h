#pragma once

#include "link/port_choice.h"
#include "ui/theme_choice.h"

#include <QStringList>
#include <filesystem>
#include <optional>

namespace wl3::ui {

class ConfigDialog;

// wrenlink3config [--port DEVICE] [--language CODE] [--theme THEME] [FILE]
struct StartOptions {
    std::optional<PortChoice> port;
    std::optional<std::filesystem::path> file;
    QString language;                 // empty: the system's
    std::optional<ThemeChoice> theme; // none: the one chosen last
};

// The command line, program name first. --help, --version and a command line that makes no
// sense are answered on the terminal, and the program ends there.
StartOptions parseStartOptions(const QStringList& arguments);

// The port is chosen at once; the file is loaded once the window runs, with the messages of
// Load.
void applyStartOptions(ConfigDialog& dialog, const StartOptions& options);

} // namespace wl3::ui
