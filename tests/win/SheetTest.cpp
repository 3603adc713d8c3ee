// The real settings sheet: its tabs, caption, icon and placement, and what a
// run leaves behind.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>
#include <dbt.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kProductDefault[] = L"SOFTWARE\\Velmora\\Quorvel\\Default";

std::vector<std::wstring> TabTexts(HWND sheet) {
    HWND tabs = PropSheet_GetTabControl(sheet);
    std::vector<std::wstring> texts;
    int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

void SetScmstSupported(const DWORD* value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProductDefault, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    if (value)
        RegSetValueExW(key, L"IsScmstSupported", 0, REG_DWORD, reinterpret_cast<const BYTE*>(value), 4);
    else
        RegDeleteValueW(key, L"IsScmstSupported");
    RegCloseKey(key);
}

POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        SetScmstSupported(nullptr);
        runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
        ASSERT_NE(runModal, nullptr);
    }
    void TearDown() override { SetScmstSupported(nullptr); }

    // One run with `inspect` looking at the shown sheet; checks the run
    // showed it and left exactly one quit message.
    void Run(std::function<void(HWND)> inspect, HWND parent = nullptr) {
        bool saw = false;
        {
            SheetWatcher watcher(std::move(inspect));
            runModal(parent);
            saw = watcher.SawSheet();
        }
        EXPECT_TRUE(saw) << "the sheet was never shown";
        EXPECT_EQ(DrainQuitMessages(), 1) << "closing the hidden window posts one quit message";
    }

    LoadedApplet applet;
    void(WINAPI* runModal)(HWND) = nullptr;
};

TEST_F(SheetTest, ShowsSixTabsTitledIconedAndWithoutContextHelp) {
    std::vector<std::wstring> tabs;
    std::wstring caption;
    LONG style = 0, exStyle = 0;
    HICON icon = nullptr;
    Run([&](HWND sheet) {
        tabs = TabTexts(sheet);
        caption = WindowText(sheet);
        style = GetWindowLongW(sheet, GWL_STYLE);
        exStyle = GetWindowLongW(sheet, GWL_EXSTYLE);
        icon = reinterpret_cast<HICON>(SendMessageW(sheet, WM_GETICON, ICON_BIG, 0));
        if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(sheet, WM_GETICON, ICON_SMALL, 0));
    });
    EXPECT_EQ(tabs, (std::vector<std::wstring>{L"General", L"Hardware", L"My Bluetooth Services",
                                               L"File Sharing", L"COM Ports", L"PIM Settings"}));
    EXPECT_EQ(caption, L"Bluetooth Settings");
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(style & DS_CONTEXTHELP, 0);
    EXPECT_EQ(exStyle & WS_EX_CONTEXTHELP, 0);
}

TEST_F(SheetTest, AddsAudioVideoOnlyWhenTheMachineSaysExactlyOne) {
    for (DWORD value : {0u, 2u, 1u}) {
        SetScmstSupported(&value);
        std::vector<std::wstring> tabs;
        Run([&](HWND sheet) { tabs = TabTexts(sheet); });
        if (value == 1) {
            ASSERT_EQ(tabs.size(), 7u);
            EXPECT_EQ(tabs[5], L"Audio/Video");
            EXPECT_EQ(tabs[6], L"PIM Settings");
        } else {
            EXPECT_EQ(tabs.size(), 6u) << "IsScmstSupported = " << value;
        }
    }
}

TEST_F(SheetTest, IsCentredOverAVisibleParentAndOnTheWorkAreaOtherwise) {
    HWND parent = CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW, 200, 150, 500, 420,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    ShowWindow(parent, SW_SHOWNORMAL);
    RECT parentRect{}, sheetRect{};
    GetWindowRect(parent, &parentRect);
    Run([&](HWND sheet) { GetWindowRect(sheet, &sheetRect); }, parent);
    EXPECT_NEAR(Centre(sheetRect).x, Centre(parentRect).x, 1);
    EXPECT_NEAR(Centre(sheetRect).y, Centre(parentRect).y, 1);

    ShowWindow(parent, SW_HIDE);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    Run([&](HWND sheet) { GetWindowRect(sheet, &sheetRect); }, parent);
    EXPECT_NEAR(Centre(sheetRect).x, Centre(workArea).x, 1);
    EXPECT_NEAR(Centre(sheetRect).y, Centre(workArea).y, 1);
    DestroyWindow(parent);
}

TEST_F(SheetTest, ShowingTheSheetAgainDoesNotMoveItBack) {
    RECT after{};
    Run([&](HWND sheet) {
        SetWindowPos(sheet, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(sheet, SW_HIDE);
        ShowWindow(sheet, SW_SHOW);
        GetWindowRect(sheet, &after);
    });
    EXPECT_EQ(after.left, 10);
    EXPECT_EQ(after.top, 20);
}

TEST_F(SheetTest, TheHiddenWindowAnswersDeviceChangesWhileTheSheetIsOpen) {
    LRESULT arrival = 0, other = -1;
    bool hiddenWindowFound = false;
    Run([&](HWND) {
        HWND hidden = FindWindowW(kNotificationWindowClass, nullptr);
        hiddenWindowFound = hidden != nullptr;
        arrival = SendDeviceChange(DBT_DEVICEARRIVAL, kStackInterface);
        other = SendMessageW(hidden, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    });
    EXPECT_TRUE(hiddenWindowFound);
    EXPECT_EQ(arrival, TRUE);
    EXPECT_EQ(other, TRUE) << "handled, whatever the event, while the record is set";
    EXPECT_EQ(FindWindowW(kNotificationWindowClass, nullptr), nullptr) << "the hidden window outlived the run";
}

// Wine answers GetProcessHandleCount and GetGuiResources with 0, so the
// counts are taken by hand: every handle value that the process has open, and
// every top-level window of the process (the hidden window among them).
std::array<DWORD, 2> OpenHandlesAndWindows() {
    DWORD handles = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++handles;
    }
    DWORD windows = 0;
    EnumWindows(
        [](HWND window, LPARAM count) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId()) ++*reinterpret_cast<DWORD*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return {handles, windows};
}

TEST_F(SheetTest, AHundredRunsLeakNoHandlesOrWindows) {
    auto counts = OpenHandlesAndWindows;
    for (int warmUp = 0; warmUp < 3; ++warmUp) Run({});
    auto before = counts();
    for (int run = 0; run < 100; ++run) Run({});
    auto after = counts();
    // A leak of one object per run shows as a hundred; a few objects that
    // the system creates once on first use are tolerated.
    for (size_t i = 0; i < before.size(); ++i) EXPECT_LE(after[i], before[i] + 5) << "count " << i;
    std::string log = StubLog();
    size_t registrations = 0;
    for (size_t at = log.find("BtRegisterApplication"); at != std::string::npos;
         at = log.find("BtRegisterApplication", at + 1))
        ++registrations;
    EXPECT_EQ(registrations, 103u);
    RecordProperty("handles", std::to_string(before[0]) + " -> " + std::to_string(after[0]));
    RecordProperty("windows", std::to_string(before[1]) + " -> " + std::to_string(after[1]));
}

}  // namespace
