#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/Utf8.h"

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

// A name reaches the stack in a fixed field that must end in a zero byte.
TEST(Utf8, FixedFieldKeepsItsTerminatorAndWholeCharacters) {
    const struct {
        std::u16string text;
        std::string stored;  // the field's 8 bytes
        bool whole;
    } cases[] = {
        {u"ab", std::string("ab\0\0\0\0\0\0", 8), true},
        {u"abcdefg", std::string("abcdefg\0", 8), true},
        {u"abcdefgh", std::string("abcdefg\0", 8), false},  // exactly the field's size
        {u"\u20AC\u20AC\u20AC", std::string("\xE2\x82\xAC\xE2\x82\xAC\0\0", 8), false},
    };
    for (const auto& c : cases) {
        std::array<char, 8> field;
        field.fill('#');
        EXPECT_EQ(StoreUtf8(c.text, field), c.whole);
        EXPECT_EQ(std::string(field.data(), field.size()), c.stored);
    }
}
