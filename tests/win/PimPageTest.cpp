// The PIM Settings page on the real sheet: its key is made when the sheet is
// built, and Apply reaches the object push server and the key.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include "res/resource.h"

namespace {

TEST(PimPageTest, AFreshUserGetsEverySwitchAndApplySendsTheBoxesAsTheyStand) {
    VmrStubReset();
    DeleteRegistryTree(HKEY_CURRENT_USER, sys::kPimSettingsKey);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);
    LoadedApplet applet;
    bool allTicked = true, itemsDisabled = false;
    RunSheet(applet, [&](HWND sheet) {
        HWND page = ShowPage(sheet, 5);
        for (int id : {IDC_PIM_ALLOW_SEND, IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL, IDC_PIM_NOTES,
                       IDC_PIM_ATTACHMENTS})
            allTicked = allTicked && IsTicked(page, id);
        Click(page, IDC_PIM_ALLOW_SEND);
        itemsDisabled = !IsWindowEnabled(GetDlgItem(page, IDC_PIM_NOTES));
        PressOk(sheet);
    });
    EXPECT_TRUE(allTicked);
    EXPECT_TRUE(itemsDisabled);
    EXPECT_NE(StubLog().find("BtOPPSetServerConfig(0,1,1,1,1)"), std::string::npos) << StubLog();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Wide(sys::kPimSettingsKey), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD allow = 1, size = sizeof allow;
    RegQueryValueExW(key, L"AllowDevicesToSend", nullptr, nullptr, reinterpret_cast<BYTE*>(&allow), &size);
    RegCloseKey(key);
    EXPECT_EQ(allow, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kPimSettingsKey, u"DefContactItem"),
              std::make_pair(static_cast<DWORD>(REG_SZ), std::wstring()));
}

}  // namespace
