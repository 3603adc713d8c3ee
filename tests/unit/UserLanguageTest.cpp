// The user's language tag, and the two that read it: the message boxes and
// the help folder.

#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/HelpTopic.h"
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
    void PutTag(std::u16string_view tag) { Put(reg::kSz, SzBytes(tag)); }
};

// Message boxes read right to left for Arabic and Hebrew tags, as far as
// their 15 units hold the tag.
TEST_F(UserLanguageTest, TerminatedTextsAreTakenLiterallyElseEnglishAndMessageBoxesFollowTheTag) {
    EXPECT_EQ(Tag(), u"en-US") << "no key";
    EXPECT_EQ(MessageBoxFlagsForUserLanguage(registry, kIconError), kIconError) << "no tag: en-US";
    registry.PutKey(kUser, sys::kLanguageKey);
    EXPECT_EQ(Tag(), u"en-US") << "no value";
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kRead);

    const struct {
        std::uint32_t type;
        std::string bytes;
        std::u16string tag;
        bool rightToLeft;
    } cases[] = {
        {reg::kSz, SzBytes(u"he-IL"), u"he-IL", true},
        {reg::kSz, SzBytes(u"ar-SA"), u"ar-SA", true},
        {reg::kSz, SzBytes(u"x-he-IL-y"), u"x-he-IL-y", true},
        {reg::kSz, SzBytes(u"en-US"), u"en-US", false},
        {reg::kSz, SzBytes(u"HE-IL"), u"HE-IL", false},
        {reg::kSz, SzBytes(u"ar-EG"), u"ar-EG", false},
        {reg::kSz, SzBytes(u"he-IL-x-private"), u"he-IL-x-private", false},  // 15 characters: en-US in 15 units
        {reg::kExpandSz, SzBytes(u"%LANG%"), u"%LANG%", false},
        {reg::kSz, SzBytes(u""), u"", false},
        {reg::kSz, Utf16Bytes(std::u16string(u"ab\0cd\0", 6)), u"ab", false},
        {reg::kSz, SzBytes(std::u16string(29, u'x')), std::u16string(29, u'x'), false},  // 60 bytes: the most read
        {reg::kSz, "", u"en-US", false},
        {reg::kSz, SzBytes(u"de-DE") + "x", u"en-US", false},            // odd size
        {reg::kSz, Utf16Bytes(u"de-DE"), u"en-US", false},               // no terminator
        {reg::kSz, SzBytes(std::u16string(30, u'x')), u"en-US", false},  // 62 bytes
        {reg::kBinary, SzBytes(u"de-DE"), u"en-US", false},
        {7, SzBytes(u"de-DE") + std::string(2, '\0'), u"en-US", false},  // REG_MULTI_SZ
        {reg::kDword, std::string("\x07\x04\0\0", 4), u"en-US", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.bytes.size() << " bytes, tag "
                                        << std::string(c.tag.begin(), c.tag.end()));
        Put(c.type, c.bytes);
        EXPECT_EQ(Tag(), c.tag);
        EXPECT_EQ(MessageBoxFlagsForUserLanguage(registry, kIconError),
                  c.rightToLeft ? (kIconError | 0x00180000u) : kIconError);
    }

    // A tag that does not fit whole is not cut into a tag nobody configured:
    // the reader gets English, just as for an unreadable value.
    PutTag(u"de-DE-x-private");  // 15 characters
    EXPECT_EQ(Tag(16), u"de-DE-x-private");
    EXPECT_EQ(Tag(15), u"en-US");
    EXPECT_EQ(Tag(4), u"en-") << "English itself is cut only for buffers too small for it";
    EXPECT_EQ(Tag(0), std::u16string(8, u'#')) << "no room: nothing written";
}

constexpr char16_t kFolderFormat[] = u"%s\\HelpFiles\\";
constexpr char16_t kTopic[] = u"faq-btsettings.html";

class HelpTopicTest : public UserLanguageTest {
protected:
    // What one call opened, or "" when it opened nothing.
    std::u16string Open(const char16_t* format = kFolderFormat, const char16_t* topic = kTopic) {
        platform.opened.clear();
        int result = OpenHelpTopic(platform, registry, topic, format);
        EXPECT_EQ(result, platform.opened.empty() ? 0 : 1);
        return platform.opened.empty() ? u"" : platform.opened.front();
    }

    FakeHelpPlatform platform;
};

TEST_F(HelpTopicTest, TheTagsFolderIsUsedWhenItExistsElseEnglish) {
    const struct {
        std::u16string tag, existing, opened;
    } cases[] = {
        {u"de-DE", u"C:\\Dir\\HelpFiles\\de-DE", u"C:\\Dir\\HelpFiles\\de-DE\\faq-btsettings.html"},
        {u"de-DE", u"", u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"},
        // A tag that is no language tag names no folder, even one that exists.
        {u"..\\..\\x", u"C:\\Dir\\HelpFiles\\..\\..\\x", u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"},
        {u"C:\\x", u"C:\\Dir\\HelpFiles\\C:\\x", u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"},
        {u"sr-Latn-RS2", u"C:\\Dir\\HelpFiles\\sr-Latn-RS2", u"C:\\Dir\\HelpFiles\\sr-Latn-RS2\\faq-btsettings.html"},
        // The empty tag names the help folder itself.
        {u"", u"C:\\Dir\\HelpFiles\\", u"C:\\Dir\\HelpFiles\\faq-btsettings.html"},
        {u"", u"", u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"},
    };
    for (const auto& c : cases) {
        PutTag(c.tag);
        platform.existing = {c.existing};
        EXPECT_EQ(Open(), c.opened);
    }
    EXPECT_EQ(platform.existenceChecks.back(), u"C:\\Dir\\HelpFiles\\") << "en-US is not checked";
}

// The format may come from a language library: its first %s takes the
// folder, and no other % sequence means anything.
TEST_F(HelpTopicTest, OnlyTheFirstPercentSOfTheFormatIsReplaced) {
    EXPECT_EQ(Open(u"%s\\Hilfe %d%n%%\\%s\\"), u"C:\\Dir\\Hilfe %d%n%%\\%s\\en-US\\faq-btsettings.html");
    EXPECT_EQ(Open(u"D:\\Help\\"), u"D:\\Help\\en-US\\faq-btsettings.html");
    EXPECT_EQ(Open(u"%x%s\\HelpFiles\\%"), u"%xC:\\Dir\\HelpFiles\\%en-US\\faq-btsettings.html");
}

// Nothing opens without the applet's folder, a path that does not fit 260
// units is never opened cut, and a tag folder that would not fit is not even
// looked for.
TEST_F(HelpTopicTest, NothingOpensWithoutAFolderOrCutShort) {
    platform.appletPath.reset();
    EXPECT_EQ(Open(), u"");
    platform.appletPath = Text260(u"QuorvelCpl.dll");
    EXPECT_EQ(Open(), u"") << "a bare name has no folder";

    platform.appletPath = Text260(u"C:\\Dir\\QuorvelCpl.dll");
    // "C:\Dir\HelpFiles\en-US\" is 23 units: a topic of 236 fits, 237 does not.
    EXPECT_EQ(Open(kFolderFormat, std::u16string(236, u't').c_str()).size(), 259u);
    EXPECT_EQ(Open(kFolderFormat, std::u16string(237, u't').c_str()), u"");

    std::u16string folder = u"C:\\" + std::u16string(250, u'd');
    platform.appletPath = Text260(folder + u"\\Q.dll");
    EXPECT_EQ(Open(), u"") << "the format does not fit the folder";

    folder = u"C:\\" + std::u16string(231, u'd');  // a base of 245 units
    platform.appletPath = Text260(folder + u"\\QuorvelCpl.dll");
    PutTag(u"de-DE-x-private-abc");
    platform.existenceChecks.clear();
    EXPECT_EQ(Open(kFolderFormat, u"t.html"), folder + u"\\HelpFiles\\en-US\\t.html");
    EXPECT_TRUE(platform.existenceChecks.empty());
}

}  // namespace
