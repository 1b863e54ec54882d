#include "formats/config_json.h"

#include "config/profile_fields.h"
#include "formats/exact_json.h"
#include "formats/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <type_traits>
#include <vector>

namespace wl3 {

namespace {

using Json = nlohmann::ordered_json;

// A profile's fields in the record's declaration order, which is the order of the members'
// addresses within any one record.
const std::vector<const ProfileField*>& profileFieldsInDeclarationOrder() {
    static const std::vector<const ProfileField*> fields = [] {
        std::vector<const ProfileField*> perProfile;
        for (const ProfileField& field : kProfileFields) {
            if (!field.isShared()) {
                perProfile.push_back(&field);
            }
        }
        const TrackerConfig record;
        std::ranges::sort(perProfile, std::less<>(), [&record](const ProfileField* field) {
            return visitValue(record, *field, kPrimary,
                              [](const auto& value) { return static_cast<const void*>(&value); });
        });
        return perProfile;
    }();
    return fields;
}

// The field of that key: one of a profile's, or one that both profiles share.
const ProfileField* fieldNamed(std::string_view key, bool shared) {
    const auto found = std::ranges::find_if(kProfileFields, [&](const ProfileField& field) {
        return field.key == key && field.isShared() == shared;
    });
    return found == kProfileFields.end() ? nullptr : &*found;
}

constexpr std::array<std::string_view, kProfileCount> kProfileKeys{"primary", "secondary"};

Json jsonOf(int value) {
    return value;
}
Json jsonOf(bool value) {
    return value;
}
Json jsonOf(char value) {
    return latin1ToUtf8(value == '\0' ? std::string_view() : std::string_view(&value, 1));
}
template <std::size_t N> Json jsonOf(const TextField<N>& text) {
    return latin1ToUtf8(textOf(text));
}

// Each reader stores value into target, or returns why it cannot.
using Refusal = std::optional<JsonProblem>;

Refusal refused(JsonProblem::Kind kind, std::uint64_t count = 0) {
    return JsonProblem{kind, {}, count, {}};
}

Refusal readInt(const Json& value, int& target) {
    using Kind = JsonProblem::Kind;
    constexpr auto kLow = std::numeric_limits<int>::min();
    constexpr auto kHigh = std::numeric_limits<int>::max();
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(kHigh)) {
            return refused(Kind::OutOfRange);
        }
        target = static_cast<int>(number);
        return {};
    }
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number < kLow || number > kHigh) {
            return refused(Kind::OutOfRange);
        }
        target = static_cast<int>(number);
        return {};
    }
    if (value.is_number_float()) {
        // Whole numbers that fit were read as integers (parseJsonExactly).
        const auto number = value.get<double>();
        return refused(number >= kLow && number <= kHigh ? Kind::NotWhole : Kind::OutOfRange);
    }
    return refused(Kind::NotNumber);
}

Refusal readFlag(const Json& value, bool& target) {
    if (!value.is_boolean()) {
        return refused(JsonProblem::Kind::NotFlag);
    }
    target = value.get<bool>();
    return {};
}

// The characters of a JSON string as Latin-1 bytes, at most limit of them.
Refusal readLatin1(const Json& value, std::size_t limit, std::string& latin1) {
    using Kind = JsonProblem::Kind;
    if (!value.is_string()) {
        return refused(Kind::NotString);
    }
    const auto characters = decodeUtf8(value.get_ref<const std::string&>());
    if (characters.size() > limit) {
        return refused(Kind::TooLong, limit);
    }
    latin1.clear();
    for (char32_t c : characters) {
        if (c == 0) {
            return refused(Kind::HoldsNul);
        }
        if (c > 0xFF) {
            return refused(Kind::BeyondLatin1, c);
        }
        latin1 += static_cast<char>(c);
    }
    return {};
}

Refusal readChar(const Json& value, char& target) {
    std::string latin1;
    auto refusal = readLatin1(value, 1, latin1);
    if (!refusal) {
        target = latin1.empty() ? '\0' : latin1.front();
    }
    return refusal;
}

template <std::size_t N> Refusal readText(const Json& value, TextField<N>& target) {
    std::string latin1;
    auto refusal = readLatin1(value, N - 1, latin1);
    if (!refusal) {
        setText(target, latin1);
    }
    return refusal;
}

Refusal readValue(const Json& value, int& target) {
    return readInt(value, target);
}
Refusal readValue(const Json& value, bool& target) {
    return readFlag(value, target);
}
Refusal readValue(const Json& value, char& target) {
    return readChar(value, target);
}
template <std::size_t N> Refusal readValue(const Json& value, TextField<N>& target) {
    return readText(value, target);
}

// The characters of the input that a message quotes: a number may be a megabyte.
constexpr std::size_t kQuoteShown = 40;

// The parser's own words without its exception tag and its echo of the input, which may
// hold bytes that are not text. A number too large for a double is still quoted whole,
// and a megabyte of digits makes no message: the quote is cut short.
std::string parseErrorText(const nlohmann::json::exception& e) {
    std::string_view what = e.what();
    if (const auto tagEnd = what.find("] "); tagEnd != std::string_view::npos) {
        what.remove_prefix(tagEnd + 2);
    }
    if (const auto echo = what.find("; last read"); echo != std::string_view::npos) {
        what = what.substr(0, echo);
    }
    std::string text(what);
    const auto open = text.find('\'');
    const auto close = text.rfind('\'');
    if (open != std::string::npos && close > open + 1 + kQuoteShown) {
        text.replace(open + 1 + kQuoteShown, close - (open + 1 + kQuoteShown), "...");
    }
    return text;
}

JsonProblem keyProblem(JsonProblem::Kind kind, std::string_view key) {
    return {kind, std::string(key), 0, {}};
}

// Reads the field under its key's path, or says why not.
Refusal readField(const Json& value, std::string_view path, const ProfileField& field, int p,
                  TrackerConfig& config) {
    auto refusal =
        visitValue(config, field, p, [&](auto& target) { return readValue(value, target); });
    if (refusal) {
        refusal->key = path;
    }
    return refusal;
}

// Reads a document into a record as the parser meets it, so that the work grows with the
// document alone: the first key that is unknown or given twice ends the read, and so does an
// object or an array where a field's value belongs. Nothing is built beyond one value.
class ConfigReader {
public:
    explicit ConfigReader(TrackerConfig& config) : config_(config) {}

    // Why the read ended early.
    const JsonProblem& problem() const { return problem_; }

    bool null() { return value(nullptr); }
    bool boolean(bool flag) { return value(flag); }
    bool number_integer(Json::number_integer_t number) { return value(number); }
    bool number_unsigned(Json::number_unsigned_t number) { return value(number); }
    bool number_float(Json::number_float_t number, const std::string& text) {
        return value(exactNumber(number, text));
    }
    bool string(const Json::string_t& text) { return value(text); }
    bool binary(const Json::binary_t& bytes) { return value(Json::binary(bytes)); }

    bool start_object(std::size_t /*size*/) {
        if (level_ == Level::Document) {
            level_ = Level::Top;
            return true;
        }
        if (level_ == Level::Top && profile_) {
            level_ = Level::Profile;
            return true;
        }
        return value(Json::object());
    }

    bool end_object() {
        level_ = level_ == Level::Profile ? Level::Top : Level::Document;
        profile_.reset();
        return true;
    }

    // No value is an array, so the read always ends at one; its end is never reached.
    bool start_array(std::size_t /*size*/) { return value(Json::array()); }
    bool end_array() { return true; }

    bool key(const Json::string_t& key) {
        if (level_ == Level::Top) {
            path_ = key;
            profile_ = profileNamed(key);
            field_ = profile_ ? nullptr : fieldNamed(key, true);
            if (!profile_ && field_ == nullptr) {
                return fail(keyProblem(JsonProblem::Kind::UnknownKey, path_));
            }
        } else {
            path_ = std::string(kProfileKeys[static_cast<std::size_t>(*profile_)]) + "." + key;
            field_ = fieldNamed(key, false);
            if (field_ == nullptr) {
                return fail(keyProblem(JsonProblem::Kind::UnknownKey, path_));
            }
        }
        if (!seen_.insert(path_).second) {
            return fail(keyProblem(JsonProblem::Kind::DuplicateKey, path_));
        }
        return true;
    }

    bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                     const nlohmann::detail::exception& e) {
        return fail({JsonProblem::Kind::NotJson, {}, 0, parseErrorText(e)});
    }

private:
    enum class Level { Document, Top, Profile };

    static std::optional<int> profileNamed(std::string_view key) {
        const auto found = std::ranges::find(kProfileKeys, key);
        if (found == kProfileKeys.end()) {
            return std::nullopt;
        }
        return static_cast<int>(found - kProfileKeys.begin());
    }

    bool value(const Json& given) {
        if (level_ == Level::Document) {
            return fail({JsonProblem::Kind::NotObject, {}, 0, {}});
        }
        if (field_ == nullptr) {
            return fail(keyProblem(JsonProblem::Kind::MustBeObject, path_));
        }
        auto why = readField(given, path_, *field_, profile_.value_or(kPrimary), config_);
        return !why || fail(std::move(*why));
    }

    bool fail(JsonProblem problem) {
        problem_ = std::move(problem);
        return false;
    }

    TrackerConfig& config_;
    Level level_ = Level::Document;
    std::optional<int> profile_;              // the profile being read, or named by the key
    const ProfileField* field_ = nullptr;     // the field of the last key
    std::string path_;                        // the last key, under its profile's
    std::set<std::string, std::less<>> seen_; // every key read, only known ones: a few dozen
    JsonProblem problem_;
};

} // namespace

Json configToJson(const TrackerConfig& config) {
    const auto valueOf = [&config](const ProfileField& field, int p) {
        return visitValue(config, field, p, [](const auto& value) { return jsonOf(value); });
    };
    Json document = Json::object();
    for (const ProfileField& field : kProfileFields) {
        if (field.isShared()) {
            document[std::string(field.key)] = valueOf(field, kPrimary);
        }
    }
    for (int p = 0; p < kProfileCount; ++p) {
        Json profile = Json::object();
        for (const ProfileField* field : profileFieldsInDeclarationOrder()) {
            profile[std::string(field->key)] = valueOf(*field, p);
        }
        document[std::string(kProfileKeys[p])] = std::move(profile);
    }
    return document;
}

std::string configToJsonText(const TrackerConfig& config) {
    return configToJson(config).dump(2) + "\n";
}

std::string configKeyPath(const ProfileField& field, int p) {
    if (field.isShared()) {
        return std::string(field.key);
    }
    return std::string(kProfileKeys[static_cast<std::size_t>(p)]) + "." + std::string(field.key);
}

const ProfileField* findConfigKey(std::string_view keyPath, int& profile) {
    const auto dot = keyPath.find('.');
    if (dot == std::string_view::npos) {
        profile = kPrimary;
        return fieldNamed(keyPath, true);
    }
    const auto found = std::ranges::find(kProfileKeys, keyPath.substr(0, dot));
    if (found == kProfileKeys.end()) {
        return nullptr;
    }
    profile = static_cast<int>(found - kProfileKeys.begin());
    return fieldNamed(keyPath.substr(dot + 1), false);
}

bool setConfigValueFromText(std::string_view keyPath, std::string_view text, TrackerConfig& config,
                            JsonProblem& problem) {
    int p = kPrimary;
    const ProfileField* field = findConfigKey(keyPath, p);
    if (field == nullptr) {
        problem = keyProblem(JsonProblem::Kind::UnknownKey, keyPath);
        return false;
    }
    const bool isText = visitValue(config, *field, p, [](const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        return !std::is_same_v<Value, int> && !std::is_same_v<Value, bool>;
    });
    // The parser would end a number at a NUL; as a text, the reader refuses it.
    Json value = isText || text.find('\0') != std::string_view::npos
                     ? Json(Json::value_t::discarded)
                     : Json::parse(text, nullptr, false);
    if (value.is_discarded()) {
        value = std::string(text);
    }
    TrackerConfig result = config;
    if (auto refusal = readField(value, keyPath, *field, p, result)) {
        problem = std::move(*refusal);
        return false;
    }
    config = result;
    return true;
}

bool configFromJsonText(std::string_view text, TrackerConfig& config, JsonProblem& problem) {
    // The parser takes a NUL for the end of its input and would not see what follows.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        problem = {JsonProblem::Kind::NulByte, {}, nul + 1, {}};
        return false;
    }
    TrackerConfig result = config;
    ConfigReader reader(result);
    if (!Json::sax_parse(text, &reader)) {
        problem = reader.problem();
        return false;
    }
    config = result;
    return true;
}

} // namespace wl3
