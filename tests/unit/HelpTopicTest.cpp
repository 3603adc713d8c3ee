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
    void PutTag(std::u16string_view tag) {
        registry.PutString(RegistryRoot::CurrentUser, u"SOFTWARE\\Velmora\\Default", u"DefaultUserLang", tag);
    }
    int Open(const char16_t* format = kFolderFormat, const char16_t* topic = kTopic) {
        return OpenHelpTopic(platform, registry, topic, format);
    }
    std::vector<std::u16string> Opened(std::u16string path) { return {std::move(path)}; }

    FakeHelpPlatform platform;
};

TEST_F(HelpTopicTest, TheTagFolderIsUsedWhenItExistsElseEnglish) {
    PutTag(u"de-DE");
    platform.existing = {u"C:\\Dir\\HelpFiles\\de-DE"};
    EXPECT_EQ(Open(), 1);
    EXPECT_EQ(platform.opened, Opened(u"C:\\Dir\\HelpFiles\\de-DE\\faq-btsettings.html"));

    platform.existing.clear();
    platform.opened.clear();
    EXPECT_EQ(Open(), 1);
    EXPECT_EQ(platform.opened, Opened(u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"));
    EXPECT_EQ(platform.existenceChecks.back(), u"C:\\Dir\\HelpFiles\\de-DE") << "en-US is not checked";
}

TEST_F(HelpTopicTest, TheEmptyTagTakesTopicsFromTheHelpFolderItself) {
    PutTag(u"");
    platform.existing = {u"C:\\Dir\\HelpFiles\\"};
    EXPECT_EQ(Open(), 1);
    EXPECT_EQ(platform.opened, Opened(u"C:\\Dir\\HelpFiles\\faq-btsettings.html"));

    platform.existing.clear();
    platform.opened.clear();
    EXPECT_EQ(Open(), 1);
    EXPECT_EQ(platform.opened, Opened(u"C:\\Dir\\HelpFiles\\en-US\\faq-btsettings.html"));
}

TEST_F(HelpTopicTest, NothingOpensWithoutTheAppletFolder) {
    platform.appletPath.reset();
    EXPECT_EQ(Open(), 0);
    platform.appletPath = Text260(u"QuorvelCpl.dll");
    EXPECT_EQ(Open(), 0);
    EXPECT_TRUE(platform.opened.empty());
}

// The format may come from a language library: its first %s takes the
// folder, and no other % sequence means anything.
TEST_F(HelpTopicTest, OnlyTheFirstPercentSOfTheFormatIsReplaced) {
    EXPECT_EQ(Open(u"%s\\Hilfe %d%n%%\\%s\\"), 1);
    EXPECT_EQ(Open(u"D:\\Help\\"), 1);
    EXPECT_EQ(Open(u"%x%s\\HelpFiles\\%"), 1);
    EXPECT_EQ(platform.opened, (std::vector<std::u16string>{
                                   u"C:\\Dir\\Hilfe %d%n%%\\%s\\en-US\\faq-btsettings.html",
                                   u"D:\\Help\\en-US\\faq-btsettings.html",
                                   u"%xC:\\Dir\\HelpFiles\\%en-US\\faq-btsettings.html",
                               }));
}

TEST_F(HelpTopicTest, APathLongerThanTheBufferIsNeverOpened) {
    // "C:\Dir" + "\HelpFiles\" + "en-US" + "\" + topic: 6 + 11 + 5 + 1 + 19 = 42
    // units; the topic is padded to a total of 259 (fits) and 260 (does not).
    for (std::size_t total : {259u, 260u}) {
        std::u16string topic(total - 42 + 19, u't');
        platform.opened.clear();
        EXPECT_EQ(Open(kFolderFormat, topic.c_str()), total == 259 ? 1 : 0);
        EXPECT_EQ(platform.opened.size(), total == 259 ? 1u : 0u);
        if (!platform.opened.empty()) {
            EXPECT_EQ(platform.opened[0].size(), 259u);
        }
    }

    // A folder too long for the format: nothing is built from a cut folder.
    std::u16string folder = u"C:\\" + std::u16string(250, u'd');
    platform.appletPath = Text260(folder + u"\\Q.dll");
    platform.opened.clear();
    EXPECT_EQ(Open(), 0);
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(HelpTopicTest, ATagFolderThatWouldNotFitFallsBackToEnglish) {
    // A base of 245 units takes "en-US", "\" and "t.html" (257 units), but
    // not the 19-character tag, whose cut form must not even be looked for.
    std::u16string folder = u"C:\\" + std::u16string(245 - 3 - 11, u'd');
    std::u16string base = folder + u"\\HelpFiles\\";
    platform.appletPath = Text260(folder + u"\\QuorvelCpl.dll");
    platform.existing = {base + u"de-DE-x-privat"};
    PutTag(u"de-DE-x-private-abc");
    EXPECT_EQ(Open(kFolderFormat, u"t.html"), 1);
    EXPECT_TRUE(platform.existenceChecks.empty());
    EXPECT_EQ(platform.opened, Opened(base + u"en-US\\t.html"));
}

}  // namespace
