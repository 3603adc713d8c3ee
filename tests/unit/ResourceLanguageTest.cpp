#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/ResourceLanguage.h"

namespace {

std::u16string Library(std::u16string_view tag) {
    return u"C:\\Dir\\" + std::u16string(tag) + u"\\QuorvelCpl" + std::u16string(tag) + u".dll";
}

class ResourceLanguageTest : public RegistryTest {
protected:
    // Runs one selection; returns the languages tried.
    std::vector<LangId> Select() {
        platform.languagesTried.clear();
        CResourceLanguage language(platform, registry);
        language.SelectResourceLanguage();
        current = language.CurrentLanguage();
        library = language.Library() ? platform.loaded.at(language.Library() - 1) : u"";
        libraryIsCurrent = language.Library() != 0 && platform.currentResourceModule == language.Library();
        return platform.languagesTried;
    }

    FakeLanguagePlatform platform;  // outlives every CResourceLanguage of a test
    LangId current = 0;
    std::u16string library;
    bool libraryIsCurrent = false;
};

// Each candidate is tried as it is, in its neutral form and in its default
// form, as far as those differ from it, and the candidates in turn until a
// library loads.
TEST_F(ResourceLanguageTest, CandidatesAndTheirFormsAreTriedInOrderUntilALibraryLoads) {
    platform.userUi = 0x0C07;       // a regional form
    platform.systemUi = 0x0413;     // a default form
    platform.userDefault = 0x000C;  // a neutral form
    platform.systemDefault = 0x0409;
    platform.installed = {Library(u"en-US")};
    EXPECT_EQ(Select(), (std::vector<LangId>{0x0C07, 0x0007, 0x0407, 0x0413, 0x0013, 0x000C, 0x040C, 0x0409}));
    EXPECT_EQ(std::tuple(current, library, libraryIsCurrent), std::tuple(0x0409, Library(u"en-US"), true));

    platform.userUi = 0x0C0C;  // a regional form finds its default form's library
    platform.installed = {Library(u"fr-FR")};
    platform.loadAttempts.clear();
    Select();
    EXPECT_EQ(platform.loadAttempts, (std::vector<std::u16string>{Library(u"fr-CA"), Library(u"fr-FR")}))
        << "the neutral form has no country and is not loaded";
    EXPECT_EQ(current, 0x040C);
}

// A path that does not fit 260 units is no path: it is never cut into another.
// Without any library, the host's language is current, else English.
TEST_F(ResourceLanguageTest, TheLibraryIsNamedAfterTheAppletElseTheHostLanguageOrEnglishServes) {
    platform.userUi = 0x040C;
    // The folder takes "\fr-FR\Qfr-FR.dll" (17 units) to 259 units; one more does not fit.
    const std::u16string folder = u"C:\\" + std::u16string(239, u'a');
    for (const std::u16string& applet :
         {std::u16string(u"C:\\Dir\\QuorvelCpl.DLL"), std::u16string(u"D:\\My.Apps\\Quorvel.Cpl.dll"),
          std::u16string(u"D:\\Apps\\QuorvelCpl"), std::u16string(u"QuorvelCpl.dll"), folder + u"\\Q.dll",
          folder + u"a\\Q.dll"}) {
        platform.appletPath = Text260(applet);
        Select();
    }
    EXPECT_EQ(std::tuple(current, library), std::tuple(0x0409, u""));
    platform.appletPath.reset();
    platform.hostTranslation = 0x0416;
    Select();
    EXPECT_EQ(current, 0x0416);
    EXPECT_EQ(platform.loadAttempts, (std::vector<std::u16string>{
                                         u"C:\\Dir\\fr-FR\\QuorvelCplfr-FR.dll",
                                         u"D:\\My.Apps\\fr-FR\\Quorvel.Cplfr-FR.dll",
                                         u"D:\\Apps\\fr-FR\\QuorvelCplfr-FR.dll",
                                         folder + u"\\fr-FR\\Qfr-FR.dll",
                                     }));
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
        EXPECT_EQ(platform.currentResourceModule, 0u);
    }
    EXPECT_EQ(platform.freed, (std::vector<LibraryHandle>{first, second}));
    EXPECT_EQ(platform.freedWhileCurrent, 0);
}

}  // namespace
