// The Hardware, My Bluetooth Services, COM Ports and Audio/Video pages on the
// real sheet, filled from the stand-ins.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>

#include <vector>

#include "res/resource.h"

namespace {

using Rows = std::vector<std::vector<std::wstring>>;

// Every cell of a list view, read from the test's thread.
Rows ListRows(HWND list) {
    Rows rows;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        rows.emplace_back();
        for (int column = 0; column < columns; ++column) {
            wchar_t text[260] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 260;
            SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            rows.back().emplace_back(text);
        }
    }
    return rows;
}

void SelectRow(HWND list, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

class InformationPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);
    }
    LoadedApplet applet;
};

TEST_F(InformationPagesTest, HardwareShowsTheAdaptersFactsAndKeepsFourRowsOnRefresh) {
    Rows rows;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 1);
        Click(page, IDC_HARDWARE_REFRESH);
        Click(page, IDC_HARDWARE_REFRESH);
        rows = ListRows(GetDlgItem(page, IDC_HARDWARE_LIST));
    });
    EXPECT_EQ(rows, (Rows{{L"Manufacturer", L"Velmora"},
                          {L"Device Address", L"02:1a:7d:da:71:13"},
                          {L"Bluetooth Version", L"4.0"},
                          {L"Firmware Version", L"4135"}}));
}

TEST_F(InformationPagesTest, ServicesShowTheServicesAndTheStacksName) {
    Rows rows;
    std::wstring name;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 2);
        rows = ListRows(GetDlgItem(page, IDC_SERVICES_LIST));
        name = WindowText(GetDlgItem(page, IDC_SERVICES_DEVICE_NAME));
    });
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0], (std::vector<std::wstring>{L"HID Host", L"Connect to Bluetooth keyboards, mice and joysticks"}));
    EXPECT_EQ(name, L"B\u00FCro-PC");
}

TEST_F(InformationPagesTest, ComPortsListTheStacksPortsAndRemoveAnOutgoingOne) {
    Rows before, after;
    bool removeAfterIncoming = true, removeAfterOutgoing = false;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 4);
        HWND list = GetDlgItem(page, IDC_COM_PORTS_LIST);
        before = ListRows(list);
        SelectRow(list, 1);
        removeAfterIncoming = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        SelectRow(list, 0);
        removeAfterOutgoing = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        Click(page, IDC_COM_PORTS_REMOVE);
        after = ListRows(list);
    });
    EXPECT_EQ(before, (Rows{{L"COM5", L"Outgoing", L"Pocket Phone"},
                            {L"COM6", L"Incoming", L"Field Scanner"},
                            {L"COM8", L"Outgoing", L"M\u00E9lanie's Car Kit"}}));
    EXPECT_FALSE(removeAfterIncoming);
    EXPECT_TRUE(removeAfterOutgoing);
    EXPECT_NE(StubLog().find("BtVmrBtDeactivateService(address=0a1b2b3c4d5e, kind=12, port=5)"), std::string::npos)
        << StubLog();
    EXPECT_EQ(after, Rows(before.begin() + 1, before.end()));
}

}  // namespace
