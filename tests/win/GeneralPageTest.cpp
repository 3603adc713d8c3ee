// The General page on the real sheet, driven the way a user drives it.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "res/resource.h"

namespace {

constexpr wchar_t kUserProduct[] = L"Software\\Velmora\\Quorvel";
constexpr wchar_t kUserNotifications[] = L"Software\\Velmora\\Quorvel\\Notifications";
constexpr wchar_t kUserDefault[] = L"Software\\Velmora\\Quorvel\\Default";
constexpr wchar_t kMachineNotifications[] = L"SOFTWARE\\Velmora\\Quorvel\\Default\\Notifications";
constexpr wchar_t kMachineProximity[] = L"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing";

bool IsTicked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }

// Presses OK and waits for the sheet to close.
void PressOk(HWND sheet) {
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "OK did not close the sheet";
}

constexpr GUID kOtherInterface = {
    0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};

std::wstring ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(name, &size);
    return name;
}

class GeneralPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        DeleteRegistryTree(HKEY_CURRENT_USER, kUserProduct);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Velmora\\Quorvel");
        SetRegistryString(HKEY_CURRENT_USER, kUserProduct, L"", L"");
        runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
        ASSERT_NE(runModal, nullptr);
    }
    void TearDown() override { DrainQuitMessages(); }

    // Runs the sheet with `drive` acting on the General page.
    void Run(const std::function<void(HWND sheet, HWND page)>& drive) {
        SheetWatcher watcher([&](HWND sheet) { drive(sheet, PropSheet_GetCurrentPageHwnd(sheet)); });
        runModal(nullptr);
        EXPECT_TRUE(watcher.SawSheet());
    }

    LoadedApplet applet;
    void(WINAPI* runModal)(HWND) = nullptr;
};

TEST_F(GeneralPageTest, SwitchingTheRadioOffWithOkTogglesOnceAndSendsNoName) {
    Run([](HWND sheet, HWND page) {
        EXPECT_TRUE(IsTicked(page, IDC_RADIO_ON));
        Click(page, IDC_RADIO_ON);
        PressOk(sheet);
    });
    std::string log = StubLog();
    EXPECT_NE(log.find("BtGetRadioStatus()\nBtGetDiscoveryModeStatus()\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("BtToggleRadioOnOff()"), log.rfind("BtToggleRadioOnOff()")) << log;
    EXPECT_NE(log.find("BtToggleRadioOnOff()"), std::string::npos) << log;
    EXPECT_EQ(log.find("BtSetDeviceFriendlyName"), std::string::npos) << log;
    EXPECT_EQ(VmrStubGetState("radio"), 0);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kUserNotifications, L"LocalDeviceName").first, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kUserDefault, L"HighSpeed").first,
              static_cast<DWORD>(REG_DWORD));
}

TEST_F(GeneralPageTest, ARenameReachesTheStackAndTheUsersKey) {
    Run([](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"  Lab B\u00E4nch ");
        PressOk(sheet);
    });
    EXPECT_NE(StubLog().find("BtSetDeviceFriendlyName(name=\"Lab B\xC3\xA4nch\")"), std::string::npos)
        << StubLog();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kUserNotifications, L"LocalDeviceName"),
              std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring(L"Lab B\u00E4nch")));
}

TEST_F(GeneralPageTest, AnEmptyNameShowsTheMessageAndKeepsTheSheetOpen) {
    std::wstring message;
    bool stillOpenOnGeneral = false;
    Run([&](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"   ");
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = FindDialogByCaption(L"Error")) != nullptr; }));
        message = MessageText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(box); });
        stillOpenOnGeneral = IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet) == page;
    });
    EXPECT_EQ(message, L"Device name can not be empty. Please enter.");
    EXPECT_TRUE(stillOpenOnGeneral);
    EXPECT_EQ(StubLog().find("BtSetDeviceFriendlyName"), std::string::npos);
}

TEST_F(GeneralPageTest, TheStackGoingAwayWhileTheSheetIsOpenStopsTheApply) {
    std::wstring message;
    Run([&](HWND sheet, HWND) {
        SendDeviceChange(DBT_DEVICEARRIVAL, kOtherInterface);  // changes nothing
        SendDeviceChange(DBT_DEVICEREMOVECOMPLETE, kStackInterface);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (box = FindDialogByCaption(L"Bluetooth Configuration Error")) != nullptr; }));
        message = MessageText(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "an unavailable stack still closes";
    });
    EXPECT_EQ(message, L"Device Unavailable. Settings can not be saved.");
    std::string log = StubLog();
    EXPECT_EQ(log.find("BtSetHighSpeedStatus"), std::string::npos) << "nothing applied: " << log;
    EXPECT_EQ(log.find("BtSetDeviceFriendlyName"), std::string::npos) << "nothing applied: " << log;
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kUserDefault, L"HighSpeed").first, 0u);
}

TEST_F(GeneralPageTest, AnotherInterfaceGoingAwayLeavesTheStackAvailable) {
    Run([](HWND sheet, HWND) {
        SendDeviceChange(DBT_DEVICEREMOVECOMPLETE, kOtherInterface);
        PressOk(sheet);
    });
    EXPECT_NE(StubLog().find("BtSetHighSpeedStatus"), std::string::npos) << StubLog();
}

TEST_F(GeneralPageTest, RestoreDefaultTakesTheMachineDefaultsWhenTheyExist) {
    SetRegistryDword(HKEY_LOCAL_MACHINE, kMachineNotifications, L"IsRadioOn", 0);
    SetRegistryDword(HKEY_LOCAL_MACHINE, kMachineNotifications, L"IsDiscoveryEnabled", 0);
    SetRegistryDword(HKEY_LOCAL_MACHINE, kMachineProximity, L"DefaultState", 1);
    bool radio = true, discoverable = true, applyEnabled = false;
    std::wstring name;
    Run([&](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"Typed");
        Click(page, IDC_RESTORE_DEFAULT);
        radio = IsTicked(page, IDC_RADIO_ON);
        discoverable = IsTicked(page, IDC_DISCOVERABLE);
        name = WindowText(GetDlgItem(page, IDC_DEVICE_NAME));
        applyEnabled = IsWindowEnabled(GetDlgItem(sheet, 0x3021));
    });
    EXPECT_FALSE(radio);
    EXPECT_FALSE(discoverable);
    EXPECT_EQ(name, ComputerName());
    EXPECT_TRUE(applyEnabled);
    EXPECT_NE(StubLog().find("BthProximityPairingOnOff(value=1)"), std::string::npos) << StubLog();
}

TEST_F(GeneralPageTest, RestoreDefaultWithoutMachineKeysKeepsTheControls) {
    bool radio = false;
    std::wstring name;
    Run([&](HWND, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"Typed");
        Click(page, IDC_RESTORE_DEFAULT);
        radio = IsTicked(page, IDC_RADIO_ON);
        name = WindowText(GetDlgItem(page, IDC_DEVICE_NAME));
    });
    EXPECT_TRUE(radio);
    EXPECT_EQ(name, L"Typed");
    EXPECT_EQ(StubLog().find("BthProximityPairingOnOff"), std::string::npos);
}

TEST_F(GeneralPageTest, TheHelpLinkAndTheHelpNotificationOpenTheTopic) {
    std::wstring log = BesideTestProgram(L"help-opened.txt");
    DeleteFileW(log.c_str());
    // What the shell runs for .html files in this prefix: the recorder.
    SetRegistryString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.html", L"", L"QuorvelTest.Html");
    SetRegistryString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\QuorvelTest.Html\\shell\\open\\command",
                      L"", L"\"" + BesideTestProgram(L"help_recorder.exe") + L"\" \"" + log + L"\" \"%1\"");

    Run([](HWND sheet, HWND page) {
        NMLINK click{};
        click.hdr.hwndFrom = GetDlgItem(page, IDC_HELP_LINK);
        click.hdr.idFrom = IDC_HELP_LINK;
        click.hdr.code = NM_CLICK;
        SendMessageW(page, WM_NOTIFY, IDC_HELP_LINK, reinterpret_cast<LPARAM>(&click));
        PSHNOTIFY help{};
        help.hdr.hwndFrom = sheet;
        help.hdr.code = PSN_HELP;
        SendMessageW(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&help));
    });

    std::wstring expected = BesideTestProgram(L"HelpFiles\\en-US\\faq-btsettings.html");
    std::string lines;
    ASSERT_TRUE(WaitUntil([&] {
        std::ifstream file{std::filesystem::path(log)};
        std::stringstream text;
        text << file.rdbuf();
        lines = text.str();
        return std::count(lines.begin(), lines.end(), '\n') >= 2;
    })) << "the shell did not run the recorder twice: " << lines;
    std::string path(expected.begin(), expected.end());  // the build folder's path is ASCII
    EXPECT_EQ(lines, path + "\n" + path + "\n");
}

}  // namespace
