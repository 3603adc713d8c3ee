// Library entry and the COM server exports.

#include <gtest/gtest.h>

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

TEST(Module, ServesNoClassesAndMayUnloadWhenUnlocked) {
    LoadedApplet applet;
    auto getClassObject =
        applet.export_<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>("DllGetClassObject");
    auto canUnloadNow = applet.export_<HRESULT(WINAPI*)()>("DllCanUnloadNow");
    ASSERT_TRUE(getClassObject && canUnloadNow);

    EXPECT_EQ(getClassObject(CLSID_NULL, IID_IUnknown, nullptr), E_POINTER);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(CLSID_NULL, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

}  // namespace
