// Faults in a real run: an exception at a step of the start-up fill or in a
// page's apply ends the run, and nothing is left behind: no window or window
// class, no registration with the stand-ins.  The run is driven through the
// applet's own shell, linked into this program, with the real registry and
// the real stack, one step of which throws.  (That the registry's keys are
// closed on every path is shown natively, with a fault at every operation.)

#include "TestSupport.h"

#include "win32/Win32Registry.h"
#include "win32/Win32SheetRun.h"
#include "win32/Win32Stack.h"

namespace {

struct InjectedFault {};

// The real stack, throwing at the named operation instead of calling it.
class FaultingStack final : public Win32Stack {
public:
    explicit FaultingStack(std::string faulting) : faulting_(std::move(faulting)) {}
    std::int32_t RegisterApplication() override {
        return Step("RegisterApplication") ? Win32Stack::RegisterApplication() : 0;
    }
    std::int32_t SetHighSpeedStatus(bool on) override {
        return Step("SetHighSpeedStatus") ? Win32Stack::SetHighSpeedStatus(on) : 0;
    }

private:
    bool Step(const char* operation) {
        if (faulting_ == operation) throw InjectedFault{};
        return true;
    }
    std::string faulting_;
};

TEST(RunFaults, AFaultInTheFillOrInAnApplyEndsTheRunAndLeavesNothingBehind) {
    LoadedApplet applet;
    {
        ShellOnApplet shell(applet);
        // The Audio/Video page applies after the General page, unless that failed.
        SetRegistryDword(HKEY_LOCAL_MACHINE, sys::kMachineDefaultKey, sys::kIsScmstSupported, 1);
        const struct {
            const char* where;
            const char* stackOperation;
        } faults[] = {
            {"nowhere", ""},
            {"the registration", "RegisterApplication"},
            {"the General page's apply", "SetHighSpeedStatus"},
        };
        for (const auto& fault : faults) {
            SCOPED_TRACE(fault.where);
            VmrStubReset();
            FaultingStack stack(fault.stackOperation);
            Win32Registry registry;
            bool completed = false;
            {
                SheetWatcher watcher([](HWND sheet) {
                    PropSheet_SetCurSel(sheet, nullptr, 5);
                    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
                    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "the sheet stayed open";
                });
                completed = RunSettingsSheet(stack, registry, nullptr, 0);
            }
            EXPECT_EQ(completed, std::string(fault.where) == "nowhere");
            EXPECT_EQ(StubLog().find("BtSetSCMSTValue") != std::string::npos, completed) << "applied past a fault";
            EXPECT_EQ(VmrStubGetState("registered"), 0);
            EXPECT_EQ(VmrStubGetState("obexRegistered"), 0);
            EXPECT_EQ(FindWindowW(Wide(sys::kNotificationWindowClass), nullptr), nullptr);
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            EXPECT_FALSE(GetClassInfoExW(applet.module(), Wide(sys::kNotificationWindowClass), &windowClass))
                << "the hidden window's class outlived the run";
            EXPECT_LE(DrainQuitMessages(), 1);
        }
    }
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMachineProductTree);

    // And the applet runs again in this process.
    VmrStubReset();
    RunSheet(applet, {});
}

}  // namespace
