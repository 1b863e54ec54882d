#include "cli/port_watch.h"

#include "cli/platform.h"
#include "formats/text_encoding.h"
#include "link/port_watcher.h"

#include <chrono>
#include <ctime>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <sstream>

namespace wl3 {

namespace {

// How long a wait lasts at most, so that an interrupt the wait did not see ends it soon.
constexpr int kInterruptCheckMs = 250;

std::string localTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::ostringstream text;
    text << std::put_time(std::localtime(&now),
                          "%Y-%m-%d %H:%M:%S"); // NOLINT(concurrency-mt-unsafe)
    return text.str();
}

std::string textLine(const PortChange& change) {
    std::string line = localTime() + "  " + std::string(changeWord(change));
    line.append(9 - changeWord(change).size(), ' ');
    line += change.device.portName + "  " + withoutControls(change.device.path);
    if (!change.device.description.empty()) {
        line += "  " + withoutControls(change.device.description);
    }
    return line;
}

// Bytes that are not UTF-8 become U+FFFD rather than ending the watch.
std::string jsonLine(const PortChange& change) {
    const nlohmann::ordered_json line{{"time", localTime()},
                                      {"change", changeWord(change)},
                                      {"port", change.device.portName},
                                      {"device", change.device.path},
                                      {"description", change.device.description}};
    return line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace

int runPortWatch(const CommandContext& context, bool json) {
    PortWatcher watcher;
    const std::unique_ptr<DeviceEvents> events = watchDeviceEvents();
    startCatchingInterrupts();
    forgetInterrupts();
    while (interruptsCaught() == 0 && context.out) {
        if (!events->wait(kInterruptCheckMs)) {
            continue;
        }
        for (const PortChange& change : watcher.rescan()) {
            context.out << (json ? jsonLine(change) : textLine(change)) << std::endl;
        }
    }
    stopCatchingInterrupts();
    return finishOutput(context);
}

} // namespace wl3
