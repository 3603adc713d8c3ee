#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "applet/StartupFill.h"

namespace {

class StartupFillTest : public RegistryTest {
protected:
    void Fill() {
        FillSheetInfoAtStartup(info, registry, strings,
                               [this](CpropertySheetInfo&) { stack.Note("<notification window>"); });
    }
    // What the record keeps of the stack: availability, the three states, the name and the firmware.
    auto Record() {
        return std::tuple(info.IsStackAvailable(), info.GetRadioOn(), info.GetDiscoverable(), info.GetConnectable(),
                          std::u16string(info.GetLocalDeviceName().view()),
                          std::u16string(info.GetFirmwareVersionText().view()));
    }

    FakeStack stack;
    CpropertySheetInfo info{&stack};
};

// The stack's states are kept as it gives them: distinct ones show a swap.
TEST_F(StartupFillTest, AsksTheStackInOrderAndCreatesTheWindowBetween) {
    stack.radioOn = 3;
    stack.discoverable = 7;
    stack.connectable = 5;
    stack.friendlyName = "K\xC3\xBC" "che \xE2\x82\xAC";  // "Küche €"
    Fill();
    EXPECT_EQ(stack.calls, (std::vector<std::string>{
                               "RegisterApplication", "ObexRegisterApplication", "GetRadioStatus",
                               "GetDiscoveryModeStatus", "GetConnectivityStatus", "<notification window>",
                               "GetDeviceFriendlyName", "GetLocalDeviceInfo", "GetLocalFirmwareVersion"}));
    EXPECT_EQ(Record(), std::tuple(true, 3, 7, 5, u"K\u00FCche \u20AC", u"4135"));
    EXPECT_EQ(info.LocalDeviceInfo().lap, 0xDA7113u);
}

TEST_F(StartupFillTest, AFailedRegistrationStillAsksTheStackButLeavesItUnavailable) {
    stack.results["RegisterApplication"] = 1;
    stack.radioOn = 0;
    stack.results["GetConnectivityStatus"] = -1;  // the connectable value is then not to be trusted
    stack.firmware = 0xFFFFFFFE;
    stack.friendlyName = std::string(257, 'x') + "\xE2\x82\xAC";  // all 260 bytes, no zero
    Fill();
    EXPECT_EQ(stack.calls.size(), 9u);
    // The name is ended by its field, and the firmware number is shown signed.
    EXPECT_EQ(Record(), std::tuple(false, 0, 1, 0, std::u16string(257, u'x') + u"\u20AC", u"-2"));
}

// High speed: the user's REG_DWORD, else the machine's, else on.  Proximity
// pairing: a REG_DWORD only.  Content protection: any type.  File sharing: as
// ResolveFileSharingAtStartup finds it.
TEST_F(StartupFillTest, TakesEachSettingFromWhereAndAsItsRuleSays) {
    Fill();
    EXPECT_TRUE(info.GetHighSpeedOn());
    EXPECT_FALSE(info.GetContentProtectionOn());
    registry.PutDword(kMachine, sys::kMachineDefaultKey, sys::kHighSpeed, 0);
    registry.PutString(kUser, sys::kUserDefaultKey, sys::kHighSpeed, u"1");  // not a REG_DWORD: ignored
    registry.PutString(kMachine, sys::kMachineProximityKey, sys::kProximityState, u"1");
    registry.PutValue(kMachine, sys::kMachineDefaultKey, sys::kScmst, reg::kBinary, std::string("\0\1", 2));
    registry.PutValue(kUser, sys::kFileSharingKey, sys::kTPassword, reg::kBinary, "QZX");
    registry.PutString(kMachine, sys::kFileSharingKey, sys::kFtspath, u"D:\\Exchange");
    Fill();
    EXPECT_FALSE(info.GetHighSpeedOn());
    EXPECT_EQ(info.GetProximityPairingState(), 0u);
    EXPECT_TRUE(info.GetContentProtectionOn());
    EXPECT_EQ(info.GetTransferPassword().view(), u"QZX");
    EXPECT_EQ(info.GetExchangeFolderPath().view(), u"D:\\Exchange");

    registry.PutDword(kUser, sys::kUserDefaultKey, sys::kHighSpeed, 1);
    registry.PutDword(kMachine, sys::kMachineProximityKey, sys::kProximityState, 3);
    Fill();
    EXPECT_TRUE(info.GetHighSpeedOn()) << "the user's choice before the machine's";
    EXPECT_EQ(info.GetProximityPairingState(), 3u);

    // A stored folder that the record holds whole is taken; a longer one
    // would be another path once cut, and is not.
    for (std::size_t units : {259u, 260u}) {
        const std::u16string folder = u"E:\\" + std::u16string(units - 3, u'f');
        registry.PutString(kMachine, sys::kFileSharingKey, sys::kFtspath, folder);
        info.SetExchangeFolderPath(u"kept");
        Fill();
        EXPECT_EQ(info.GetExchangeFolderPath().view(), units == 259 ? std::u16string_view(folder) : u"kept");
    }
}

}  // namespace
