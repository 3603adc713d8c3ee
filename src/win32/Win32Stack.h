#pragma once
// The stack seam bound to the imported proxy libraries.

#include "stack/IBluetoothStack.h"

class Win32Stack : public IBluetoothStack {
public:
    std::int32_t RegisterApplication() override;
    std::int32_t UnRegister() override;
    std::int32_t ObexRegisterApplication() override;
    std::int32_t ObexUnRegister() override;

    std::int32_t GetRadioStatus(std::int32_t* radioOn) override;
    std::int32_t GetDiscoveryModeStatus(std::int32_t* discoverable) override;
    std::int32_t GetConnectivityStatus(std::int32_t* connectable) override;
    std::int32_t ToggleRadioOnOff() override;
    std::int32_t ToggleDiscoverableOnOff() override;
    std::int32_t ToggleConnectivityState() override;

    std::int32_t GetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) override;
    std::int32_t SetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) override;
    std::int32_t GetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) override;
    std::int32_t GetLocalFirmwareVersion(std::uint32_t* version) override;

    std::int32_t SetHighSpeedStatus(bool on) override;
    std::int32_t ProximityPairingOnOff(std::int32_t state) override;
    std::int32_t SetScmstValue(bool on) override;

    std::int32_t SetFtpServerRootFolder(_OBEX_OBJECT_T* folder) override;
    std::int32_t ObexServersActivate() override;
    std::int32_t ObexServersDeActivate() override;
    std::int32_t OppSetServerConfig(_VMR_OPP_CONFIG_DATA* config) override;
    std::int32_t GetSppPortInfo(std::uint32_t* count, std::vector<std::uint8_t>* records) override;
    std::int32_t DeactivateService(_BTH_ADDR_T* address, std::uint16_t kind, std::uint32_t comPort) override;
};
