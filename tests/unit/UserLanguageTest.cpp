#include <gtest/gtest.h>

#include <string>

#include "FakeEnvironment.h"
#include "locale/UserLanguage.h"

namespace {

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
    void Put(std::uint32_t type, std::string_view bytes) {
        registry.PutValue(kUser, sys::kLanguageKey, sys::kDefaultUserLang, type, bytes);
    }
    void PutTag(std::u16string_view tag) { registry.PutString(kUser, sys::kLanguageKey, sys::kDefaultUserLang, tag); }
};

TEST_F(UserLanguageTest, TerminatedTextsAreTakenLiterallyAndAnythingElseGivesEnglish) {
    EXPECT_EQ(Tag(), u"en-US") << "no key";
    registry.PutKey(kUser, sys::kLanguageKey);
    EXPECT_EQ(Tag(), u"en-US") << "no value";
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kRead);

    auto terminated = [](std::u16string_view text) { return Utf16Bytes(std::u16string(text) + u'\0'); };
    const struct {
        std::uint32_t type;
        std::string bytes;
        std::u16string tag;
    } cases[] = {
        {reg::kSz, terminated(u"he-IL"), u"he-IL"},
        {reg::kExpandSz, terminated(u"%LANG%"), u"%LANG%"},
        {reg::kSz, terminated(u""), u""},
        {reg::kSz, Utf16Bytes(std::u16string(u"ab\0cd\0", 6)), u"ab"},
        {reg::kSz, terminated(std::u16string(29, u'x')), std::u16string(29, u'x')},  // 60 bytes: the most read
        {reg::kSz, "", u"en-US"},
        {reg::kSz, terminated(u"de-DE") + "x", u"en-US"},           // odd size
        {reg::kSz, Utf16Bytes(u"de-DE"), u"en-US"},                 // no terminator
        {reg::kSz, terminated(std::u16string(30, u'x')), u"en-US"},  // 62 bytes
        {reg::kBinary, terminated(u"de-DE"), u"en-US"},
        {7, terminated(u"de-DE") + std::string(2, '\0'), u"en-US"},  // REG_MULTI_SZ
        {reg::kDword, std::string("\x07\x04\0\0", 4), u"en-US"},
    };
    for (const auto& c : cases) {
        Put(c.type, c.bytes);
        EXPECT_EQ(Tag(), c.tag) << "type " << c.type << ", " << c.bytes.size() << " bytes";
    }
}

// A tag that does not fit whole is not cut into a tag nobody configured: the
// reader gets English, just as for an unreadable value.
TEST_F(UserLanguageTest, ATagLongerThanTheCapacityGivesEnglish) {
    PutTag(u"de-DE-x-private");  // 15 characters
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
        {u"he-IL", true}, {u"ar-SA", true}, {u"x-he-IL-y", true}, {u"en-US", false}, {u"HE-IL", false},
        {u"ar-EG", false}, {u"he-IL-x-private", false},  // 15 characters do not fit into 15 units: en-US
    };
    for (const auto& c : cases) {
        PutTag(c.tag);
        EXPECT_EQ(MessageBoxFlagsForUserLanguage(registry, kIconError),
                  c.rightToLeft ? (kIconError | 0x00180000u) : kIconError)
            << std::string(c.tag.begin(), c.tag.end());
    }
}

}  // namespace
