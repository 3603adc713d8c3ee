// The resource language chosen when the applet is loaded.  The German* tests
// need a process with a German interface language (CTest's win_german entry
// runs them under a German Unix locale); every other test here runs in the
// ordinary English process.

#include <gtest/gtest.h>

#include "ModuleResources.h"
#include "TestSupport.h"


#include <string>

namespace {

constexpr wchar_t kGermanLibrary[] = L"QuorvelCplde-DE.dll";
constexpr UINT kAppletNameText = 102;

class GermanProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_GERMAN)
            << "run the German tests under a German Unix locale (QUORVEL_LANG=de_DE.UTF-8)";
        ASSERT_NE(GetFileAttributesW(BesideTestProgram(L"de-DE\\QuorvelCplde-DE.dll").c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << "the German library is not built beside the applet";
        ASSERT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "another test kept it loaded";
    }
};

// The library beside the applet titles the sheet and goes with the applet.
TEST_F(GermanProcess, TheGermanLibraryBesideTheAppletTitlesTheSheetAndGoesWithIt) {
    {
        LoadedApplet applet;
        auto runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
        HMODULE german = GetModuleHandleW(kGermanLibrary);
        ASSERT_TRUE(runModal && german) << "the applet did not load the German library";
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(german, path, MAX_PATH);
        EXPECT_EQ(_wcsicmp(path, BesideTestProgram(L"de-DE\\QuorvelCplde-DE.dll").c_str()), 0) << path;
        std::wstring title = StringResource(german, kAppletNameText);
        ASSERT_NE(title, L"Bluetooth Settings") << "the German title must differ to tell the libraries apart";
        SheetWatcher watcher({}, title);
        runModal(nullptr);
        EXPECT_TRUE(watcher.SawSheet()) << "no sheet titled from the German library was shown";
        DrainQuitMessages();
    }
    EXPECT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "the German library outlived the applet";
}

}  // namespace
