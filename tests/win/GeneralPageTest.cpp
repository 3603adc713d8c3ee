// The General page on the real sheet, driven the way a user drives it: what
// only real windows, the real registry and the stand-ins show.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>
#include <dbt.h>


#include "res/resource.h"

namespace {

constexpr GUID kOtherInterface = {
    0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};
constexpr DWORD kVolumeBroadcast = 2;  // DBT_DEVTYP_VOLUME

class GeneralPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        DeleteRegistryTree(HKEY_CURRENT_USER, sys::kUserProductKey);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);
        SetRegistryString(HKEY_CURRENT_USER, sys::kUserProductKey, u"", L"");
    }

    // Runs the sheet with `drive` acting on the General page.
    void Run(const std::function<void(HWND sheet, HWND page)>& drive) {
        RunSheet(applet, [&](HWND sheet) { drive(sheet, PropSheet_GetCurrentPageHwnd(sheet)); });
    }

    LoadedApplet applet;
};

TEST_F(GeneralPageTest, ARenameReachesTheStackAsUtf8AndTheUsersKey) {
    Run([](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"  Lab B\u00E4nch ");
        PressOk(sheet);
    });
    EXPECT_NE(StubLog().find("BtSetDeviceFriendlyName(name=\"Lab B\xC3\xA4nch\")"), std::string::npos)
        << StubLog();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kUserNotificationsKey, sys::kLocalDeviceName),
              std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring(L"Lab B\u00E4nch")));
}

// A refused apply keeps the sheet open where the user is, even when that is
// another page than the one that refused.
TEST_F(GeneralPageTest, AnEmptyNameKeepsTheSheetOpenOnTheCurrentPage) {
    std::wstring message;
    HWND current = nullptr, hardware = nullptr;
    Run([&](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"   ");
        PropSheet_SetCurSel(sheet, nullptr, 1);
        hardware = PropSheet_GetCurrentPageHwnd(sheet);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        message = AnswerMessageBox(L"Error");
        current = IsWindow(sheet) ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
    });
    EXPECT_EQ(message, L"Device name can not be empty. Please enter.");
    EXPECT_NE(hardware, nullptr);
    EXPECT_EQ(current, hardware) << "the sheet closed or moved to the refusing page";
    EXPECT_EQ(StubLog().find("BtSetDeviceFriendlyName"), std::string::npos);
}

// Only the removal of the stack's own device interface makes the stack
// unavailable; Apply then shows why and applies nothing.
TEST_F(GeneralPageTest, OnlyTheStacksInterfaceGoingAwayStopsTheApply) {
    const struct {
        const char* what;
        GUID interfaceClass;
        DWORD deviceType;
        bool stackGone;
    } broadcasts[] = {
        {"another interface", kOtherInterface, DBT_DEVTYP_DEVICEINTERFACE, false},
        {"a volume", kStackInterface, kVolumeBroadcast, false},
        {"the stack's interface", kStackInterface, DBT_DEVTYP_DEVICEINTERFACE, true},
    };
    for (const auto& broadcast : broadcasts) {
        SCOPED_TRACE(broadcast.what);
        VmrStubClearLog();
        std::wstring message;
        Run([&](HWND sheet, HWND) {
            EXPECT_EQ(SendDeviceChange(DBT_DEVICEREMOVECOMPLETE, broadcast.interfaceClass, broadcast.deviceType), TRUE);
            PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
            const std::wstring caption = L"Bluetooth Configuration Error";
            WaitUntil([&] { return !IsWindow(sheet) || FindDialogByCaption(caption); });
            if (FindDialogByCaption(caption)) message = AnswerMessageBox(caption);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "OK did not close the sheet";
        });
        bool applied = StubLog().find("BtSetHighSpeedStatus") != std::string::npos;
        EXPECT_EQ(applied, !broadcast.stackGone) << StubLog();
        EXPECT_EQ(message, broadcast.stackGone ? L"Device Unavailable. Settings can not be saved." : L"");
    }
}

TEST_F(GeneralPageTest, TheHelpLinkAndTheHelpNotificationOpenTheTopic) {
    // What the shell runs for .html files in this prefix: the recorder.
    SetRegistryString(HKEY_LOCAL_MACHINE, u"Software\\Classes\\.html", u"", L"QuorvelTest.Html");
    std::wstring log = RecordShellOpens({u"QuorvelTest.Html"});

    Run([](HWND sheet, HWND page) {
        ClickLink(page, IDC_HELP_LINK);
        PSHNOTIFY help{};
        help.hdr.hwndFrom = sheet;
        help.hdr.code = PSN_HELP;
        SendMessageW(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&help));
    });

    std::wstring expected = BesideTestProgram(L"HelpFiles\\en-US\\") + Wide(sys::kGeneralTopic);
    std::string path(expected.begin(), expected.end());  // the build folder's path is ASCII
    EXPECT_EQ(RecordedOpens(log, 2), path + "\n" + path + "\n");
}

}  // namespace
