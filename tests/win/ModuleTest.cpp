// Loading the library (one instance per machine) and its registration exports.

#include "TestSupport.h"

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

// Registration writes the item into the Control Panel's keys beside the
// items already there, and unregistration takes it out again.
TEST(Module, RegistersAndUnregistersTheItemBesideOthers) {
    using Entry = HRESULT(STDAPICALLTYPE*)();
    LoadedApplet applet;
    auto update = [&](const char* entry) { return applet.export_<Entry>(entry)(); };
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Other Item", L"C:\\Other\\other.cpl");
    EXPECT_EQ(update("DllRegisterServer"), S_OK);
    const std::wstring registered = ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Bluetooth Settings").second;
    EXPECT_EQ(_wcsicmp(registered.c_str(), BesideTestProgram(L"QuorvelCpl.dll").c_str()), 0) << registered;
    EXPECT_EQ(update("DllUnregisterServer"), S_OK);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Bluetooth Settings").first, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Other Item").second, L"C:\\Other\\other.cpl");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kCplsKey);
}

}  // namespace
