// The resource language chosen when the applet is loaded.  The German* tests
// need a process with a German interface language (CTest's win_german entry
// runs them under a German Unix locale); every other test here runs in the
// ordinary English process.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <psapi.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kGermanLibrary[] = L"QuorvelCplde-DE.dll";
constexpr UINT kAppletNameText = 102;

std::wstring FileNameOf(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring name(path);
    return name.substr(name.find_last_of(L"\\/") + 1);
}

// The file names of the language libraries loaded in this process: anything
// named after the applet but the applet itself.
std::vector<std::wstring> LoadedLanguageLibraries() {
    HMODULE modules[512] = {};
    DWORD bytes = 0;
    EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &bytes);
    std::vector<std::wstring> found;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        std::wstring name = FileNameOf(modules[i]);
        if (name.size() > 10 && _wcsnicmp(name.c_str(), L"QuorvelCpl", 10) == 0 &&
            _wcsicmp(name.c_str(), L"QuorvelCpl.dll") != 0)
            found.push_back(name);
    }
    return found;
}

TEST(LanguageSelection, AnEnglishProcessKeepsTheAppletsOwnResources) {
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_ENGLISH);
    LoadedApplet applet;
    ASSERT_NE(applet.module(), nullptr);
    EXPECT_EQ(LoadedLanguageLibraries(), std::vector<std::wstring>{})
        << "no English library is installed, and no other language may stand in for it";
}

std::wstring Text(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

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

TEST_F(GermanProcess, LoadsTheGermanLibraryBesideTheAppletAndFreesItWithTheApplet) {
    {
        LoadedApplet applet;
        ASSERT_NE(applet.module(), nullptr);
        HMODULE german = GetModuleHandleW(kGermanLibrary);
        ASSERT_NE(german, nullptr) << "the applet did not load the German library";
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(german, path, MAX_PATH);
        EXPECT_EQ(_wcsicmp(path, BesideTestProgram(L"de-DE\\QuorvelCplde-DE.dll").c_str()), 0) << path;
        EXPECT_EQ(LoadedLanguageLibraries(), std::vector<std::wstring>{kGermanLibrary});
    }
    EXPECT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "the German library outlived the applet";
}

TEST_F(GermanProcess, TheSheetIsTitledFromTheGermanLibrary) {
    LoadedApplet applet;
    auto runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
    HMODULE german = GetModuleHandleW(kGermanLibrary);
    ASSERT_TRUE(runModal && german);
    std::wstring title = Text(german, kAppletNameText);
    ASSERT_FALSE(title.empty());
    ASSERT_NE(title, L"Bluetooth Settings") << "the German title must differ to tell the libraries apart";

    bool saw = false;
    {
        SheetWatcher watcher({}, title);
        runModal(nullptr);
        saw = watcher.SawSheet();
    }
    EXPECT_TRUE(saw) << "no sheet titled \"" << std::string(title.begin(), title.end()) << "\" was shown";
    DrainQuitMessages();
}

}  // namespace
