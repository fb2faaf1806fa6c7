// The one conversion between 8-bit (Latin-1) project texts and UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "text/Encoding.h"

TEST(TextEncoding, ToUtf8ReadsAnyTextThatIsNotUtf8AsLatin1) {
    EXPECT_EQ(ToUtf8("plain ASCII"), "plain ASCII");
    EXPECT_EQ(ToUtf8(""), "");
    // One byte that does not fit makes the whole text 8-bit, its valid-looking pairs included.
    EXPECT_EQ(ToUtf8("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
    // A sequence cut short at the end.
    EXPECT_EQ(ToUtf8("ab\xC3"), "ab\xC3\x83");
    // Three- and four-byte characters are UTF-8 already.
    EXPECT_EQ(ToUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"), "\xE2\x82\xAC \xF0\x9F\x98\x80");
}

TEST(TextEncoding, ToLatin1TakesOnlyCharactersThatFitAByte) {
    EXPECT_EQ(ToLatin1("Caf\xC3\xA9"), std::optional<std::string>("Caf\xE9"));
    EXPECT_EQ(ToLatin1("\xC2\x80\xC3\xBF"), std::optional<std::string>("\x80\xFF"));
    EXPECT_EQ(ToLatin1(""), std::optional<std::string>(""));
    EXPECT_EQ(ToLatin1("\xE2\x82\xAC"), std::nullopt);  // the euro sign
    EXPECT_EQ(ToLatin1("\xC5\x81"), std::nullopt);      // U+0141
    EXPECT_EQ(ToLatin1("Caf\xE9"), std::nullopt);       // 8-bit already, not UTF-8
    EXPECT_EQ(ToLatin1("Caf\xC3"), std::nullopt);       // cut short
    EXPECT_EQ(ToLatin1("\xC3\x41"), std::nullopt);      // no continuation byte
    EXPECT_EQ(ToLatin1("\xC1\x81"), std::nullopt);      // an overlong "A"
}

TEST(TextEncoding, EveryByteSurvivesTheRoundTrip) {
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> back = ToLatin1(ToUtf8(byte));
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, byte) << b;
    }
}
