#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/ResourceLanguage.h"

namespace {

constexpr char16_t kResourceLocaleKey[] = u"Control Panel\\Desktop\\ResourceLocale";

std::u16string Library(std::u16string_view tag) {
    return u"C:\\Dir\\" + std::u16string(tag) + u"\\QuorvelCpl" + std::u16string(tag) + u".dll";
}

class ResourceLanguageTest : public RegistryTest {
protected:
    // The languages tried when only the user's interface language is set.
    std::vector<LangId> TriedFor(LangId userUi) {
        platform.userUi = userUi;
        CResourceLanguage language(platform, registry);
        language.SelectResourceLanguage();
        return platform.languagesTried;
    }
    // The first language tried for the system's interface language, with
    // every other candidate 0 (a user interface language of 0 is passed over
    // at once); 0 when nothing was tried.
    LangId SystemUiLanguageTried() {
        platform.languagesTried.clear();
        CResourceLanguage language(platform, registry);
        language.SelectResourceLanguage();
        return platform.languagesTried.empty() ? 0 : platform.languagesTried.front();
    }
    void PutResourceLocale(std::uint32_t type, std::string_view bytes) {
        registry.PutValue(RegistryRoot::CurrentUser, kResourceLocaleKey, u"", type, bytes);
    }

    FakeLanguagePlatform platform;  // outlives every CResourceLanguage of a test
};

TEST_F(ResourceLanguageTest, SublanguagesFallBackToTheNeutralAndTheDefaultForm) {
    EXPECT_EQ(TriedFor(0x0C07), (std::vector<LangId>{0x0C07, 0x0007, 0x0407}));
    platform.languagesTried.clear();
    EXPECT_EQ(TriedFor(0x0407), (std::vector<LangId>{0x0407, 0x0007}));
    platform.languagesTried.clear();
    EXPECT_EQ(TriedFor(0x0007), (std::vector<LangId>{0x0007, 0x0407}));
}

TEST_F(ResourceLanguageTest, CandidatesAreTriedInOrderUntilALibraryLoads) {
    platform.userUi = 0x0C07;
    platform.systemUi = 0x0C0C;
    platform.userDefault = 0x0413;
    platform.systemDefault = 0x0409;
    platform.installed = {Library(u"en-US")};
    CResourceLanguage language(platform, registry);
    language.SelectResourceLanguage();

    EXPECT_EQ(platform.languagesTried, (std::vector<LangId>{0x0C07, 0x0007, 0x0407, 0x0C0C, 0x000C,
                                                            0x040C, 0x0413, 0x0013, 0x0409}));
    EXPECT_EQ(language.CurrentLanguage(), 0x0409);
    ASSERT_NE(language.Library(), 0u);
    EXPECT_EQ(platform.PathOf(language.Library()), Library(u"en-US"));
    EXPECT_EQ(platform.currentResourceModule, language.Library());
}

TEST_F(ResourceLanguageTest, ARegionalFormFindsTheLibraryOfTheDefaultForm) {
    platform.userUi = 0x0C0C;
    platform.installed = {Library(u"fr-FR")};
    CResourceLanguage language(platform, registry);
    language.SelectResourceLanguage();

    EXPECT_EQ(platform.loadAttempts, (std::vector<std::u16string>{Library(u"fr-CA"), Library(u"fr-FR")}))
        << "the neutral form has no country and is not loaded";
    EXPECT_EQ(language.CurrentLanguage(), 0x040C);
    EXPECT_EQ(platform.currentResourceModule, language.Library());
}

TEST_F(ResourceLanguageTest, WithoutAnyLibraryTheHostLanguageOrEnglishIsCurrent) {
    platform.userUi = 0x0407;
    platform.systemUi = 0x040C;
    platform.userDefault = 0x0413;
    platform.systemDefault = 0x0409;
    for (LangId host : {LangId{0x0416}, LangId{0}}) {
        platform.hostTranslation = host;
        platform.loadAttempts.clear();
        CResourceLanguage language(platform, registry);
        EXPECT_EQ(language.FallbackLanguage(), host);
        language.SelectResourceLanguage();
        EXPECT_EQ(language.CurrentLanguage(), host ? host : 0x0409);
        EXPECT_EQ(language.Library(), 0u);
        EXPECT_FALSE(platform.loadAttempts.empty());
    }
    EXPECT_EQ(platform.currentResourceModule, 0u);
    EXPECT_TRUE(platform.freed.empty());
}

TEST_F(ResourceLanguageTest, SystemInterfaceLanguageComesFromTheFunctionThenTheSystemFamily) {
    registry.PutString(RegistryRoot::CurrentUser, kResourceLocaleKey, u"", u"0000040C");
    platform.ntdll = 0x0413;
    platform.win9x = true;
    platform.systemUi = 0x0407;
    EXPECT_EQ(SystemUiLanguageTried(), 0x0407) << "the function wins wherever it exists";
    platform.systemUi.reset();
    EXPECT_EQ(SystemUiLanguageTried(), 0x040C) << "9x family: the ResourceLocale key";
    platform.win9x = false;
    EXPECT_EQ(SystemUiLanguageTried(), 0x0413) << "NT family: ntdll's version resource";
    EXPECT_TRUE(registry.KeyRequests().size() == 1 && registry.KeyRequests()[0].access == reg::kRead);
}

TEST_F(ResourceLanguageTest, ResourceLocaleIsReadAsHexadecimalLanguage) {
    platform.systemUi.reset();
    platform.win9x = true;
    EXPECT_EQ(SystemUiLanguageTried(), 0) << "no key";

    struct Case {
        std::uint32_t type;
        std::u16string text;
        LangId expected;
    };
    const Case cases[] = {
        {reg::kSz, u"00000407", 0x0407},
        {reg::kSz, u"c0c", 0x0C0C},
        {reg::kSz, u"  0x413", 0x0413},
        {reg::kSz, u"407 and more", 0x0407},  // as "%x", up to the first other character
        {reg::kSz, u"", 0},
        {reg::kSz, u"German", 0},
        {reg::kSz, u"-407", 0},
        {reg::kSz, u"10407", 0},  // beyond 16 bits: no language, not 0x0407
        {reg::kSz, std::u16string(15, u'0') + u"407", 0},  // more than 32 bytes with the terminator
        {reg::kExpandSz, u"407", 0},
    };
    for (const Case& c : cases) {
        registry.PutString(RegistryRoot::CurrentUser, kResourceLocaleKey, u"", c.text, c.type);
        EXPECT_EQ(SystemUiLanguageTried(), c.expected) << std::string(c.text.begin(), c.text.end());
    }
    PutResourceLocale(reg::kDword, std::string("\x07\x04\0\0", 4));
    EXPECT_EQ(SystemUiLanguageTried(), 0) << "REG_DWORD";
    PutResourceLocale(reg::kSz, Utf16Bytes(u"0000000000000407"));  // 32 bytes, no terminator
    EXPECT_EQ(SystemUiLanguageTried(), 0x0407);
    PutResourceLocale(reg::kSz, Utf16Bytes(std::u16string(u"407")));  // fits, no terminator
    EXPECT_EQ(SystemUiLanguageTried(), 0x0407);
}

TEST_F(ResourceLanguageTest, LibraryIsNamedAfterTheAppletInALanguageFolderBesideIt) {
    platform.userUi = 0x040C;
    platform.appletPath = Text260(u"C:\\Dir\\QuorvelCpl.DLL");
    CResourceLanguage(platform, registry).SelectResourceLanguage();
    platform.appletPath = Text260(u"D:\\My.Apps\\Quorvel.Cpl.dll");
    CResourceLanguage(platform, registry).SelectResourceLanguage();
    platform.appletPath = Text260(u"D:\\Apps\\QuorvelCpl");
    CResourceLanguage(platform, registry).SelectResourceLanguage();
    platform.appletPath = Text260(u"QuorvelCpl.dll");  // no folder to look in
    CResourceLanguage(platform, registry).SelectResourceLanguage();
    platform.appletPath.reset();
    CResourceLanguage(platform, registry).SelectResourceLanguage();

    EXPECT_EQ(platform.loadAttempts, (std::vector<std::u16string>{
                                         u"C:\\Dir\\fr-FR\\QuorvelCplfr-FR.dll",
                                         u"D:\\My.Apps\\fr-FR\\Quorvel.Cplfr-FR.dll",
                                         u"D:\\Apps\\fr-FR\\QuorvelCplfr-FR.dll",
                                     }));
}

TEST_F(ResourceLanguageTest, ALibraryPathLongerThanTheBufferIsNeverLoaded) {
    platform.userUi = 0x0407;
    // Folder + "\de-DE\QuorvelCplde-DE.dll" (26 units) of exactly 259 units
    // fits with its terminator; one more unit does not.
    for (std::size_t folderUnits : {233u, 234u}) {
        std::u16string folder = u"C:\\" + std::u16string(folderUnits - 3, u'a');
        platform.appletPath = Text260(folder + u"\\QuorvelCpl.dll");
        platform.installed = {folder + u"\\de-DE\\QuorvelCplde-DE.dll"};
        platform.loadAttempts.clear();
        CResourceLanguage language(platform, registry);
        language.SelectResourceLanguage();
        if (folderUnits == 233) {
            ASSERT_EQ(platform.loadAttempts.size(), 1u);
            EXPECT_EQ(platform.loadAttempts[0].size(), 259u);
            EXPECT_NE(language.Library(), 0u);
        } else {
            EXPECT_TRUE(platform.loadAttempts.empty());
            EXPECT_EQ(language.Library(), 0u);
        }
    }
}

// The applet's resources never come from a freed library: a replaced library
// goes after its successor is current, the last one after the applet's own
// resources are back, and each exactly once.
TEST_F(ResourceLanguageTest, LibrariesAreFreedOnceAndNeverWhileCurrent) {
    platform.installed = {Library(u"de-DE"), Library(u"fr-FR")};
    LibraryHandle first = 0, second = 0;
    {
        CResourceLanguage language(platform, registry);
        platform.userUi = 0x0407;
        language.SelectResourceLanguage();
        first = language.Library();
        platform.userUi = 0x040C;
        language.SelectResourceLanguage();
        second = language.Library();
        EXPECT_EQ(platform.currentResourceModule, second);
        EXPECT_EQ(platform.freed, std::vector<LibraryHandle>{first});

        language.Release();
        language.Release();
        EXPECT_EQ(language.Library(), 0u);
        EXPECT_EQ(platform.currentResourceModule, 0u);
    }
    EXPECT_EQ(platform.freed, (std::vector<LibraryHandle>{first, second}));
    EXPECT_EQ(platform.freedWhileCurrent, 0);
}

}  // namespace
