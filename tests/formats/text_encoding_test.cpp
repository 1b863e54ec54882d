#include "formats/text_encoding.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

TEST(TextEncoding, PrintableTextShowsLatin1AsUtf8AndControlsAsEscapes) {
    EXPECT_EQ(printableText("caf\xE9\t\x7F\x85\xA0"), "caf\u00E9\\t\\x7F\\x85\u00A0");
    EXPECT_EQ(withoutControls("Caf\xC3\xA9\x1B\n"), "Caf\xC3\xA9??");
}

TEST(TextEncoding, DecodeUtf8ReplacesIllFormedSequences) {
    EXPECT_EQ(decodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), U"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(decodeUtf8("\xC3"), U"\uFFFD");
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), U"\uFFFD");       // overlong "/"
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80x"), U"\uFFFDx"); // a surrogate
}

} // namespace
} // namespace wl3
