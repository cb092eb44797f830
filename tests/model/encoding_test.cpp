#include "model/encoding.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

TEST(Encoding, UmlautsAndTheHighControlRangeBecomeUtf8) {
    EXPECT_EQ(Cp1252ToUtf8("M\xFCller \xC4\xD6\xDC\xDF"), "Müller ÄÖÜß");
    EXPECT_EQ(Cp1252ToUtf8("\x80 \x84\x93\x94 \x8A\x9F"), "€ „“” ŠŸ");
    // Undefined bytes survive as the control characters of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

TEST(Encoding, EveryByteMakesARoundTrip) {
    std::string alle;
    for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(alle)), alle);
}

TEST(Encoding, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Müller €"), "M\xFCller \x80");
    EXPECT_EQ(Utf8ToCp1252("Ωx"), "?x");
    EXPECT_EQ(Utf8ToCp1252("😀"), "?");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");          // cut short at the end
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAFz"), "??z");      // overlong form
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");   // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xFF" "a"), "?a");
}

} // namespace
} // namespace zev
