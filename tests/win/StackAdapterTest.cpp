// The Win32 side of the stack seam against the stand-ins: every method calls
// its own export, with the arguments it was given, and hands back that
// export's result and values unchanged.

#include "TestSupport.h"
#include "stack/PortRecords.h"
#include "win32/Win32Stack.h"

#include <cstring>

namespace {

TEST(StackAdapter, EveryMethodCallsItsOwnExportWithItsArgumentsAndPassesItsResultOn) {
    Win32Stack stack;
    std::int32_t flag = -1;
    std::uint32_t count = 0, firmware = 0;
    std::vector<std::uint8_t> records;
    _VMR_LOCAL_DEVICE_INFO named{}, info{};
    std::strcpy(named.friendlyName, "Adapter B\xC3\xA4nch");  // UTF-8, as the page sends it
    _OBEX_OBJECT_T folder{};
    std::memcpy(folder.path, u"C:\\Adapted", sizeof u"C:\\Adapted");
    folder.length = 10;
    // The stand-in logs the switches as numbers: distinct ones show a swap.
    _VMR_OPP_CONFIG_DATA config{2, 3, 4, 5, 6};
    _BTH_ADDR_T address{};
    address.lap = 0x3C4D5E;
    address.uap = 0x2B;
    address.nap = 0x0A1B;

    const struct {
        const char* exportName;
        std::function<std::int32_t()> call;
        std::string arguments;
    } rows[] = {
        {"BtRegisterApplication", [&] { return stack.RegisterApplication(); }, "callback=set"},
        {"BtUnRegister", [&] { return stack.UnRegister(); }, "callback=set"},
        {"BtOBEXRegisterApplication", [&] { return stack.ObexRegisterApplication(); }, "callback=null"},
        {"BtOBEXUnRegister", [&] { return stack.ObexUnRegister(); }, "callback=null"},
        {"BtGetRadioStatus", [&] { return stack.GetRadioStatus(&flag); }, ""},
        {"BtGetDiscoveryModeStatus", [&] { return stack.GetDiscoveryModeStatus(&flag); }, ""},
        {"BtGetConnectivityStatus", [&] { return stack.GetConnectivityStatus(&flag); }, ""},
        {"BtToggleRadioOnOff", [&] { return stack.ToggleRadioOnOff(); }, ""},
        {"BtToggleDiscoverableOnOff", [&] { return stack.ToggleDiscoverableOnOff(); }, ""},
        {"BtToggleConnectivityState", [&] { return stack.ToggleConnectivityState(); }, ""},
        {"BtGetDeviceFriendlyName", [&] { return stack.GetDeviceFriendlyName(&info); }, ""},
        {"BtSetDeviceFriendlyName", [&] { return stack.SetDeviceFriendlyName(&named); }, "name=\"Adapter B\xC3\xA4nch\""},
        {"BtGetLocalDeviceInfo", [&] { return stack.GetLocalDeviceInfo(&info); }, ""},
        {"BtGetLocalFirmwareVersion", [&] { return stack.GetLocalFirmwareVersion(&firmware); }, ""},
        {"BtSetHighSpeedStatus", [&] { return stack.SetHighSpeedStatus(true); }, "value=1"},
        {"BthProximityPairingOnOff", [&] { return stack.ProximityPairingOnOff(5); }, "value=5"},
        {"BtSetSCMSTValue", [&] { return stack.SetScmstValue(true); }, "value=1"},
        {"SetFTPServerRootFolder", [&] { return stack.SetFtpServerRootFolder(&folder); },
         "path=\"C:\\Adapted\", length=10"},
        {"BtObexServersActivate", [&] { return stack.ObexServersActivate(); }, ""},
        {"BtObexServersDeActivate", [&] { return stack.ObexServersDeActivate(); }, ""},
        {"BtOPPSetServerConfig", [&] { return stack.OppSetServerConfig(&config); }, "2,3,4,5,6"},
        {"BtGetSppPortInfo", [&] { return stack.GetSppPortInfo(&count, &records); }, ""},
        {"BtVmrBtDeactivateService", [&] { return stack.DeactivateService(&address, 12, 7); },
         "address=0a1b2b3c4d5e, kind=12, port=7"},
    };
    std::int32_t scripted = -40;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.exportName);
        VmrStubReset();
        // A result of this export's own, which a wrapper of another export would not give.
        VmrStubScriptResult(row.exportName, --scripted, 1);
        EXPECT_EQ(row.call(), scripted);
        EXPECT_EQ(StubLog(), std::string(row.exportName) + "(" + row.arguments + ")\n");
    }

    // What the reads give back is the stack's, each from its own state.
    VmrStubReset();
    const struct {
        const char* state;
        std::int64_t value;
        std::function<std::int64_t()> read;
    } reads[] = {
        {"radio", 3, [&] { stack.GetRadioStatus(&flag); return flag; }},
        {"discoverable", 5, [&] { stack.GetDiscoveryModeStatus(&flag); return flag; }},
        {"connectable", 7, [&] { stack.GetConnectivityStatus(&flag); return flag; }},
        {"firmware", 4139, [&] { stack.GetLocalFirmwareVersion(&firmware); return firmware; }},
        {"btVersion", 6, [&] { stack.GetLocalDeviceInfo(&info); return info.btVersion; }},
    };
    for (const auto& read : reads) VmrStubSetState(read.state, read.value);
    for (const auto& read : reads) EXPECT_EQ(read.read(), read.value) << read.state;
    // The ports come in an array of ten records, with the count of all there are.
    std::vector<_SPP_PORT_INFO> ports(11);
    for (std::uint32_t i = 0; i < ports.size(); ++i) ports[i].comPort = 20 + i;
    VmrStubSetPorts(ports.data(), 11);
    EXPECT_EQ(stack.GetSppPortInfo(&count, &records), 0);
    ASSERT_EQ(records.size(), kSppPortArrayBytes);
    EXPECT_EQ(ParsePortRecords(count, records).back().comPort, 29u);
}

}  // namespace
