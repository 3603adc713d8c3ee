#include <gtest/gtest.h>

#include <functional>

#include "FakeStack.h"
#include "applet/CpropertySheetInfo.h"

namespace {

// Each guarded stack operation of the record, with the stack call it makes;
// the name operations first, as the radio toggle switches the radio off.
struct GuardedOperation {
    const char* call;
    std::function<bool(CpropertySheetInfo&)> run;
    bool needsRadio;
};

std::vector<GuardedOperation> Operations() {
    static _VMR_LOCAL_DEVICE_INFO device{};
    return {
        {"SetDeviceFriendlyName", [](CpropertySheetInfo& info) { return info.SetDeviceName(device); }, true},
        {"GetDeviceFriendlyName", [](CpropertySheetInfo& info) { return info.GetDeviceName(device); }, true},
        {"ToggleRadioOnOff", [](CpropertySheetInfo& info) { return info.ToggleRadio(0); }, false},
        {"ToggleDiscoverableOnOff", [](CpropertySheetInfo& info) { return info.ToggleDiscoverable(1); }, false},
        {"ToggleConnectivityState", [](CpropertySheetInfo& info) { return info.ToggleConnectable(0); }, false},
    };
}

TEST(SheetInfo, StackOperationsAreRefusedWithoutACallUnlessTheirGuardHolds) {
    for (const auto& operation : Operations()) {
        SCOPED_TRACE(operation.call);
        for (bool available : {false, true}) {
            for (std::int32_t radio : {0, 1}) {
                FakeStack stack;
                CpropertySheetInfo info(&stack);
                info.SetStackAvailable(available);
                info.SetRadioOn(radio);
                bool allowed = available && (radio != 0 || !operation.needsRadio);
                EXPECT_EQ(operation.run(info), allowed) << available << radio;
                EXPECT_EQ(stack.calls, allowed ? std::vector<std::string>{operation.call} : std::vector<std::string>{});
            }
        }
    }
}

TEST(SheetInfo, ZeroAndPositiveResultsSucceedAndOnlySuccessfulTogglesStoreTheValue) {
    for (std::int32_t result : {-5, 0, 3}) {
        FakeStack stack;
        CpropertySheetInfo info(&stack);
        info.SetStackAvailable(true);
        info.SetRadioOn(1);
        for (const auto& operation : Operations()) stack.results[operation.call] = result;
        for (const auto& operation : Operations()) EXPECT_EQ(operation.run(info), result >= 0) << operation.call;
        EXPECT_EQ(info.GetRadioOn(), result >= 0 ? 0 : 1);
        EXPECT_EQ(info.GetDiscoverable(), result >= 0 ? 1 : 0);
        EXPECT_EQ(info.GetConnectable(), result >= 0 ? 0 : 1);
    }
}

TEST(SheetInfo, TextFieldsKeepAtMost259UnitsAndTheirTerminator) {
    CpropertySheetInfo info;
    std::u16string longName(400, u'n');
    info.SetLocalDeviceName(longName);
    EXPECT_EQ(info.GetLocalDeviceName().view(), longName.substr(0, 259));
    info.SetExchangeFolderPath(std::u16string(300, u'p'));
    EXPECT_EQ(info.GetExchangeFolderPath().view().size(), 259u);
}

}  // namespace
