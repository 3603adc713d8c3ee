#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "applet/StartupFill.h"

namespace {

constexpr char16_t kProductDefault[] = u"SOFTWARE\\Velmora\\Quorvel\\Default";
constexpr char16_t kFileSharing[] = u"SOFTWARE\\Velmora\\Default\\FileSharing";

class StartupFillTest : public RegistryTest {
protected:
    void Fill() {
        FillSheetInfoAtStartup(info, registry, strings, [this](CpropertySheetInfo&) {
            stack.calls.emplace_back("<notification window>");
        });
    }

    FakeStack stack;
    CpropertySheetInfo info{&stack};
};

TEST_F(StartupFillTest, AsksTheStackInOrderAndCreatesTheWindowBetween) {
    Fill();
    EXPECT_EQ(stack.calls, (std::vector<std::string>{
                               "RegisterApplication", "ObexRegisterApplication", "GetRadioStatus",
                               "GetDiscoveryModeStatus", "GetConnectivityStatus", "<notification window>",
                               "GetDeviceFriendlyName", "GetLocalDeviceInfo", "GetLocalFirmwareVersion"}));
    EXPECT_TRUE(info.IsStackAvailable());
    EXPECT_EQ(info.GetRadioOn(), 1);
    EXPECT_EQ(info.GetDiscoverable(), 1);
    EXPECT_EQ(info.GetConnectable(), 1);
    EXPECT_EQ(info.GetLocalDeviceName().view(), u"Desk PC");
    EXPECT_EQ(info.LocalDeviceInfo().lap, 0xDA7113u);
    EXPECT_EQ(info.GetFirmwareVersionText().view(), u"4135");
}

TEST_F(StartupFillTest, AFailedRegistrationStillAsksTheStackButLeavesItUnavailable) {
    stack.results["RegisterApplication"] = 1;
    stack.radioOn = 0;
    stack.results["GetConnectivityStatus"] = -1;  // the connectable value is then not to be trusted
    stack.firmware = 0xFFFFFFFE;
    Fill();
    EXPECT_FALSE(info.IsStackAvailable());
    EXPECT_EQ(stack.calls.size(), 9u);
    EXPECT_EQ(info.GetRadioOn(), 0);
    EXPECT_EQ(info.GetConnectable(), 0);
    EXPECT_EQ(info.GetFirmwareVersionText().view(), u"-2") << "the firmware number is shown signed";
}

TEST_F(StartupFillTest, ConvertsTheStacksUtf8NameAndCutsWhatDoesNotFit) {
    stack.friendlyName = "K\xC3\xBC" "che \xE2\x82\xAC";  // "Küche €"
    Fill();
    EXPECT_EQ(info.GetLocalDeviceName().view(), u"K\u00FCche \u20AC");

    CpropertySheetInfo longName(&stack);
    stack.friendlyName = std::string(259, 'x');
    FillSheetInfoAtStartup(longName, registry, strings, {});
    EXPECT_EQ(longName.GetLocalDeviceName().view().size(), 259u);
}

TEST_F(StartupFillTest, TakesContentProtectionProximityAndHighSpeedFromTheirKeys) {
    registry.PutDword(kMachine, kProductDefault, u"SCMS-T", 1);
    registry.PutDword(kMachine, u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing", u"State", 3);
    registry.PutDword(kMachine, kProductDefault, u"HighSpeed", 1);
    registry.PutDword(kUser, u"Software\\Velmora\\Quorvel\\Default", u"HighSpeed", 0);
    Fill();
    EXPECT_TRUE(info.GetContentProtectionOn());
    EXPECT_EQ(info.GetProximityPairingState(), 3u);
    EXPECT_FALSE(info.GetHighSpeedOn()) << "the user's switch wins over the machine default";
}

TEST_F(StartupFillTest, WithoutAnyKeysTheDefaultsStayAndTheUserSharingKeyIsCreated) {
    Fill();
    EXPECT_FALSE(info.GetContentProtectionOn());
    EXPECT_EQ(info.GetProximityPairingState(), 0u);
    EXPECT_TRUE(info.GetHighSpeedOn());
    EXPECT_TRUE(info.GetExchangeFolderPath().empty());
    EXPECT_TRUE(info.GetTransferPassword().empty()) << "the default password shows only at the next start";
    EXPECT_TRUE(registry.HasKey(kUser, kFileSharing));
}

TEST_F(StartupFillTest, CopiesTheFileSharingValuesIntoTheRecord) {
    registry.PutDword(kUser, kFileSharing, u"OpenArrivedImage", 1);
    registry.PutValue(kUser, kFileSharing, u"TPassword", reg::kBinary, "QZX");
    registry.PutDword(kMachine, kFileSharing, u"DisableObexServers", 1);
    registry.PutString(kMachine, kFileSharing, u"Ftspath", u"D:\\Exchange");
    Fill();
    EXPECT_EQ(info.GetOpenArrivedImage(), 1u);
    EXPECT_EQ(info.GetTransferPasswordRequired(), 0u);
    EXPECT_EQ(info.GetTransferPassword().view(), u"QZX");
    EXPECT_EQ(info.GetObexServersDisabled(), 1u);
    EXPECT_EQ(info.GetExchangeFolderPath().view(), u"D:\\Exchange");
}

}  // namespace
