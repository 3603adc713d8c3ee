#include "win32/Win32Stack.h"

#include <windows.h>
#include <oleauto.h>

#include "VmrBtOBEXProxy.h"
#include "VmrBtProxy.h"

namespace {

// The applet gives stack events no meaning; registering a callback that does
// nothing keeps every stack thread away from the applet's data.
void WINAPI IgnoreStackEvent(std::uint16_t, std::uint16_t, void*) {}

// The VARIANT that carries the port array, owning whatever array it holds
// when it goes: the stack may have replaced the one it was given.
class PortArrayVariant {
public:
    PortArrayVariant() {
        VariantInit(&variant_);
        SAFEARRAYBOUND bound{static_cast<ULONG>(kSppPortArrayBytes), 0};
        if (SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound)) {
            V_VT(&variant_) = VT_ARRAY | VT_UI1;
            V_ARRAY(&variant_) = array;
        }
    }
    ~PortArrayVariant() { VariantClear(&variant_); }
    PortArrayVariant(const PortArrayVariant&) = delete;
    PortArrayVariant& operator=(const PortArrayVariant&) = delete;

    VARIANT* get() { return &variant_; }
    // The byte array it holds now, or null.
    SAFEARRAY* ByteArray() const {
        if (V_VT(&variant_) != (VT_ARRAY | VT_UI1) || !V_ARRAY(&variant_)) return nullptr;
        SAFEARRAY* array = V_ARRAY(&variant_);
        return SafeArrayGetDim(array) == 1 && SafeArrayGetElemsize(array) == 1 ? array : nullptr;
    }

private:
    VARIANT variant_;
};

// The array's bytes, locked for the life of the object.
class ArrayAccess {
public:
    explicit ArrayAccess(SAFEARRAY* array) : array_(array) {
        if (FAILED(SafeArrayAccessData(array_, &data_))) data_ = nullptr;
    }
    ~ArrayAccess() {
        if (data_) SafeArrayUnaccessData(array_);
    }
    ArrayAccess(const ArrayAccess&) = delete;
    ArrayAccess& operator=(const ArrayAccess&) = delete;

    const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(data_); }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

std::size_t ElementCount(SAFEARRAY* array) {
    LONG lower = 0, upper = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper)) ||
        upper < lower)
        return 0;
    return static_cast<std::size_t>(upper) - static_cast<std::size_t>(lower) + 1;
}

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

std::int32_t Win32Stack::GetSppPortInfo(std::uint32_t* count, std::vector<std::uint8_t>* records) {
    records->clear();
    PortArrayVariant ports;
    if (!ports.ByteArray()) return kSppArrayUnavailable;
    *count = 0;
    std::int32_t result = BtGetSppPortInfo(count, ports.get());
    if (result < 0) return result;
    SAFEARRAY* array = ports.ByteArray();
    if (!array) return kSppArrayUnavailable;
    ArrayAccess access(array);
    if (!access.data()) return kSppArrayUnavailable;
    records->assign(access.data(), access.data() + ElementCount(array));
    return result;
}

std::int32_t Win32Stack::DeactivateService(_BTH_ADDR_T* address, std::uint16_t kind, std::uint32_t comPort) {
    return BtVmrBtDeactivateService(address, kind, comPort);
}
