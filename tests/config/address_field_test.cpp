#include "config/address_field.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wl3 {
namespace {

using namespace std::string_literals;

TEST(ParseAddressText, KeepsSixCharactersAndReadsTheSsid) {
    struct Row {
        std::string text;
        std::string characters;
        int ssid;
    };
    const Row rows[] = {
        {"n0call-9", "N0CALL", 9},
        {"WIDE2-2", "WIDE2 ", 2},
        {"N0 CALL", "N0CALL", 0},
        {"N0CALL/P", "N0CALL", 0},
        {"ABCDEFGH-3", "ABCDEF", 3},
        {"N0CALL-15", "N0CALL", 15},
        {"N0CALL-16", "N0CALL", 0},
        {"N0CALL--3", "N0CALL", 0},
        {"N0CALL-X", "N0CALL", 0},
        {"N0CALL- 5", "N0CALL", 5},
        {"N0CALL-\t+7x", "N0CALL", 7},
        {"N0CALL-007", "N0CALL", 7},
        {"N0CALL-99999999999999999999", "N0CALL", 0},
        {"N0CALL-", "N0CALL", 0},
        {"", "      ", 0},
        {"-5", "      ", 5},
        {"\x01"
         "a\x7f"
         "b",
         "A     ", 0},
        {"\xC4\xE9w1\x1f"
         "x-2",
         "W1X   ", 2},
        {"AB\0CD-3"s, "AB    ", 0},
        {"WIDE2-2X", "WIDE2 ", 2},
        {"AB,CD", "AB    ", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const AddressText address = parseAddressText(row.text);
        EXPECT_EQ(std::string(address.characters.begin(), address.characters.end()),
                  row.characters);
        EXPECT_EQ(address.ssid, row.ssid);
    }
}

TEST(NormalizeAddressText, GivesTheTidyCallsign) {
    const std::pair<std::string, std::string> rows[] = {
        {"n0call-0", "N0CALL"},
        {"AB    -5", "AB-5"},
        {"wide2 -2", "WIDE2-2"},
        {"-5", "-5"},
        {"", ""},
        {"abcdefgh-15", "ABCDEF-15"},
        {"  x y z ", "XYZ"},
        {"N0CALL-16", "N0CALL"},
    };
    for (const auto& [text, expected] : rows) {
        EXPECT_EQ(normalizeAddressText(text), expected) << text;
    }
}

TEST(AddressField, EncodesShiftedCharactersAndSsidByte) {
    EXPECT_EQ(encodeAddressField("n0call-9"),
              (AddressField{0x9C, 0x60, 0x86, 0x82, 0x98, 0x98, 0x72}));
    EXPECT_EQ(encodeAddressField("WIDE2-2"),
              (AddressField{0xAE, 0x92, 0x88, 0x8A, 0x64, 0x40, 0x64}));
    EXPECT_EQ(encodeAddressField("AB-15")[6], 0x7E);
    EXPECT_EQ(encodeAddressField(""), (AddressField{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x60}));
}

TEST(AddressField, DecodesToNormalisedText) {
    struct Row {
        AddressField field;
        std::string expected;
    };
    const Row rows[] = {
        {{0x9C, 0x60, 0x86, 0x82, 0x98, 0x98, 0x72}, "N0CALL-9"},
        {{0x9C, 0x60, 0x86, 0x82, 0x98, 0x98, 0x73}, "N0CALL-9"}, // end mark
        {{0xAE, 0x92, 0x88, 0x8A, 0x64, 0x40, 0x64}, "WIDE2-2"},
        {{0xAE, 0x92, 0x88, 0x8A, 0x64, 0x40, 0xE4}, "WIDE2"}, // bit 7 set: SSID 66
        {{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x60}, ""},
        {{0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x6A}, "-5"},
        {{0x82, 0x84, 0x40, 0x40, 0x40, 0x40, 0x1E}, "AB-15"}, // reserved bits clear
        {{0xC2, 0x84, 0x40, 0x40, 0x40, 0x40, 0x60}, "AB"},    // lower case is upper-cased
        {{0x82, 0x5A, 0x84, 0x40, 0x40, 0x40, 0x60}, "A"},     // '-' stops the callsign
    };
    for (const Row& row : rows) {
        EXPECT_EQ(decodeAddressField(row.field), row.expected) << row.expected;
    }
}

TEST(PathText, SplitsAtCommas) {
    const std::pair<std::string, std::vector<std::string_view>> rows[] = {
        {"", {}},
        {"WIDE2-2", {"WIDE2-2"}},
        {"WIDE2-2,WIDE1-1", {"WIDE2-2", "WIDE1-1"}},
        {",WIDE", {"", "WIDE"}},
        {"RELAY,,WIDE", {"RELAY", "", "WIDE"}},
        {"WIDE,", {"WIDE"}},
        {"WIDE,,", {"WIDE", ""}},
        {",", {""}},
        {"  ", {"  "}},
    };
    for (const auto& [path, expected] : rows) {
        EXPECT_EQ(splitPath(path), expected) << path;
    }
}

TEST(PathText, JoinsDecodedElements) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, ""},
        {{"WIDE1-1", "WIDE2-1"}, "WIDE1-1,WIDE2-1"},
        {{"", "WIDE"}, "WIDE"},
        {{"RELAY", "", "WIDE"}, "RELAY,,WIDE"},
        {{"WIDE", ""}, "WIDE,"},
    };
    for (const auto& [elements, expected] : rows) {
        std::string path;
        for (const std::string& element : elements) {
            appendPathElement(path, element);
        }
        EXPECT_EQ(path, expected);
    }
}

} // namespace
} // namespace wl3
