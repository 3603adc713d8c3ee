#pragma once
// The seam between the applet's logic and the stack's two proxy libraries.
// The Win32 shell forwards each call to the imported proxy operation; tests
// use a fake.  Results are the proxies' 32-bit signed statuses, unchanged.

#include <cstdint>
#include <vector>

#include "stack/StackRecords.h"

class IBluetoothStack {
public:
    virtual ~IBluetoothStack() = default;

    // Registration with the stack proxy uses the applet's do-nothing event
    // callback; the OBEX proxy gets no callback.
    virtual std::int32_t RegisterApplication() = 0;
    virtual std::int32_t UnRegister() = 0;
    virtual std::int32_t ObexRegisterApplication() = 0;
    virtual std::int32_t ObexUnRegister() = 0;

    virtual std::int32_t GetRadioStatus(std::int32_t* radioOn) = 0;
    virtual std::int32_t GetDiscoveryModeStatus(std::int32_t* discoverable) = 0;
    virtual std::int32_t GetConnectivityStatus(std::int32_t* connectable) = 0;
    virtual std::int32_t ToggleRadioOnOff() = 0;
    virtual std::int32_t ToggleDiscoverableOnOff() = 0;
    virtual std::int32_t ToggleConnectivityState() = 0;

    virtual std::int32_t GetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) = 0;
    virtual std::int32_t SetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) = 0;
    virtual std::int32_t GetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) = 0;
    virtual std::int32_t GetLocalFirmwareVersion(std::uint32_t* version) = 0;

    virtual std::int32_t SetHighSpeedStatus(bool on) = 0;
    virtual std::int32_t ProximityPairingOnOff(std::int32_t state) = 0;
    virtual std::int32_t SetScmstValue(bool on) = 0;

    virtual std::int32_t SetFtpServerRootFolder(_OBEX_OBJECT_T* folder) = 0;
    virtual std::int32_t ObexServersActivate() = 0;
    virtual std::int32_t ObexServersDeActivate() = 0;
    virtual std::int32_t OppSetServerConfig(_VMR_OPP_CONFIG_DATA* config) = 0;

    // The serial ports.  The stack fills a byte array of kSppPortArrayBytes
    // that travels in a VARIANT; the Win32 side makes and releases it and
    // hands back a copy of what the array holds after the call.  A negative
    // result is failure: the stack's own, or kSppArrayUnavailable when the
    // array could not be made or read.  `records` is then empty.
    virtual std::int32_t GetSppPortInfo(std::uint32_t* count, std::vector<std::uint8_t>* records) = 0;
    virtual std::int32_t DeactivateService(_BTH_ADDR_T* address, std::uint16_t kind,
                                           std::uint32_t comPort) = 0;
};

constexpr std::int32_t kSppArrayUnavailable = static_cast<std::int32_t>(0x8007000E);  // E_OUTOFMEMORY
