#include "config/record_printer.h"
#include "formats/config_json.h"
#include "support/case_names.h"
#include "support/every_field.h"
#include "wording/wording.h"

#include <climits>
#include <gtest/gtest.h>

namespace wl3 {
namespace {

using Json = nlohmann::ordered_json;

// configFromJsonText, its refusal in the words a load shows above the file's name.
bool readJson(std::string_view text, TrackerConfig& config, std::string& error) {
    JsonProblem problem;
    if (configFromJsonText(text, config, problem)) {
        return true;
    }
    const Wording shown = wordingOf(JsonRefused{"c.json", problem});
    error = english(shown.lines.front());
    return false;
}

// A record unlike the defaults in every kind of field, both profiles apart.
TrackerConfig unusualConfig() {
    TrackerConfig config;
    config.calibration = -7;
    setText(config.callsign[kPrimary], "N0CALL-9");
    setText(config.callsign[kSecondary], "\xC4\xFF");
    setText(config.digiPath[kSecondary], "");
    setText(config.statusText[kPrimary], std::string(199, 'x'));
    setText(config.statusText[kSecondary], "caf\xE9 \x7F\x01");
    config.symbol[kPrimary] = '\0';
    config.symbolTable[kSecondary] = '\xB5';
    config.autoTxDelayMs[kPrimary] = INT_MIN;
    config.quietTimeMs[kSecondary] = INT_MAX;
    config.micEPath[kPrimary] = 15;
    config.rateDivides600[kSecondary] = true;
    config.noPttOutWhilePttIn[kPrimary] = true;
    config.sendAltitude[kSecondary] = false;
    return config;
}

TEST(ConfigJson, ExportsEveryProfileFieldInDeclarationOrder) {
    const Json json = configToJson(TrackerConfig());
    std::vector<std::string> topKeys;
    for (const auto& [key, value] : json.items()) {
        topKeys.push_back(key);
    }
    EXPECT_EQ(topKeys, (std::vector<std::string>{"calibration", "primary", "secondary"}));

    std::vector<std::string> profileKeys;
    for (const auto& [key, value] : json["primary"].items()) {
        profileKeys.push_back(key);
    }
    ASSERT_EQ(profileKeys.size(), 37u);
    EXPECT_EQ(profileKeys.front(), "callsign");
    EXPECT_EQ(profileKeys[3], "autoTxDelayMs");
    EXPECT_EQ(profileKeys[25], "rateDivides60");
    EXPECT_EQ(profileKeys[26], "rateDivides600");
    EXPECT_EQ(profileKeys.back(), "noPttOutWhilePttIn");
    EXPECT_EQ(json["secondary"].size(), 37u);
}

TEST(ConfigJson, ExportsTypesAsTheRecordHoldsThem) {
    const Json json = configToJson(unusualConfig());
    EXPECT_EQ(json["calibration"], -7);
    EXPECT_EQ(json["primary"]["callsign"], "N0CALL-9");
    EXPECT_EQ(json["secondary"]["callsign"], "\u00C4\u00FF");
    EXPECT_EQ(json["secondary"]["statusText"], "caf\u00E9 \u007F\u0001");
    EXPECT_EQ(json["primary"]["symbol"], "");
    EXPECT_EQ(json["primary"]["symbolTable"], "/");
    EXPECT_EQ(json["secondary"]["symbolTable"], "\u00B5");
    EXPECT_EQ(json["primary"]["autoTxDelayMs"], INT_MIN);
    EXPECT_EQ(json["primary"]["noPttOutWhilePttIn"], true);
    EXPECT_EQ(json["secondary"]["sendAltitude"], false);
}

TEST(ConfigJson, DocumentIsTwoSpaceIndentedWithAFinalLineBreak) {
    const std::string text = configToJsonText(TrackerConfig());
    const std::string start = "{\n  \"calibration\": 128,\n  \"primary\": {\n    \"callsign\": ";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.back(), '\n');
}

TEST(ConfigJson, RoundTripGivesTheSameRecordAndTheSameText) {
    const TrackerConfig original = unusualConfig();
    const std::string text = configToJsonText(original);
    TrackerConfig read;
    std::string error;
    ASSERT_TRUE(readJson(text, read, error)) << error;
    EXPECT_EQ(read, original);
    EXPECT_EQ(configToJsonText(read), text);
}

TEST(ConfigJson, EveryFieldTravelsUnderAKeyOfItsOwn) {
    TrackerConfig original;
    test::setEveryField(original, kPrimary);
    test::setEveryField(original, kSecondary);
    TrackerConfig read;
    std::string error;
    ASSERT_TRUE(readJson(configToJsonText(original), read, error)) << error;
    EXPECT_EQ(read, original);
}

TEST(ConfigJson, MissingKeysKeepTheRecordsValues) {
    TrackerConfig config;
    std::string error;
    ASSERT_TRUE(
        readJson(R"({"secondary": {"callsign": "W1AW", "timeSlotting": true}})", config, error))
        << error;
    TrackerConfig expected;
    setText(expected.callsign[kSecondary], "W1AW");
    expected.timeSlotting[kSecondary] = true;
    EXPECT_EQ(config, expected);
}

TEST(ConfigJson, AcceptsTheLimitsExactly) {
    const Json json = {{"calibration", INT_MIN},
                       {"primary",
                        {{"callsign", std::string(19, 'C')},
                         {"digiPath", std::string(99, 'D')},
                         {"statusText", std::string(199, 'S')},
                         {"symbol", "\u00FF"},
                         {"autoRateSec", INT_MAX},
                         {"slowRateSec", 1e3}}}};
    TrackerConfig config;
    std::string error;
    ASSERT_TRUE(readJson(json.dump(), config, error)) << error;
    EXPECT_EQ(config.calibration, INT_MIN);
    EXPECT_EQ(textOf(config.callsign[kPrimary]).size(), 19u);
    EXPECT_EQ(textOf(config.digiPath[kPrimary]).size(), 99u);
    EXPECT_EQ(textOf(config.statusText[kPrimary]).size(), 199u);
    EXPECT_EQ(config.symbol[kPrimary], '\xFF');
    EXPECT_EQ(config.autoRateSec[kPrimary], INT_MAX);
    EXPECT_EQ(config.slowRateSec[kPrimary], 1000);
}

TEST(ConfigJson, AcceptsWholeNumbersWrittenWithAFractionOrExponent) {
    TrackerConfig config;
    std::string error;
    ASSERT_TRUE(readJson(R"({"calibration": -2147483648.000e0,
        "primary": {"slowRateSec": 12.50e1, "fastRateSec": 0.0e-9999999999999999999999,
                    "turnSlope": 2147483.647E+3}})",
                         config, error))
        << error;
    EXPECT_EQ(config.calibration, INT_MIN);
    EXPECT_EQ(config.slowRateSec[kPrimary], 125);
    EXPECT_EQ(config.fastRateSec[kPrimary], 0);
    EXPECT_EQ(config.turnSlope[kPrimary], INT_MAX);
}

struct Rejection {
    std::string json;
    std::string expectedError;
};

void PrintTo(const Rejection& rejection, std::ostream* os) {
    *os << rejection.expectedError;
}

class ConfigJsonRejects : public testing::TestWithParam<Rejection> {};

TEST_P(ConfigJsonRejects, NamesTheKeyAndLeavesTheRecordAlone) {
    TrackerConfig config = unusualConfig();
    std::string error;
    EXPECT_FALSE(readJson(GetParam().json, config, error));
    EXPECT_EQ(error, GetParam().expectedError);
    EXPECT_EQ(config, unusualConfig());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ConfigJsonRejects,
    testing::Values(
        Rejection{R"({"calibrate": 1})", R"(unknown key "calibrate")"},
        Rejection{R"({"primary": {"callSign": "X"}})", R"(unknown key "primary.callSign")"},
        Rejection{R"({"secondary": {"sch\u00F6n\u2713": 1}})",
                  "unknown key \"secondary.sch\xF6nU+2713\""},
        Rejection{R"({"primary": {")" + std::string(100'000, 'k') + R"(": 1}})",
                  "unknown key \"primary." + std::string(32, 'k') + "...\""},
        Rejection{R"({"secondary": {"calibrationChanged": true}})",
                  R"(unknown key "secondary.calibrationChanged")"},
        Rejection{R"({"primary": {"autoRateSec": "60"}})",
                  R"("primary.autoRateSec" must be a number)"},
        Rejection{R"({"primary": {"quietTimeMs": 1.5}})",
                  R"("primary.quietTimeMs" must be a whole number)"},
        // A double would round each of these to a whole number.
        Rejection{R"({"primary": {"quietTimeMs": 1e-400}})",
                  R"("primary.quietTimeMs" must be a whole number)"},
        Rejection{R"({"primary": {"quietTimeMs": -0.0000001}})",
                  R"("primary.quietTimeMs" must be a whole number)"},
        Rejection{R"({"primary": {"turnSlope": 2147483646.9999999999}})",
                  R"("primary.turnSlope" must be a whole number)"},
        Rejection{R"({"primary": {"timeSlotting": 1}})",
                  R"("primary.timeSlotting" must be true or false)"},
        Rejection{R"({"secondary": {"callsign": 7}})", R"("secondary.callsign" must be a string)"},
        Rejection{R"({"primary": {"symbol": null}})", R"("primary.symbol" must be a string)"},
        Rejection{R"({"calibration": true})", R"("calibration" must be a number)"},
        Rejection{R"({"primary": []})", R"("primary" must be an object)"},
        // The last of two would replace the first unseen, a whole profile at a time.
        Rejection{R"({"calibration": 1, "calibration": 2})", R"(duplicate key "calibration")"},
        Rejection{R"({"primary": {"callsign": "W1AW"}, "primary": {}})",
                  R"(duplicate key "primary")"},
        Rejection{R"({"secondary": {"symbol": "a", "symbol": "b"}})",
                  R"(duplicate key "secondary.symbol")"},
        Rejection{R"({"primary": {"callsign": {"a": 1, "a": 2}}})",
                  R"("primary.callsign" must be a string)"},
        // The parser alone would stop at the NUL and take what came before for the whole.
        Rejection{std::string("{\"calibration\": 5}\0garbage", 25),
                  "not valid JSON: a NUL byte at byte 19"},
        Rejection{R"({"calibration": 5} x)", "not valid JSON: parse error at line 1, column 20: "
                                             "syntax error while parsing value - invalid literal"},
        Rejection{R"([1, 2])", "the document must be a JSON object"},
        Rejection{R"({"primary": {"callsign": "ABCDEFGHIJKLMNOPQRST"}})",
                  R"("primary.callsign" is longer than 19 characters)"},
        Rejection{R"({"primary": {"digiPath": ")" + std::string(100, 'W') + R"("}})",
                  R"("primary.digiPath" is longer than 99 characters)"},
        Rejection{R"({"secondary": {"statusText": ")" + std::string(200, 's') + R"("}})",
                  R"("secondary.statusText" is longer than 199 characters)"},
        Rejection{R"({"primary": {"symbol": "ab"}})",
                  R"("primary.symbol" is longer than 1 character)"},
        Rejection{R"({"secondary": {"symbolTable": "//"}})",
                  R"("secondary.symbolTable" is longer than 1 character)"},
        Rejection{R"({"primary": {"statusText": "5 \u20AC"}})",
                  R"("primary.statusText" holds U+20AC, a character above U+00FF)"},
        Rejection{R"({"primary": {"callsign": "\ud83d\ude00"}})",
                  R"("primary.callsign" holds U+1F600, a character above U+00FF)"},
        Rejection{R"({"primary": {"callsign": "A\u0000B"}})",
                  R"("primary.callsign" holds U+0000, which ends a text on the tracker)"},
        Rejection{R"({"primary": {"turnSlope": 2147483648}})",
                  R"("primary.turnSlope" is outside the signed 32-bit range)"},
        Rejection{R"({"calibration": -2147483649})",
                  R"("calibration" is outside the signed 32-bit range)"},
        Rejection{R"({"primary": {"turnSlope": 18446744073709551616}})",
                  R"("primary.turnSlope" is outside the signed 32-bit range)"},
        Rejection{R"({"primary": {"turnSlope": 1e10}})",
                  R"("primary.turnSlope" is outside the signed 32-bit range)"}),
    test::namedBy([](const Rejection& rejection) { return rejection.json; }));

TEST(ConfigJson, InvalidJsonSaysWhere) {
    TrackerConfig config;
    std::string error;
    EXPECT_FALSE(readJson("{\"calibration\": 1,}", config, error));
    EXPECT_EQ(error.rfind("not valid JSON: parse error at line 1, column 19", 0), 0u) << error;
    EXPECT_FALSE(readJson("", config, error));
    EXPECT_EQ(error.rfind("not valid JSON:", 0), 0u) << error;
    // The parser quotes a number it cannot hold in full, which may be a megabyte long.
    EXPECT_FALSE(readJson("{\"calibration\": 1" + std::string(100'000, '0') + "}", config, error));
    EXPECT_EQ(error, "not valid JSON: number overflow parsing '1" + std::string(39, '0') + "...'");
}

TEST(ConfigJson, InvalidUtf8IsNamedAndNotEchoed) {
    TrackerConfig config;
    std::string error;
    // "café" saved as Latin-1 rather than UTF-8.
    EXPECT_FALSE(readJson("{\"primary\": {\"statusText\": \"caf\xE9\"}}", config, error));
    EXPECT_NE(error.find("UTF-8"), std::string::npos) << error;
    EXPECT_EQ(error.find('\xE9'), std::string::npos);
}

} // namespace
} // namespace wl3
