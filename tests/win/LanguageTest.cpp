// The resource language chosen when the applet is loaded, in a process of
// each language the applet ships: CTest runs this test once per language
// under its Unix locale (win_lang_<tag>), from which Wine takes the
// interface language, apart from the ordinary English process.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "res/resource.h"

#include <commctrl.h>

#include <filesystem>
#include <string>

namespace {

constexpr DWORD kMirrored = WS_EX_LAYOUTRTL;

std::wstring InterfaceLanguageTag() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0);
    return name;
}

DWORD ExtendedStyle(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }

// The names in a list's first column that it cannot show whole (the page
// gives the column a fixed width; a cell pads its text on both sides).
std::vector<std::wstring> CutNames(HWND list) {
    std::vector<std::wstring> cut;
    const int width = ListView_GetColumnWidth(list, 0);
    for (const auto& row : ListRows(list))
        if (ListView_GetStringWidth(list, row[0].c_str()) + 12 > width) cut.push_back(row[0]);
    return cut;
}

// The library of the interface language titles the sheet, its pages and its
// message boxes, and goes with the applet.  Hebrew reads right to left: its
// sheet, tabs and pages are mirrored and its message boxes read right to left
// for a user whose configured language is Hebrew; no other sheet is.
TEST(LanguageProcess, TheLibraryOfTheInterfaceLanguageDressesTheSheetAndGoesWithIt) {
    const std::wstring tag = InterfaceLanguageTag();
    ASSERT_NE(tag.rfind(L"en-", 0), 0u) << "run this test under a translated Unix locale (QUORVEL_LANG)";
    const std::wstring library = L"QuorvelCpl" + tag + L".dll";
    const bool rightToLeft = tag == L"he-IL";
    ASSERT_EQ(GetModuleHandleW(library.c_str()), nullptr) << "another test kept it loaded";
    VmrStubReset();
    SetRegistryString(HKEY_CURRENT_USER, sys::kLanguageKey, sys::kDefaultUserLang, tag);
    {
        LoadedApplet applet;
        HMODULE translated = GetModuleHandleW(library.c_str());
        ASSERT_NE(translated, nullptr) << "the applet did not load " << library;
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(translated, path, MAX_PATH);
        EXPECT_EQ(_wcsicmp(path, BesideTestProgram((tag + L"\\" + library).c_str()).c_str()), 0) << path;
        const std::wstring title = StringResource(translated, IDS_APPLET_NAME);
        ASSERT_NE(title, L"Bluetooth Settings") << "the title must differ to tell the libraries apart";

        DWORD sheetStyle = 0, tabStyle = 0, pageStyle = 0, boxStyle = 0;
        std::wstring message;
        std::vector<std::wstring> cutNames;
        RunSheet(
            applet,
            [&](HWND sheet) {
                sheetStyle = ExtendedStyle(sheet);
                tabStyle = ExtendedStyle(PropSheet_GetTabControl(sheet));
                HWND page = ShowPage(sheet, 0);
                pageStyle = ExtendedStyle(page);
                for (auto [tab, list] : {std::pair{1, IDC_HARDWARE_LIST}, std::pair{2, IDC_SERVICES_LIST}})
                    for (const auto& name : CutNames(GetDlgItem(ShowPage(sheet, tab), list))) cutNames.push_back(name);
                page = ShowPage(sheet, 0);
                SetDlgItemTextW(page, IDC_DEVICE_NAME, L"");
                PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                message = AnswerMessageBox(StringResource(translated, IDS_ERROR_CAPTION), [&] {
                    boxStyle = ExtendedStyle(FindDialogByCaption(StringResource(translated, IDS_ERROR_CAPTION)));
                });
            },
            nullptr, title);
        EXPECT_EQ(message, StringResource(translated, IDS_NAME_EMPTY));
        EXPECT_EQ(cutNames, std::vector<std::wstring>()) << "names cut short in a list";
        EXPECT_EQ((sheetStyle & kMirrored) != 0, rightToLeft) << "the sheet";
        EXPECT_EQ((tabStyle & kMirrored) != 0, rightToLeft) << "the tabs";
        EXPECT_EQ((pageStyle & kMirrored) != 0, rightToLeft) << "the page";
        // Wine lays a right-to-left message box out mirrored; Windows may
        // mark its reading order instead.
        EXPECT_EQ((boxStyle & (kMirrored | WS_EX_RTLREADING)) != 0, rightToLeft) << "the message box";
    }
    EXPECT_EQ(GetModuleHandleW(library.c_str()), nullptr) << library << " outlived the applet";
    DeleteRegistryTree(HKEY_CURRENT_USER, sys::kMakerTree);
}

}  // namespace

// The sheet follows the pages, not the system: a mirrored library in an
// English process (placed where the applet looks for English) mirrors the
// sheet and its tabs although the system's own sheet template is not.
TEST(MirroredLibrary, MirrorsTheSheetInAProcessOfAnotherLanguage) {
    namespace fs = std::filesystem;
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_ENGLISH);
    // Gone however the test ends, so that no later test of this process loads it.
    struct StandIn {
        fs::path folder = BesideTestProgram(L"en-US");
        ~StandIn() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } standIn;
    fs::create_directory(standIn.folder);
    fs::copy_file(BesideTestProgram(L"he-IL\\QuorvelCplhe-IL.dll"), standIn.folder / L"QuorvelCplen-US.dll",
                  fs::copy_options::overwrite_existing);
    DWORD sheetStyle = 0, tabStyle = 0;
    {
        LoadedApplet applet;
        HMODULE hebrew = GetModuleHandleW(L"QuorvelCplen-US.dll");
        ASSERT_NE(hebrew, nullptr);
        RunSheet(
            applet,
            [&](HWND sheet) {
                sheetStyle = ExtendedStyle(sheet);
                tabStyle = ExtendedStyle(PropSheet_GetTabControl(sheet));
            },
            nullptr, StringResource(hebrew, IDS_APPLET_NAME));
    }
    EXPECT_NE(sheetStyle & kMirrored, 0u) << "the sheet";
    EXPECT_NE(tabStyle & kMirrored, 0u) << "the tabs";
}
