// Loading the library: one instance per machine.

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

}  // namespace
