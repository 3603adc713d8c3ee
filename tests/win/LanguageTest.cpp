// The resource language chosen when the applet is loaded.  This test needs a
// process with a German interface language: CTest's win_german entry runs it
// under a German Unix locale, apart from the ordinary English process.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <string>

namespace {

constexpr wchar_t kGermanLibrary[] = L"QuorvelCplde-DE.dll";
constexpr UINT kAppletNameText = 102;

// The library beside the applet titles the sheet and goes with the applet.
TEST(GermanProcess, TheGermanLibraryBesideTheAppletTitlesTheSheetAndGoesWithIt) {
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_GERMAN)
        << "run the German tests under a German Unix locale (QUORVEL_LANG=de_DE.UTF-8)";
    ASSERT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "another test kept it loaded";
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
