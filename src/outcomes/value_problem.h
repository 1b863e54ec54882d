#pragma once

#include <cstdint>
#include <string>

namespace wl3 {

struct ProfileField;

// What the tracker holds of a field, for a value it cannot hold as given; the field's unit
// goes with the numbers.
struct Allowed {
    enum class Kind {
        Address,       // up to six letters or digits and an SSID
        AddressList,   // such addresses separated by commas
        Range,         // low to high
        SlotOffset,    // 0 to high, the auto transmit rate plus one
        SlotOffsetAny, // 0 to the auto transmit rate plus one, the rate not known
        Character,     // one printable ASCII character
        TextLength,    // at most high characters
        Latin1,        // characters from U+0001 to U+00FF
    };
    Kind kind = Kind::Range;
    int low = 0;
    int high = 0;
};

// A value of the record that the tracker's image cannot hold as given: the encoder would
// store something else in its place (a callsign cut to six characters, a number cut to
// its low bits, a delay clamped). Writing or saving refuses such a record rather than let
// the tracker hold what the user never typed.
struct UnholdableValue {
    const ProfileField* field = nullptr;
    int profile = 0;     // the Primary profile for the shared calibration
    std::string given{}; // the value, a text in quotes, as the record's bytes
    Allowed allowed{};
};

// Why a JSON document, or a value given for one key, is no configuration.
struct JsonProblem {
    enum class Kind {
        NotJson,      // detail: the parser's own words
        NulByte,      // count: the byte's position, from 1
        NotObject,    // the document is no object
        UnknownKey,   // key
        DuplicateKey, // key
        MustBeObject, // key
        OutOfRange,   // key: outside the signed 32-bit range
        NotWhole,     // key
        NotNumber,    // key
        NotFlag,      // key
        NotString,    // key
        TooLong,      // key, count: the limit in characters
        HoldsNul,     // key
        BeyondLatin1, // key, count: the code point
    };
    Kind kind = Kind::NotJson;
    std::string key{}; // as the document spells it, UTF-8
    std::uint64_t count = 0;
    std::string detail{};
};

} // namespace wl3
