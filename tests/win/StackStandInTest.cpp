// The stack stand-ins behave like a stack the applet can rely on: toggles
// flip state, scripted failures leave it, and the serial ports arrive packed
// in the caller's safe array.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "VmrBtProxy.h"

#include <oleauto.h>

#include <cstring>
#include <vector>

namespace {

class StackStandInTest : public ::testing::Test {
protected:
    void SetUp() override { VmrStubReset(); }
};

TEST_F(StackStandInTest, TogglesFlipTheStateUnlessAFailureIsScripted) {
    std::int32_t radio = -1;
    EXPECT_EQ(BtGetRadioStatus(&radio), 0);
    EXPECT_EQ(radio, 1);

    EXPECT_GE(BtToggleRadioOnOff(), 0);
    BtGetRadioStatus(&radio);
    EXPECT_EQ(radio, 0);

    VmrStubScriptResult("BtToggleRadioOnOff", -7, 1);
    EXPECT_EQ(BtToggleRadioOnOff(), -7);
    BtGetRadioStatus(&radio);
    EXPECT_EQ(radio, 0) << "a failed toggle changes nothing";
    EXPECT_GE(BtToggleRadioOnOff(), 0) << "the script was for one call only";

    VmrStubScriptResult("BtGetConnectivityStatus", 3, -1);
    std::int32_t connectable = 0;
    EXPECT_EQ(BtGetConnectivityStatus(&connectable), 3);
    EXPECT_EQ(BtGetConnectivityStatus(&connectable), 3);
    EXPECT_EQ(StubLog(),
              "BtGetRadioStatus()\nBtToggleRadioOnOff()\nBtGetRadioStatus()\nBtToggleRadioOnOff()\n"
              "BtGetRadioStatus()\nBtToggleRadioOnOff()\nBtGetConnectivityStatus()\n"
              "BtGetConnectivityStatus()\n");
}

TEST_F(StackStandInTest, NamesTravelAsUtf8InsideTheirField) {
    _VMR_LOCAL_DEVICE_INFO info{};
    std::memset(info.friendlyName, 'x', sizeof info.friendlyName);  // no terminator at all
    EXPECT_EQ(BtSetDeviceFriendlyName(&info), 0);
    char name[300] = {};
    EXPECT_EQ(VmrStubGetText("friendlyName", name, sizeof name), 261u) << "read no further than the field";

    _VMR_LOCAL_DEVICE_INFO readBack{};
    EXPECT_EQ(BtGetLocalDeviceInfo(&readBack), 0);
    EXPECT_EQ(strnlen(readBack.friendlyName, sizeof readBack.friendlyName), 259u);
    EXPECT_EQ(readBack.btVersion, 6);
}

TEST_F(StackStandInTest, PortsArrivePackedInTheCallersArrayAndNeverPastIt) {
    VARIANT ports;
    VariantInit(&ports);
    V_VT(&ports) = VT_ARRAY | VT_UI1;
    V_ARRAY(&ports) = SafeArrayCreateVector(VT_UI1, 0, kSppPortArrayBytes);
    std::uint32_t count = 0;
    ASSERT_EQ(BtGetSppPortInfo(&count, &ports), 0);
    ASSERT_EQ(count, 2u);
    _SPP_PORT_INFO records[kSppPortArrayRecords];
    void* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(V_ARRAY(&ports), &data), S_OK);
    std::memcpy(records, data, sizeof records);
    SafeArrayUnaccessData(V_ARRAY(&ports));
    EXPECT_EQ(records[0].kind, kSppPortOutgoing);
    EXPECT_EQ(records[1].kind, kSppPortIncoming);

    // Deactivating the outgoing port removes it; the incoming one stays.
    _BTH_ADDR_T address{static_cast<std::uint32_t>(records[0].address & 0xFFFFFF),
                        static_cast<std::uint8_t>(records[0].address >> 24), 0,
                        static_cast<std::uint16_t>(records[0].address >> 32)};
    EXPECT_EQ(BtVmrBtDeactivateService(&address, kSppPortOutgoing, records[0].comPort), 0);
    EXPECT_EQ(BtGetSppPortInfo(&count, &ports), 0);
    EXPECT_EQ(count, 1u);

    // A too-small array gets only the records it holds.
    std::vector<_SPP_PORT_INFO> many(12, records[1]);
    VmrStubSetPorts(many.data(), static_cast<std::uint32_t>(many.size()));
    SafeArrayDestroy(V_ARRAY(&ports));
    V_ARRAY(&ports) = SafeArrayCreateVector(VT_UI1, 0, sizeof(_SPP_PORT_INFO) * 2 + 100);
    EXPECT_EQ(BtGetSppPortInfo(&count, &ports), 0);
    EXPECT_EQ(count, 2u);
    VariantClear(&ports);

    VARIANT wrongType;
    VariantInit(&wrongType);
    EXPECT_LT(BtGetSppPortInfo(&count, &wrongType), 0);
}

}  // namespace
