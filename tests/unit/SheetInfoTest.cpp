#include <gtest/gtest.h>

#include "FakeStack.h"
#include "applet/CpropertySheetInfo.h"

namespace {

TEST(SheetInfo, StartsWithTheDocumentedDefaults) {
    CpropertySheetInfo info;
    EXPECT_FALSE(info.IsStackAvailable());
    EXPECT_EQ(info.GetRadioOn(), 0);
    EXPECT_EQ(info.GetDiscoverable(), 0);
    EXPECT_EQ(info.GetConnectable(), 1);
    EXPECT_TRUE(info.GetHighSpeedOn());
    EXPECT_FALSE(info.GetContentProtectionOn());
    EXPECT_EQ(info.GetProximityPairingState(), 0u);
    EXPECT_TRUE(info.GetExchangeFolderPath().empty());
    EXPECT_EQ(info.NotificationWindow(), nullptr);
    EXPECT_EQ(info.DeviceNotification(), nullptr);
}

TEST(SheetInfo, RefusesEveryStackOperationWithoutCallingWhileTheStackIsUnavailable) {
    FakeStack stack;
    CpropertySheetInfo info(&stack);
    info.SetRadioOn(1);
    _VMR_LOCAL_DEVICE_INFO device{};

    EXPECT_FALSE(info.ToggleRadio(0));
    EXPECT_FALSE(info.ToggleDiscoverable(1));
    EXPECT_FALSE(info.ToggleConnectable(0));
    EXPECT_FALSE(info.SetDeviceName(device));
    EXPECT_FALSE(info.GetDeviceName(device));
    EXPECT_TRUE(stack.calls.empty());
    EXPECT_EQ(info.GetRadioOn(), 1);
    EXPECT_EQ(info.GetConnectable(), 1);
}

TEST(SheetInfo, NameOperationsAlsoNeedTheRadioOn) {
    FakeStack stack;
    CpropertySheetInfo info(&stack);
    info.SetStackAvailable(true);
    _VMR_LOCAL_DEVICE_INFO device{};

    EXPECT_FALSE(info.SetDeviceName(device));
    EXPECT_FALSE(info.GetDeviceName(device));
    EXPECT_TRUE(stack.calls.empty());

    info.SetRadioOn(1);
    EXPECT_TRUE(info.SetDeviceName(device));
    stack.results["GetDeviceFriendlyName"] = -1;
    EXPECT_FALSE(info.GetDeviceName(device));
    stack.results["GetDeviceFriendlyName"] = 0;
    EXPECT_TRUE(info.GetDeviceName(device)) << "zero and positive results are success";
}

TEST(SheetInfo, TogglesStoreTheNewValueOnlyWhenTheStackAccepts) {
    FakeStack stack;
    CpropertySheetInfo info(&stack);
    info.SetStackAvailable(true);

    EXPECT_TRUE(info.ToggleRadio(1));
    EXPECT_EQ(info.GetRadioOn(), 1);

    stack.results["ToggleDiscoverableOnOff"] = -5;
    stack.results["ToggleConnectivityState"] = -5;
    EXPECT_FALSE(info.ToggleDiscoverable(1));
    EXPECT_EQ(info.GetDiscoverable(), 0);
    EXPECT_FALSE(info.ToggleConnectable(0));
    EXPECT_EQ(info.GetConnectable(), 1);

    stack.results["ToggleConnectivityState"] = 3;
    EXPECT_TRUE(info.ToggleConnectable(0));
    EXPECT_EQ(info.GetConnectable(), 0);
    EXPECT_EQ(stack.calls, (std::vector<std::string>{"ToggleRadioOnOff", "ToggleDiscoverableOnOff",
                                                     "ToggleConnectivityState", "ToggleConnectivityState"}));
}

TEST(SheetInfo, TextFieldsKeepAtMost259UnitsAndTheirTerminator) {
    CpropertySheetInfo info;
    std::u16string longName(400, u'n');
    info.SetLocalDeviceName(longName);
    EXPECT_EQ(info.GetLocalDeviceName().view(), longName.substr(0, 259));

    std::u16string longPath(300, u'p');
    info.SetExchangeFolderPath(longPath);
    EXPECT_EQ(info.GetExchangeFolderPath().view().size(), 259u);
}

}  // namespace
