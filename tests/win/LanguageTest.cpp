// The resource language chosen when the applet is loaded, in a process of
// each language the applet is translated into: CTest runs this test once per
// language under its Unix locale (win_lang_<tag>), from which Wine takes the
// interface language.

#include "TestSupport.h"
#include "res/resource.h"

#include <psapi.h>

namespace {

constexpr DWORD kMirrored = WS_EX_LAYOUTRTL;
DWORD ExtendedStyle(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }

// Whether a file whose path ends in `pathEnd` is mapped into this process, as
// an image or as data: a library loaded as data is in no module list.
bool IsMapped(const std::wstring& pathEnd) {
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<const char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        wchar_t name[MAX_PATH] = {};
        if ((region.Type & (MEM_IMAGE | MEM_MAPPED)) && region.BaseAddress == region.AllocationBase &&
            GetMappedFileNameW(GetCurrentProcess(), region.BaseAddress, name, MAX_PATH)) {
            std::wstring path = name;
            if (path.size() >= pathEnd.size() &&
                _wcsicmp(path.c_str() + path.size() - pathEnd.size(), pathEnd.c_str()) == 0)
                return true;
        }
    }
    return false;
}

// The library of the interface language titles the sheet, its pages and its
// message boxes (here, an empty name's refusal), and goes with the applet.
// Hebrew reads right to left: its sheet, tabs and pages are mirrored and its
// message boxes read right to left for a user whose configured language is
// Hebrew; no other sheet is.
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
        ASSERT_TRUE(IsMapped(L"\\" + tag + L"\\" + library)) << "the applet did not load " << library;
        EXPECT_EQ(GetModuleHandleW(library.c_str()), nullptr) << "a language library is loaded as code";
        const LibraryAsData ours(LoadAsData(tag + L"\\" + library), FreeLibrary);
        HMODULE translated = ours.get();
        const std::wstring title = StringResource(translated, IDS_APPLET_NAME);
        ASSERT_NE(title, L"Bluetooth Settings") << "the title must differ to tell the libraries apart";

        DWORD sheetStyle = 0, tabStyle = 0, pageStyle = 0, boxStyle = 0, pathStyle = 0;
        std::wstring message;
        HWND hardware = nullptr, current = nullptr;
        RunSheet(
            applet,
            [&](HWND sheet) {
                sheetStyle = ExtendedStyle(sheet);
                tabStyle = ExtendedStyle(PropSheet_GetTabControl(sheet));
                HWND page = ShowPage(sheet, 0);
                pageStyle = ExtendedStyle(page);
                pathStyle = ExtendedStyle(GetDlgItem(ShowPage(sheet, 3), IDC_IMAGING_FOLDER));
                SetDlgItemTextW(ShowPage(sheet, 0), IDC_DEVICE_NAME, L"   ");
                // The refusal keeps the sheet open where the user is, not on the refusing page.
                hardware = ShowPage(sheet, 1);
                PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                message = AnswerMessageBox(StringResource(translated, IDS_ERROR_CAPTION), [&] {
                    boxStyle = ExtendedStyle(FindDialogByCaption(StringResource(translated, IDS_ERROR_CAPTION)));
                });
                current = IsWindow(sheet) ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
            },
            nullptr, title);
        EXPECT_EQ(message, StringResource(translated, IDS_NAME_EMPTY));
        EXPECT_TRUE(hardware && current == hardware) << "the sheet closed or moved to the refusing page";
        EXPECT_EQ(StubLog().find("BtSetDeviceFriendlyName"), std::string::npos);
        EXPECT_EQ((sheetStyle & kMirrored) != 0, rightToLeft) << "the sheet";
        EXPECT_EQ((tabStyle & kMirrored) != 0, rightToLeft) << "the tabs";
        EXPECT_EQ((pageStyle & kMirrored) != 0, rightToLeft) << "the page";
        EXPECT_EQ(pathStyle & (kMirrored | WS_EX_RTLREADING), 0u) << "a path reads left to right";
        // Wine lays a right-to-left message box out mirrored; Windows may
        // mark its reading order instead.
        EXPECT_EQ((boxStyle & (kMirrored | WS_EX_RTLREADING)) != 0, rightToLeft) << "the message box";
    }
    EXPECT_FALSE(IsMapped(L"\\" + tag + L"\\" + library)) << library << " outlived the applet";
    DeleteRegistryTree(HKEY_CURRENT_USER, sys::kMakerTree);
}

}  // namespace
