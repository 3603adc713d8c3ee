#include "win32/Win32Stack.h"

#include "VmrBtOBEXProxy.h"
#include "VmrBtProxy.h"

namespace {

// The applet gives stack events no meaning; registering a callback that does
// nothing keeps every stack thread away from the applet's data.
void WINAPI IgnoreStackEvent(std::uint16_t, std::uint16_t, void*) {}

}  // namespace

std::int32_t Win32Stack::RegisterApplication() { return BtRegisterApplication(IgnoreStackEvent); }
std::int32_t Win32Stack::UnRegister() { return BtUnRegister(IgnoreStackEvent); }
std::int32_t Win32Stack::ObexRegisterApplication() { return BtOBEXRegisterApplication(nullptr); }
std::int32_t Win32Stack::ObexUnRegister() { return BtOBEXUnRegister(nullptr); }

std::int32_t Win32Stack::GetRadioStatus(std::int32_t* radioOn) { return BtGetRadioStatus(radioOn); }
std::int32_t Win32Stack::GetDiscoveryModeStatus(std::int32_t* discoverable) {
    return BtGetDiscoveryModeStatus(discoverable);
}
std::int32_t Win32Stack::GetConnectivityStatus(std::int32_t* connectable) {
    return BtGetConnectivityStatus(connectable);
}
std::int32_t Win32Stack::ToggleRadioOnOff() { return BtToggleRadioOnOff(); }
std::int32_t Win32Stack::ToggleDiscoverableOnOff() { return BtToggleDiscoverableOnOff(); }
std::int32_t Win32Stack::ToggleConnectivityState() { return BtToggleConnectivityState(); }

std::int32_t Win32Stack::GetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) {
    return BtGetDeviceFriendlyName(info);
}
std::int32_t Win32Stack::SetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) {
    return BtSetDeviceFriendlyName(info);
}
std::int32_t Win32Stack::GetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) {
    return BtGetLocalDeviceInfo(info);
}
std::int32_t Win32Stack::GetLocalFirmwareVersion(std::uint32_t* version) {
    return BtGetLocalFirmwareVersion(version);
}

std::int32_t Win32Stack::SetHighSpeedStatus(bool on) { return BtSetHighSpeedStatus(on); }
std::int32_t Win32Stack::ProximityPairingOnOff(std::int32_t state) {
    return BthProximityPairingOnOff(state);
}
std::int32_t Win32Stack::SetScmstValue(bool on) { return BtSetSCMSTValue(on); }

std::int32_t Win32Stack::SetFtpServerRootFolder(_OBEX_OBJECT_T* folder) {
    return SetFTPServerRootFolder(folder);
}
std::int32_t Win32Stack::ObexServersActivate() { return BtObexServersActivate(); }
std::int32_t Win32Stack::ObexServersDeActivate() { return BtObexServersDeActivate(); }
std::int32_t Win32Stack::OppSetServerConfig(_VMR_OPP_CONFIG_DATA* config) {
    return BtOPPSetServerConfig(config);
}
