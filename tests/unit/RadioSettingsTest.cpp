#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/RadioSettings.h"

namespace {

constexpr char16_t kMachineKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default";
constexpr char16_t kUserKey[] = u"Software\\Velmora\\Quorvel\\Default";
constexpr char16_t kPairingKey[] = u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing";

}  // namespace

using RadioSettingsTest = RegistryTest;

TEST_F(RadioSettingsTest, ContentProtectionTakesAnyTypeOnlyFromAnExistingKey) {
    EXPECT_EQ(ReadContentProtection(registry), std::nullopt);
    registry.PutKey(kMachine, kMachineKey);
    EXPECT_EQ(ReadContentProtection(registry), false);
    registry.PutValue(kMachine, kMachineKey, u"SCMS-T", reg::kBinary, std::string("\0\1\0\0", 4));
    EXPECT_EQ(ReadContentProtection(registry), true);
    registry.PutDword(kMachine, kMachineKey, u"SCMS-T", 0);
    EXPECT_EQ(ReadContentProtection(registry), false);
}

TEST_F(RadioSettingsTest, ProximityPairingStateMustBeADwordUnderTheTablesPath) {
    EXPECT_EQ(ReadProximityPairingState(registry, strings), std::nullopt);
    registry.PutDword(kMachine, kPairingKey, u"State", 3);
    EXPECT_EQ(ReadProximityPairingState(registry, strings), 3u);
    registry.PutString(kMachine, kPairingKey, u"State", u"1");
    EXPECT_EQ(ReadProximityPairingState(registry, strings), std::nullopt);

    strings.texts[IDS_KEY_MACHINE_PROXIMITY_PAIRING] = u"SOFTWARE\\Translated";
    registry.PutDword(kMachine, u"SOFTWARE\\Translated", u"State", 9);
    EXPECT_EQ(ReadProximityPairingState(registry, strings), 9u);
}

TEST_F(RadioSettingsTest, HighSpeedPrefersTheUsersDwordThenTheMachinesThenOn) {
    EXPECT_TRUE(ReadHighSpeed(registry, strings));
    registry.PutDword(kMachine, kMachineKey, u"HighSpeed", 0);
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    registry.PutString(kUser, kUserKey, u"HighSpeed", u"1");  // not a REG_DWORD: ignored
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    registry.PutDword(kMachine, kMachineKey, u"HighSpeed", 1);
    registry.PutDword(kUser, kUserKey, u"HighSpeed", 0);
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    EXPECT_EQ(registry.KeyRequests().back().root, kUser);  // the machine key is not opened

    strings.texts[IDS_KEY_USER_DEFAULT] = u"Software\\Translated";
    EXPECT_TRUE(ReadHighSpeed(registry, strings));  // the user's value is under the old path
}

TEST_F(RadioSettingsTest, ScmstSupportNeedsExactlyOneAndOnlyQueryAccess) {
    EXPECT_FALSE(IsScmstSupported(registry));
    for (std::uint32_t value : {0u, 2u}) {
        registry.PutDword(kMachine, kMachineKey, u"IsScmstSupported", value);
        EXPECT_FALSE(IsScmstSupported(registry)) << value;
    }
    registry.PutValue(kMachine, kMachineKey, u"IsScmstSupported", reg::kBinary, std::string("\1\0\0\0", 4));
    EXPECT_TRUE(IsScmstSupported(registry));
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kQueryValue);
    EXPECT_EQ(registry.KeyRequests().back().path, kMachineKey);
}
