#include <gtest/gtest.h>

#include <string>

#include "FakeEnvironment.h"
#include "locale/UserLanguage.h"

namespace {

constexpr char16_t kLanguageKey[] = u"SOFTWARE\\Velmora\\Default";
constexpr char16_t kValue[] = u"DefaultUserLang";
constexpr unsigned kIconError = 0x10;

class UserLanguageTest : public RegistryTest {
protected:
    // The tag read with `capacity`; checks that not one unit past the
    // capacity was written.
    std::u16string Tag(std::size_t capacity = 30) {
        std::u16string buffer(capacity + 8, u'#');
        GetDefaultUserLang(registry, buffer.data(), capacity);
        EXPECT_EQ(buffer.substr(capacity), std::u16string(8, u'#')) << "written past the capacity";
        return buffer.substr(0, buffer.find(u'\0'));
    }
    void Put(std::uint32_t type, std::string_view bytes) { registry.PutValue(kUser, kLanguageKey, kValue, type, bytes); }
    void PutTag(std::u16string_view tag) { registry.PutString(kUser, kLanguageKey, kValue, tag); }
};

TEST_F(UserLanguageTest, MissingKeyOrValueGivesEnglish) {
    EXPECT_EQ(Tag(), u"en-US");
    registry.PutKey(kUser, kLanguageKey);
    EXPECT_EQ(Tag(), u"en-US");
    ASSERT_FALSE(registry.KeyRequests().empty());
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kRead);
    EXPECT_FALSE(registry.KeyRequests().back().create);
}

TEST_F(UserLanguageTest, TerminatedTextsOfBothStringTypesAreTakenLiterally) {
    PutTag(u"he-IL");
    EXPECT_EQ(Tag(), u"he-IL");
    registry.PutString(kUser, kLanguageKey, kValue, u"%LANG%", reg::kExpandSz);
    EXPECT_EQ(Tag(), u"%LANG%");
    PutTag(u"");  // a lone terminator
    EXPECT_EQ(Tag(), u"");
    Put(reg::kSz, Utf16Bytes(std::u16string(u"ab\0cd\0", 6)));
    EXPECT_EQ(Tag(), u"ab");
    PutTag(std::u16string(29, u'x'));  // 60 bytes: the most that is read
    EXPECT_EQ(Tag(), std::u16string(29, u'x'));
}

TEST_F(UserLanguageTest, MalformedValuesGiveEnglish) {
    const struct {
        const char* what;
        std::uint32_t type;
        std::string bytes;
    } cases[] = {
        {"no data", reg::kSz, ""},
        {"odd size", reg::kSz, Utf16Bytes(std::u16string(u"de-DE\0", 6)) + "x"},
        {"no terminator", reg::kSz, Utf16Bytes(u"de-DE")},
        {"62 bytes", reg::kSz, Utf16Bytes(std::u16string(30, u'x') + u'\0')},
        {"REG_BINARY", reg::kBinary, Utf16Bytes(std::u16string(u"de-DE\0", 6))},
        {"REG_MULTI_SZ", 7, Utf16Bytes(std::u16string(u"de-DE\0\0", 7))},
        {"REG_DWORD", reg::kDword, std::string("\x07\x04\0\0", 4)},
    };
    for (const auto& c : cases) {
        Put(c.type, c.bytes);
        EXPECT_EQ(Tag(), u"en-US") << c.what;
    }
}

// A tag that does not fit whole is not cut into a tag nobody configured: the
// reader gets English, just as for an unreadable value.
TEST_F(UserLanguageTest, ATagLongerThanTheCapacityGivesEnglish) {
    PutTag(u"de-DE-x-private");  // 15 characters
    EXPECT_EQ(Tag(20), u"de-DE-x-private");
    EXPECT_EQ(Tag(16), u"de-DE-x-private");
    EXPECT_EQ(Tag(15), u"en-US");
    EXPECT_EQ(Tag(4), u"en-") << "English itself is cut only for buffers too small for it";
    char16_t untouched = u'#';
    GetDefaultUserLang(registry, &untouched, 0);
    EXPECT_EQ(untouched, u'#') << "no room: nothing written";
}

TEST_F(UserLanguageTest, MessageBoxesAreRightToLeftForArabicAndHebrewTags) {
    EXPECT_EQ(MessageBoxFlagsForUserLanguage(registry, kIconError), kIconError) << "no tag: en-US";
    const struct {
        std::u16string tag;
        bool rightToLeft;
    } cases[] = {
        {u"he-IL", true},        {u"ar-SA", true},        {u"x-he-IL-y", true},
        {u"en-US", false},       {u"HE-IL", false},       {u"ar-EG", false},
        {u"he-IL-x-private", false},  // 15 characters do not fit into 15 units: en-US
    };
    for (const auto& c : cases) {
        PutTag(c.tag);
        EXPECT_EQ(MessageBoxFlagsForUserLanguage(registry, kIconError),
                  c.rightToLeft ? (kIconError | 0x00180000u) : kIconError)
            << std::string(c.tag.begin(), c.tag.end());
    }
}

}  // namespace
