// Loading the library: one instance per machine.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <sddl.h>

namespace {

const wchar_t* const kSingleInstanceEvent = Wide(sys::kSingleInstanceEvent);

TEST(Module, RefusesToLoadWhileAnotherHolderKeepsTheNamedEventOpen) {
    ASSERT_EQ(GetModuleHandleW(L"QuorvelCpl.dll"), nullptr) << "another test kept the applet loaded";
    HANDLE held = CreateEventW(nullptr, TRUE, TRUE, kSingleInstanceEvent);
    ASSERT_NE(held, nullptr);

    HMODULE refused = LoadLibraryW(BesideTestProgram(L"QuorvelCpl.dll").c_str());
    EXPECT_EQ(refused, nullptr);
    if (refused) FreeLibrary(refused);

    // The refused load must not keep its own handle: once ours is closed the
    // event is gone.
    CloseHandle(held);
    HANDLE leftover = OpenEventW(SYNCHRONIZE, FALSE, kSingleInstanceEvent);
    EXPECT_EQ(leftover, nullptr) << "the applet leaked its event handle";
    if (leftover) CloseHandle(leftover);

    LoadedApplet loaded;
    EXPECT_NE(loaded.module(), nullptr);
}

}  // namespace

// Registration writes the item into the Control Panel's keys; a key that
// refuses the caller write access (regsvr32 without administrator rights)
// makes it fail with access denied, in either direction.
TEST(Module, RegistrationReportsAControlPanelKeyThatRefusesIt) {
    using Entry = HRESULT(STDAPICALLTYPE*)();
    LoadedApplet applet;
    auto update = [&](const char* entry) { return applet.export_<Entry>(entry)(); };
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, u"C:\\Other\\other.cpl", L"5");
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Other Item", L"C:\\Other\\other.cpl");
    EXPECT_EQ(update("DllRegisterServer"), S_OK);
    const std::wstring registered = ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Bluetooth Settings").second;
    EXPECT_EQ(_wcsicmp(registered.c_str(), BesideTestProgram(L"QuorvelCpl.dll").c_str()), 0) << registered;
    EXPECT_EQ(update("DllUnregisterServer"), S_OK);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Bluetooth Settings").first, 0u);

    // Everyone may read the key, no one may write it.
    HKEY cpls = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(sys::kCplsKey), 0, WRITE_DAC, &cpls), ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly,
                                                                     nullptr));
    EXPECT_EQ(RegSetKeySecurity(cpls, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
    LocalFree(readOnly);
    RegCloseKey(cpls);
    EXPECT_EQ(update("DllRegisterServer"), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    EXPECT_EQ(update("DllUnregisterServer"), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kCplsKey);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kCategoriesKey);
}
