#include "formats/config_io.h"

#include "files/text_file.h"
#include "files/whole_file.h"
#include "formats/config_file.h"
#include "formats/config_json.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace wl3 {

namespace {

constexpr std::string_view kJsonExtension = ".json";

// A configuration's JSON takes a few KiB; anything far larger is not one.
constexpr std::size_t kJsonSizeLimit = std::size_t{1} << 20;

// Reads as much as a JSON configuration may hold, and one byte more to tell a larger file.
std::optional<std::string> readUpToJsonLimit(const std::filesystem::path& path,
                                             Reporter& reporter) {
    return readInputFile(path, kJsonSizeLimit + 1, reporter);
}

Status loadJsonText(std::string_view text, const std::filesystem::path& source,
                    TrackerConfig& config, Reporter& reporter) {
    if (text.size() > kJsonSizeLimit) {
        reporter.report(
            FileFailed{FileAction::Load, FileStep::Size, source.string(), {FileProblem::TooLarge}});
        return Status::Failed;
    }
    TrackerConfig loaded;
    if (JsonProblem problem; !configFromJsonText(text, loaded, problem)) {
        reporter.report(JsonRefused{source.string(), problem});
        return Status::Failed;
    }
    config = loaded;
    return Status::Ok;
}

} // namespace

ConfigFileKind configFileKind(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == kConfigFileExtension) {
        return ConfigFileKind::Wl3;
    }
    if (extension == kJsonExtension) {
        return ConfigFileKind::Json;
    }
    return ConfigFileKind::Unknown;
}

bool namesConfigFile(const std::filesystem::path& path) {
    return configFileKind(path) != ConfigFileKind::Unknown || isStandardStream(path);
}

Status loadJsonConfiguration(const std::filesystem::path& path, TrackerConfig& config,
                             Reporter& reporter) {
    const auto text = readUpToJsonLimit(path, reporter);
    return text ? loadJsonText(*text, path, config, reporter) : Status::Failed;
}

Status loadConfiguration(const std::filesystem::path& path, TrackerConfig& config,
                         Reporter& reporter, std::optional<ConfigImage>* storedImage) {
    const bool json = !isStandardStream(path) && configFileKind(path) == ConfigFileKind::Json;
    // Standard input has no name to tell its kind by; a .wl3 file has its magic.
    const auto bytes =
        json ? readUpToJsonLimit(path, reporter)
             : readInputFile(path,
                             isStandardStream(path) ? kJsonSizeLimit + 1
                                                    : static_cast<std::size_t>(kConfigFileSize),
                             reporter);
    if (!bytes) {
        return Status::Failed;
    }
    if (json || (isStandardStream(path) && !hasConfigFileMagic(*bytes))) {
        return loadJsonText(*bytes, path, config, reporter);
    }
    ConfigImage image{};
    const Status status = loadConfigFileBytes(*bytes, path, config, reporter, &image);
    if (status == Status::Ok && storedImage != nullptr) {
        *storedImage = image;
    }
    return status;
}

Status saveConfiguration(const std::filesystem::path& path, const TrackerConfig& config,
                         Reporter& reporter) {
    if (configFileKind(path) != ConfigFileKind::Json) {
        return saveConfigFile(path, config, reporter);
    }
    return writeTextFile(path, configToJsonText(config), reporter);
}

} // namespace wl3
