#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/RadioSettings.h"

namespace {

using RadioSettingsTest = RegistryTest;

TEST_F(RadioSettingsTest, ContentProtectionTakesAnyTypeOnlyFromAnExistingKey) {
    EXPECT_EQ(ReadContentProtection(registry), std::nullopt);
    registry.PutKey(kMachine, sys::kMachineDefaultKey);
    EXPECT_EQ(ReadContentProtection(registry), false);
    registry.PutValue(kMachine, sys::kMachineDefaultKey, sys::kScmst, reg::kBinary, std::string("\0\1\0\0", 4));
    EXPECT_EQ(ReadContentProtection(registry), true);
}

TEST_F(RadioSettingsTest, ProximityPairingStateMustBeADwordUnderTheTablesPath) {
    EXPECT_EQ(ReadProximityPairingState(registry, strings), std::nullopt);
    registry.PutDword(kMachine, sys::kMachineProximityKey, sys::kProximityState, 3);
    EXPECT_EQ(ReadProximityPairingState(registry, strings), 3u);
    registry.PutString(kMachine, sys::kMachineProximityKey, sys::kProximityState, u"1");
    EXPECT_EQ(ReadProximityPairingState(registry, strings), std::nullopt);

    strings.texts[IDS_KEY_MACHINE_PROXIMITY_PAIRING] = u"SOFTWARE\\Translated";
    registry.PutDword(kMachine, u"SOFTWARE\\Translated", sys::kProximityState, 9);
    EXPECT_EQ(ReadProximityPairingState(registry, strings), 9u);
}

TEST_F(RadioSettingsTest, HighSpeedPrefersTheUsersDwordThenTheMachinesThenOn) {
    EXPECT_TRUE(ReadHighSpeed(registry, strings));
    registry.PutDword(kMachine, sys::kMachineDefaultKey, sys::kHighSpeed, 0);
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    registry.PutString(kUser, sys::kUserDefaultKey, sys::kHighSpeed, u"1");  // not a REG_DWORD: ignored
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    registry.PutDword(kMachine, sys::kMachineDefaultKey, sys::kHighSpeed, 1);
    registry.PutDword(kUser, sys::kUserDefaultKey, sys::kHighSpeed, 0);
    EXPECT_FALSE(ReadHighSpeed(registry, strings));
    EXPECT_EQ(registry.KeyRequests().back().root, kUser);  // the machine key is not opened
}

TEST_F(RadioSettingsTest, ScmstSupportNeedsExactlyOneAndOnlyQueryAccess) {
    EXPECT_FALSE(IsScmstSupported(registry));
    for (std::uint32_t value : {0u, 2u}) {
        registry.PutDword(kMachine, sys::kMachineDefaultKey, sys::kIsScmstSupported, value);
        EXPECT_FALSE(IsScmstSupported(registry)) << value;
    }
    registry.PutValue(kMachine, sys::kMachineDefaultKey, sys::kIsScmstSupported, reg::kBinary, std::string("\1\0\0\0", 4));
    EXPECT_TRUE(IsScmstSupported(registry));
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kQueryValue);
}

}  // namespace
