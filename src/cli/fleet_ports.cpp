#include "cli/fleet_ports.h"

#include "cli/platform.h"
#include "link/port_choice.h"
#include "link/port_mapping.h"

#include <algorithm>
#include <map>

namespace wl3 {

namespace {

// What a port opens, for telling two names of one device apart: links followed, and a
// device node by its numbers, whatever its name.
std::string deviceOf(std::string_view port) {
    const std::optional<PortChoice> choice = parsePortChoice(port);
    if (!choice) {
        return std::string(port);
    }
    const std::string path = deviceFor(*choice);
    if (path.empty()) {
        return comPortName(choice->portNumber);
    }
    if (const auto numbers = characterDeviceNumbers(path)) {
        return "device " + std::to_string(*numbers);
    }
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(path, error);
    return error ? path : canonical.string();
}

} // namespace

bool namesSeveralPorts(const std::vector<std::string>& given) {
    return given.size() > 1 || std::ranges::find(given, kEveryUsbAdapter) != given.end();
}

std::optional<std::vector<std::string>> expandPorts(const std::vector<std::string>& given,
                                                    Reporter& reporter,
                                                    const AdapterLister& listAdapters) {
    std::vector<std::string> ports;
    for (const std::string& port : given) {
        if (port != kEveryUsbAdapter) {
            ports.push_back(port);
            continue;
        }
        const std::vector<std::string> found = listAdapters();
        if (found.empty()) {
            reporter.report(NoUsbAdapter{});
            return std::nullopt;
        }
        ports.insert(ports.end(), found.begin(), found.end());
    }
    return ports;
}

Status refuseRepeatedPorts(const std::vector<std::string>& ports,
                           const std::vector<std::string>& places, Reporter& reporter) {
    // Each device and where it was first named; a units file may have thousands of rows.
    std::map<std::string, std::size_t> firstNamed;
    Status status = Status::Ok;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const auto [earlier, added] = firstNamed.try_emplace(deviceOf(ports[i]), i);
        if (!added) {
            const std::size_t first = earlier->second;
            reporter.report(PortNamedTwice{places[i], ports[i], places[first], ports[first]});
            status = Status::Failed;
        }
    }
    return status;
}

bool namesFolder(const std::filesystem::path& path) {
    std::error_code error;
    return (!path.empty() && !path.has_filename()) || std::filesystem::is_directory(path, error);
}

Status prepareFolder(const std::filesystem::path& folder, Reporter& reporter) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error) ||
        std::filesystem::create_directory(folder, error)) {
        return Status::Ok;
    }
    reporter.report(FileFailed{FileAction::Save, FileStep::Open, folder.string(),
                               error ? FileReason{FileProblem::System, error}
                                     : FileReason{FileProblem::NotFolder}});
    return Status::Failed;
}

std::string portFileName(std::string_view port, std::string_view suffix) {
    for (const std::string_view folder : {"/dev/", "\\\\.\\"}) {
        if (port.starts_with(folder)) {
            port.remove_prefix(folder.size());
        }
    }
    std::string name(port);
    for (char& c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!plain) {
            c = '_';
        }
    }
    // Not hidden, and never "." or "..".
    if (name.empty() || name.front() == '.') {
        name.insert(0, "port");
    }
    return name + std::string(suffix);
}

} // namespace wl3
