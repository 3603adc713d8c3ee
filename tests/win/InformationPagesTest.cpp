// The Hardware, My Bluetooth Services, COM Ports and Audio/Video pages on the
// real sheet, filled from the stand-ins.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>

#include <vector>

#include "res/resource.h"

namespace {

class InformationPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);
    }
    LoadedApplet applet;
};

TEST_F(InformationPagesTest, HardwareAndServicesShowTheStacksFacts) {
    ListCells hardware, services;
    std::wstring name;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 1);
        Click(page, IDC_HARDWARE_REFRESH);
        Click(page, IDC_HARDWARE_REFRESH);
        hardware = ListRows(GetDlgItem(page, IDC_HARDWARE_LIST));
        page = ShowPage(sheet, 2);
        services = ListRows(GetDlgItem(page, IDC_SERVICES_LIST));
        name = WindowText(GetDlgItem(page, IDC_SERVICES_DEVICE_NAME));
    });
    EXPECT_EQ(hardware, (ListCells{{L"Manufacturer", L"Velmora"},
                              {L"Device Address", L"02:1a:7d:da:71:13"},
                              {L"Bluetooth Version", L"4.0"},
                              {L"Firmware Version", L"4135"}}))
        << "a refresh fills the list anew";
    ASSERT_EQ(services.size(), 15u);
    EXPECT_EQ(services[0], (std::vector<std::wstring>{L"HID Host", L"Connect to Bluetooth keyboards, mice and joysticks"}));
    EXPECT_EQ(name, L"B\u00FCro-PC");

    // Without the stack the services list holds its one unavailable row.
    VmrStubScriptResult("BtRegisterApplication", 1, -1);
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 2);
        services = ListRows(GetDlgItem(page, IDC_SERVICES_LIST));
        name = WindowText(GetDlgItem(page, IDC_SERVICES_DEVICE_NAME));
    });
    EXPECT_EQ(services, (ListCells{{L"Not Available", L"Not Available"}}));
    EXPECT_EQ(name, L"Bluetooth Device Unavailable");
}

TEST_F(InformationPagesTest, ComPortsListTheStacksPortsAndRemoveAnOutgoingOne) {
    ListCells before, after;
    bool removeAfterIncoming = true, removeAfterOutgoing = false;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 4);
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

}  // namespace
