// The text helpers of the portable core: UTF-8 both ways and into fixed
// fields, and the case-insensitive comparison of names and paths.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/CaseFold.h"
#include "base/Utf8.h"

TEST(Utf8, ConvertsBothWaysAndReplacesWhatIsIllFormed) {
    const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a é € 😀
    const std::u16string utf16 = u"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF" "x\xE2\x82"), u"\uFFFD\uFFFDx\uFFFD");  // overlong, then cut short
    EXPECT_EQ(Utf16ToUtf8(u"\xD83D" u"a"), "\xEF\xBF\xBD" "a");              // unpaired surrogate
    EXPECT_EQ(Utf8Prefix("ab\xE2\x82\xAC", 4), "ab") << "never ends inside a character";
}

// Both ways at the edges of each sequence length and of the planes; what is
// not a character (a surrogate, an overlong form, past the last plane, a
// lone surrogate unit) is replaced byte by byte, or unit by unit.
TEST(Utf8, EachSequenceLengthMeetsItsNeighboursAtItsEdges) {
    const std::pair<std::string, std::u16string> wellFormed[] = {
        {"\x7F", u"\x7F"},             {"\xC2\x80", u"\x80"},         {"\xDF\xBF", u"\u07FF"},
        {"\xE0\xA0\x80", u"\u0800"},   {"\xED\x9F\xBF", u"\uD7FF"},   {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x90\x80\x80", u"\U00010000"}, {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    };
    for (const auto& [utf8, utf16] : wellFormed) {
        EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8.size();
        EXPECT_EQ(Utf16ToUtf8(utf16), utf8) << utf8.size();
    }
    for (std::string bad : {"\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80"})
        EXPECT_EQ(Utf8ToUtf16(bad), std::u16string(bad.size(), u'\uFFFD')) << bad.size();
    EXPECT_EQ(Utf16ToUtf8(u"\xDFFF" u"a\xD800"), "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
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

// Only the letters fold, all of them, and the characters beside them in
// ASCII stay what they are.
TEST(CaseFold, EveryAsciiLetterAndNothingElseIgnoresCase) {
    EXPECT_TRUE(EqualIgnoringCase(u"AZaz QuorvelCpl.DLL", u"azAZ quorvelcpl.dll"));
    EXPECT_FALSE(EqualIgnoringCase(u"@[", u"`{")) << "the neighbours of A and Z, of a and z";
    EXPECT_FALSE(EqualIgnoringCase(u"ALL", u"AL"));
    EXPECT_FALSE(EqualIgnoringCase(u"\u00C4", u"\u00E4")) << "beyond ASCII nothing folds";
}
