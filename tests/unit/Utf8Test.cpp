#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings/Utf8.h"

TEST(Utf8, ConvertsEveryLengthOfSequenceBothWays) {
    const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
    const std::u16string utf16 = u"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(Utf8, StopsAtTheFirstZeroByte) {
    EXPECT_EQ(Utf8ToUtf16(std::string("ab\0cd", 5)), u"ab");
    EXPECT_EQ(Utf8ToUtf16(""), u"");
}

TEST(Utf8, IllFormedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("\x80x"), u"\uFFFDx");            // lone continuation byte
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");    // overlong form
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82x"), u"\uFFFDx");        // broken off sequence, once
    EXPECT_EQ(Utf8ToUtf16("x\xF0\x9F\x98"), u"x\uFFFD");    // cut at the end
    EXPECT_EQ(Utf16ToUtf8(u"\xD83D" u"a"), "\xEF\xBF\xBD" "a");  // unpaired high surrogate
    EXPECT_EQ(Utf16ToUtf8(u"\xDE00"), "\xEF\xBF\xBD");           // unpaired low surrogate
}

TEST(Utf8, PrefixNeverEndsInsideASequence) {
    const std::string text = "ab\xE2\x82\xAC" "c";  // a b € c
    EXPECT_EQ(Utf8Prefix(text, 10), text);
    EXPECT_EQ(Utf8Prefix(text, 5), "ab\xE2\x82\xAC");
    EXPECT_EQ(Utf8Prefix(text, 4), "ab");
    EXPECT_EQ(Utf8Prefix(text, 3), "ab");
    EXPECT_EQ(Utf8Prefix(text, 2), "ab");
    EXPECT_EQ(Utf8Prefix("\xF0\x9F\x98\x80", 3), "");
    EXPECT_EQ(Utf8Prefix("\x80\x80\x80\x80\x80", 2), "\x80\x80");  // no lead to back up to
}

TEST(Utf8, FixedFieldKeepsItsTerminatorAndWholeCharacters) {
    std::array<char, 8> field;
    field.fill('#');
    EXPECT_TRUE(StoreUtf8(u"ab", field));
    EXPECT_EQ(std::string(field.data(), field.size()), std::string("ab\0\0\0\0\0\0", 8));

    field.fill('#');
    EXPECT_FALSE(StoreUtf8(u"\u20AC\u20AC\u20AC", field));  // 9 bytes: two characters fit
    EXPECT_EQ(std::string(field.data(), field.size()), std::string("\xE2\x82\xAC\xE2\x82\xAC\0\0", 8));
}
