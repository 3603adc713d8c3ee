// Faults in a real run: an exception at a step of the start-up fill or in a
// page's apply ends the run, and nothing is left behind: no window, no
// registration with the stand-ins, no open registry key.  The run is driven
// through the applet's own shell, linked into this program, with a stack and
// a registry that pass through to the real ones and throw at a chosen step.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <string>

#include "win32/Module.h"
#include "win32/Win32Registry.h"
#include "win32/Win32SheetRun.h"
#include "win32/Win32Shell.h"
#include "win32/Win32Stack.h"
#include "win32/Win32StringTable.h"

namespace {

struct InjectedFault {};

// Counts the steps of both decorators; the step at `throwingStep` throws.
struct FaultPlan {
    int steps = 0;
    int throwingStep = -1;
    void Step() {
        if (steps++ == throwingStep) throw InjectedFault{};
    }
};

#define PASS_THROUGH(Name, Parameters, Arguments) \
    std::int32_t Name Parameters override {       \
        plan_.Step();                             \
        return real_.Name Arguments;              \
    }

class FaultingStack final : public IBluetoothStack {
public:
    explicit FaultingStack(FaultPlan& plan) : plan_(plan) {}
    PASS_THROUGH(RegisterApplication, (), ())
    // Unregistration is part of the teardown under test; it never throws here.
    std::int32_t UnRegister() override { return real_.UnRegister(); }
    PASS_THROUGH(ObexRegisterApplication, (), ())
    std::int32_t ObexUnRegister() override { return real_.ObexUnRegister(); }
    PASS_THROUGH(GetRadioStatus, (std::int32_t* on), (on))
    PASS_THROUGH(GetDiscoveryModeStatus, (std::int32_t* on), (on))
    PASS_THROUGH(GetConnectivityStatus, (std::int32_t* on), (on))
    PASS_THROUGH(ToggleRadioOnOff, (), ())
    PASS_THROUGH(ToggleDiscoverableOnOff, (), ())
    PASS_THROUGH(ToggleConnectivityState, (), ())
    PASS_THROUGH(GetDeviceFriendlyName, (_VMR_LOCAL_DEVICE_INFO* info), (info))
    PASS_THROUGH(SetDeviceFriendlyName, (_VMR_LOCAL_DEVICE_INFO* info), (info))
    PASS_THROUGH(GetLocalDeviceInfo, (_VMR_LOCAL_DEVICE_INFO* info), (info))
    PASS_THROUGH(GetLocalFirmwareVersion, (std::uint32_t* version), (version))
    PASS_THROUGH(SetHighSpeedStatus, (bool on), (on))
    PASS_THROUGH(ProximityPairingOnOff, (std::int32_t state), (state))
    PASS_THROUGH(SetScmstValue, (bool on), (on))
    PASS_THROUGH(SetFtpServerRootFolder, (_OBEX_OBJECT_T* folder), (folder))
    PASS_THROUGH(ObexServersActivate, (), ())
    PASS_THROUGH(ObexServersDeActivate, (), ())
    PASS_THROUGH(OppSetServerConfig, (_VMR_OPP_CONFIG_DATA* config), (config))

private:
    FaultPlan& plan_;
    Win32Stack real_;
};

// The real registry, counting the keys it leaves open.
class FaultingRegistry final : public IRegistry {
public:
    explicit FaultingRegistry(FaultPlan& plan) : plan_(plan) {}
    int openKeys = 0;

    long OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        plan_.Step();
        return Counted(real_.OpenKey(root, path, access, key));
    }
    long CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        plan_.Step();
        return Counted(real_.CreateKey(root, path, access, key));
    }
    long QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override {
        plan_.Step();
        return real_.QueryValue(key, name, type, data, size);
    }
    long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override {
        plan_.Step();
        return real_.SetValue(key, name, type, data, size);
    }
    long DeleteValue(RegistryHandle key, const char16_t* name) override {
        plan_.Step();
        return real_.DeleteValue(key, name);
    }
    long CloseKey(RegistryHandle key) override {
        --openKeys;
        return real_.CloseKey(key);
    }

private:
    long Counted(long result) {
        if (result == reg::kSuccess) ++openKeys;
        return result;
    }
    FaultPlan& plan_;
    Win32Registry real_;
};

class RunFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        // The shell linked into this program takes its templates, texts and
        // manifest from the applet's file, as the applet's own shell does.
        TheModule().SetInstance(applet.module());
    }
    void TearDown() override { TheModule().SetInstance(nullptr); }

    // Runs the sheet, pressing OK once it shows, with the plan's fault.
    bool RunWithFault(FaultPlan& plan, FaultingRegistry& registry) {
        FaultingStack stack(plan);
        Win32StringTable strings;
        Win32Shell shell;
        PageServices services{stack, registry, strings, shell};
        SheetWatcher watcher([](HWND sheet) {
            PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "the sheet stayed open";
        });
        return RunSettingsSheet(services, nullptr, 0);
    }

    static void ExpectNothingLeft(const FaultingRegistry& registry) {
        EXPECT_EQ(VmrStubGetState("registered"), 0);
        EXPECT_EQ(VmrStubGetState("obexRegistered"), 0);
        EXPECT_EQ(FindWindowW(Wide(sys::kNotificationWindowClass), nullptr), nullptr);
        EXPECT_EQ(registry.openKeys, 0);
        EXPECT_LE(DrainQuitMessages(), 1);
    }

    LoadedApplet applet;
};

TEST_F(RunFaultTest, AFaultInTheFillOrInAnApplyEndsTheRunAndLeavesNothingBehind) {
    // A clean run counts the steps: the fill's, then the General page's apply.
    FaultPlan clean;
    FaultingRegistry cleanRegistry(clean);
    ASSERT_TRUE(RunWithFault(clean, cleanRegistry));
    ExpectNothingLeft(cleanRegistry);
    const int cleanSteps = clean.steps;

    const struct {
        const char* where;
        int step;
    } faults[] = {
        {"registration", 0},
        {"a stack read after the window exists", 5},
        {"a registry read", 12},
        {"the General page's apply", cleanSteps - 2},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.where);
        VmrStubReset();
        FaultPlan plan;
        plan.throwingStep = fault.step;
        FaultingRegistry registry(plan);
        EXPECT_FALSE(RunWithFault(plan, registry));
        EXPECT_GT(plan.steps, fault.step) << "the fault was never reached";
        ExpectNothingLeft(registry);
    }

    // And the applet runs again in this process.
    VmrStubReset();
    SheetWatcher watcher;
    applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal")(nullptr);
    EXPECT_TRUE(watcher.SawSheet());
    EXPECT_EQ(DrainQuitMessages(), 1);
}

}  // namespace
