// The real settings sheet: its tabs, caption, icon, owner and placement.

#include "TestSupport.h"

namespace {

std::vector<std::wstring> TabTexts(HWND sheet) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    std::vector<std::wstring> texts(TabCtrl_GetItemCount(tabs));
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        wchar_t text[64] = {};
        TCITEMW item{TCIF_TEXT, 0, 0, text, 64, 0, 0};
        TabCtrl_GetItem(tabs, i, &item);
        texts[i] = text;
    }
    return texts;
}

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);
    }

    LoadedApplet applet;
};

// Six tabs under the applet's title and icon, no context help; without a
// parent the active window owns the sheet, which is centred over it while it
// is visible and over the work area otherwise.
TEST_F(SheetTest, ShowsItsTabsTitleAndIconOwnedByTheActiveWindowAndCentred) {
    HWND active = CreateWindowExW(0, L"Static", L"active", WS_OVERLAPPEDWINDOW, 200, 150, 500, 420,
                                  nullptr, nullptr, nullptr, nullptr);
    ShowWindow(active, SW_SHOWNORMAL);
    SetActiveWindow(active);
    ASSERT_EQ(GetActiveWindow(), active);
    std::vector<std::wstring> tabs;
    LONG style = 0, exStyle = 0;
    HICON shown = nullptr;
    HWND owner = nullptr;
    RECT activeRect{}, sheetRect{};
    GetWindowRect(active, &activeRect);
    // The run finds the sheet by its title, "Bluetooth Settings".
    RunSheet(applet, [&](HWND sheet) {
        tabs = TabTexts(sheet);
        style = GetWindowLongW(sheet, GWL_STYLE);
        exStyle = GetWindowLongW(sheet, GWL_EXSTYLE);
        shown = reinterpret_cast<HICON>(SendMessageW(sheet, WM_GETICON, ICON_SMALL, 0));
        owner = GetWindow(sheet, GW_OWNER);
        GetWindowRect(sheet, &sheetRect);
    });
    EXPECT_EQ(tabs, (std::vector<std::wstring>{L"General", L"Hardware", L"My Bluetooth Services",
                                               L"File Sharing", L"COM Ports", L"PIM Settings"}));
    EXPECT_EQ(style & DS_CONTEXTHELP, 0);
    EXPECT_EQ(exStyle & WS_EX_CONTEXTHELP, 0);
    // A shared icon: the same resource at the same size is the same handle.
    EXPECT_EQ(shown, LoadImageW(applet.module(), MAKEINTRESOURCEW(215), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    EXPECT_EQ(owner, active);
    EXPECT_NEAR(Centre(sheetRect).x, Centre(activeRect).x, 1);
    EXPECT_NEAR(Centre(sheetRect).y, Centre(activeRect).y, 1);

    ShowWindow(active, SW_HIDE);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RunSheet(applet, [&](HWND sheet) { GetWindowRect(sheet, &sheetRect); }, active);
    EXPECT_NEAR(Centre(sheetRect).x, Centre(workArea).x, 1);
    EXPECT_NEAR(Centre(sheetRect).y, Centre(workArea).y, 1);
    DestroyWindow(active);
}

}  // namespace
