// The pages on the real sheet, driven the way a user drives them: what only
// real windows, the real registry, real folders and the stand-ins show.  The
// page logic itself is tested natively.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>
#include <dbt.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

#include "res/resource.h"

namespace {

enum Tab { kGeneral, kHardware, kServices, kFileSharing, kComPorts, kPim };

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteRegistryTree(root, sys::kMakerTree);
        SetRegistryString(HKEY_CURRENT_USER, sys::kUserProductKey, u"", L"");
    }
    // Runs the sheet with `drive` acting on the page at `tab`.
    void Run(int tab, const std::function<void(HWND sheet, HWND page)>& drive) {
        RunSheet(applet, [&](HWND sheet) { drive(sheet, ShowPage(sheet, tab)); });
    }
    LoadedApplet applet;
};

// A refused apply keeps the sheet open where the user is, even when that is
// another page than the one that refused.
TEST_F(PagesTest, AnEmptyNameKeepsTheSheetOpenOnTheCurrentPage) {
    std::wstring message;
    HWND current = nullptr, hardware = nullptr;
    Run(kGeneral, [&](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_DEVICE_NAME, L"   ");
        hardware = ShowPage(sheet, kHardware);
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
TEST_F(PagesTest, OnlyTheStacksInterfaceGoingAwayStopsTheApply) {
    constexpr GUID kOtherInterface = {0x12345678, 0x1234, 0x1234, {0x12, 0x34, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};
    const struct {
        const char* what;
        GUID interfaceClass;
        DWORD deviceType;
        bool stackGone;
    } broadcasts[] = {
        {"another interface", kOtherInterface, DBT_DEVTYP_DEVICEINTERFACE, false},
        {"a volume", kStackInterface, DBT_DEVTYP_VOLUME, false},
        {"the stack's interface", kStackInterface, DBT_DEVTYP_DEVICEINTERFACE, true},
    };
    for (const auto& broadcast : broadcasts) {
        SCOPED_TRACE(broadcast.what);
        VmrStubClearLog();
        std::wstring message;
        Run(kGeneral, [&](HWND sheet, HWND) {
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

TEST_F(PagesTest, HardwareAndServicesShowTheStacksFacts) {
    ListCells hardware, services;
    std::wstring name;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, kHardware);
        Click(page, IDC_HARDWARE_REFRESH);
        Click(page, IDC_HARDWARE_REFRESH);
        hardware = ListRows(GetDlgItem(page, IDC_HARDWARE_LIST));
        page = ShowPage(sheet, kServices);
        services = ListRows(GetDlgItem(page, IDC_SERVICES_LIST));
        name = WindowText(GetDlgItem(page, IDC_SERVICES_DEVICE_NAME));
    });
    EXPECT_EQ(hardware, (ListCells{{L"Manufacturer", L"Velmora"},
                                   {L"Device Address", L"02:1a:7d:da:71:13"},
                                   {L"Bluetooth Version", L"4.0"},
                                   {L"Firmware Version", L"4135"}}))
        << "a refresh fills the list anew";
    EXPECT_EQ(services.size(), 15u);
    EXPECT_EQ(name, L"B\u00FCro-PC");
}

TEST_F(PagesTest, ComPortsListTheStacksPortsAndRemoveAnOutgoingOne) {
    ListCells before, after;
    bool removeAfterIncoming = true, removeAfterOutgoing = false;
    Run(kComPorts, [&](HWND, HWND page) {
        HWND list = GetDlgItem(page, IDC_COM_PORTS_LIST);
        before = ListRows(list);
        SelectListRow(list, 1);
        removeAfterIncoming = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        SelectListRow(list, 0);
        removeAfterOutgoing = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        Click(page, IDC_COM_PORTS_REMOVE);
        after = ListRows(list);
    });
    EXPECT_EQ(before, (ListCells{{L"COM5", L"Outgoing", L"Pocket Phone"},
                                 {L"COM6", L"Incoming", L"Field Scanner"},
                                 {L"COM8", L"Outgoing", L"M\u00E9lanie's Car Kit"}}));
    EXPECT_FALSE(removeAfterIncoming);
    EXPECT_TRUE(removeAfterOutgoing);
    EXPECT_NE(StubLog().find("BtVmrBtDeactivateService(address=0a1b2b3c4d5e, kind=12, port=5)"), std::string::npos)
        << StubLog();
    EXPECT_EQ(after, ListCells(before.begin() + 1, before.end()));
}

// The stack passes its ports in an array of ten records: ten ports all
// show, and of more the ten that the array holds.
TEST_F(PagesTest, TheComPortsListShowsAsManyPortsAsTheArrayHolds) {
    for (std::uint32_t ports : {10u, 11u}) {
        std::vector<_SPP_PORT_INFO> records(ports);
        for (std::uint32_t i = 0; i < ports; ++i) {
            records[i].address = 0x0A0000000000ull + i;
            records[i].comPort = 20 + i;
            records[i].kind = i % 2 ? kSppPortIncoming : kSppPortOutgoing;
            std::snprintf(records[i].remoteName, sizeof records[i].remoteName, "Device %u", i);
        }
        VmrStubSetPorts(records.data(), ports);
        ListCells rows;
        Run(kComPorts, [&](HWND, HWND page) { rows = ListRows(GetDlgItem(page, IDC_COM_PORTS_LIST)); });
        ASSERT_EQ(rows.size(), kSppPortArrayRecords) << ports << " ports";
        for (std::uint32_t i = 0; i < kSppPortArrayRecords; ++i)
            EXPECT_EQ(rows[i], (std::vector<std::wstring>{L"COM" + std::to_wstring(20 + i), i % 2 ? L"Incoming" : L"Outgoing",
                                                          L"Device " + std::to_wstring(i)}));
    }
}

TEST_F(PagesTest, ChangedFoldersReachTheServerAndTheRegistry) {
    const std::wstring exchange = L"C:\\QuorvelShare\\Exchange", images = L"C:\\QuorvelShare\\Images";
    for (const wchar_t* folder : {L"C:\\QuorvelShare", exchange.c_str(), images.c_str()})
        CreateDirectoryW(folder, nullptr);
    std::wstring imagingAtStart;
    Run(kFileSharing, [&](HWND sheet, HWND page) {
        imagingAtStart = WindowText(GetDlgItem(page, IDC_IMAGING_FOLDER));
        SetDlgItemTextW(page, IDC_EXCHANGE_FOLDER, exchange.c_str());
        SetDlgItemTextW(page, IDC_IMAGING_FOLDER, images.c_str());
        PressOk(sheet);
    });
    wchar_t pictures[MAX_PATH] = {}, user[260] = {};
    SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, pictures);
    EXPECT_EQ(imagingAtStart, pictures) << "a new user's imaging folder";
    EXPECT_NE(StubLog().find("SetFTPServerRootFolder(path=\"C:\\QuorvelShare\\Exchange\", length=24)"),
              std::string::npos) << StubLog();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kFileSharingKey, sys::kFtspath).second, exchange);
    DWORD size = 260;
    GetUserNameW(user, &size);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kImageFolderKey, reinterpret_cast<const char16_t*>(user)).second,
              images);
}

// A first-start user, who has no exchange folder yet, can still press OK.
TEST_F(PagesTest, AFirstStartUserCanCloseTheSheetAfterVisitingFileSharing) {
    Run(kFileSharing, [](HWND sheet, HWND) { PressOk(sheet); });
}

TEST_F(PagesTest, AFreshPimUserGetsEverySwitchAndApplySendsTheBoxesAsTheyStand) {
    bool allTicked = true, itemsDisabled = false;
    Run(kPim, [&](HWND sheet, HWND page) {
        for (int id : {IDC_PIM_ALLOW_SEND, IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL, IDC_PIM_NOTES,
                       IDC_PIM_ATTACHMENTS})
            allTicked = allTicked && IsDlgButtonChecked(page, id) == BST_CHECKED;
        Click(page, IDC_PIM_ALLOW_SEND);
        itemsDisabled = !IsWindowEnabled(GetDlgItem(page, IDC_PIM_NOTES));
        PressOk(sheet);
    });
    EXPECT_TRUE(allTicked);
    EXPECT_TRUE(itemsDisabled);
    EXPECT_NE(StubLog().find("BtOPPSetServerConfig(0,1,1,1,1)"), std::string::npos) << StubLog();
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, sys::kPimSettingsKey, u"AllowDevicesToSend"), 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kPimSettingsKey, u"DefContactItem"),
              std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring()));
}

}  // namespace
