#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/HelpTopic.h"

namespace {

constexpr char16_t kFolderFormat[] = u"%s\\HelpFiles\\";
constexpr char16_t kTopic[] = u"faq-btsettings.html";

class HelpTopicTest : public RegistryTest {
protected:
    void PutTag(std::u16string_view tag) { registry.PutString(kUser, sys::kLanguageKey, sys::kDefaultUserLang, tag); }
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

TEST_F(HelpTopicTest, NothingOpensWithoutTheAppletsFolder) {
    platform.appletPath.reset();
    EXPECT_EQ(Open(), u"");
    platform.appletPath = Text260(u"QuorvelCpl.dll");
    EXPECT_EQ(Open(), u"");
}

// The format may come from a language library: its first %s takes the
// folder, and no other % sequence means anything.
TEST_F(HelpTopicTest, OnlyTheFirstPercentSOfTheFormatIsReplaced) {
    EXPECT_EQ(Open(u"%s\\Hilfe %d%n%%\\%s\\"), u"C:\\Dir\\Hilfe %d%n%%\\%s\\en-US\\faq-btsettings.html");
    EXPECT_EQ(Open(u"D:\\Help\\"), u"D:\\Help\\en-US\\faq-btsettings.html");
    EXPECT_EQ(Open(u"%x%s\\HelpFiles\\%"), u"%xC:\\Dir\\HelpFiles\\%en-US\\faq-btsettings.html");
}

// A path that does not fit 260 units is never opened cut, and a tag folder
// that would not fit is not even looked for.
TEST_F(HelpTopicTest, APathLongerThanTheBufferIsNeverOpened) {
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
