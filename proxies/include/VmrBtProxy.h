#pragma once
// The stack proxy: radio, device and serial port operations.  Every operation
// returns a 32-bit signed status; which values mean failure is the caller's
// contract per operation (negative for the toggles and names, non-zero for
// registration and connectivity).

#include <windows.h>
#include <oaidl.h>
#include <cstdint>

#include "stack/StackRecords.h"

#ifdef VMR_BT_PROXY_BUILD
#define VMR_BT_PROXY_API extern "C" __declspec(dllexport)
#else
#define VMR_BT_PROXY_API extern "C" __declspec(dllimport)
#endif

// Stack event callback: event, detail, data.  The applet gives them no meaning.
typedef void(WINAPI* PFN_VMR_STACK_EVENT)(std::uint16_t, std::uint16_t, void*);

VMR_BT_PROXY_API std::int32_t WINAPI BtRegisterApplication(PFN_VMR_STACK_EVENT callback);
VMR_BT_PROXY_API std::int32_t WINAPI BtUnRegister(PFN_VMR_STACK_EVENT callback);

VMR_BT_PROXY_API std::int32_t WINAPI BtGetRadioStatus(std::int32_t* radioOn);
VMR_BT_PROXY_API std::int32_t WINAPI BtGetDiscoveryModeStatus(std::int32_t* discoverable);
VMR_BT_PROXY_API std::int32_t WINAPI BtGetConnectivityStatus(std::int32_t* connectable);

// Each toggle flips the current state; none takes the wanted value.
VMR_BT_PROXY_API std::int32_t WINAPI BtToggleRadioOnOff(void);
VMR_BT_PROXY_API std::int32_t WINAPI BtToggleDiscoverableOnOff(void);
VMR_BT_PROXY_API std::int32_t WINAPI BtToggleConnectivityState(void);

VMR_BT_PROXY_API std::int32_t WINAPI BtGetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info);
VMR_BT_PROXY_API std::int32_t WINAPI BtSetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info);
VMR_BT_PROXY_API std::int32_t WINAPI BtGetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info);
VMR_BT_PROXY_API std::int32_t WINAPI BtGetLocalFirmwareVersion(std::uint32_t* version);

VMR_BT_PROXY_API std::int32_t WINAPI BtSetHighSpeedStatus(bool on);
VMR_BT_PROXY_API std::int32_t WINAPI BthProximityPairingOnOff(std::int32_t state);
VMR_BT_PROXY_API std::int32_t WINAPI BtSetSCMSTValue(bool on);

// Fills the VT_ARRAY | VT_UI1 array held by *ports with packed _SPP_PORT_INFO
// records and sets *count to the number of valid ones.
VMR_BT_PROXY_API std::int32_t WINAPI BtGetSppPortInfo(std::uint32_t* count, VARIANT* ports);
VMR_BT_PROXY_API std::int32_t WINAPI BtVmrBtDeactivateService(_BTH_ADDR_T* address,
                                                              std::uint16_t serviceKind,
                                                              std::uint32_t comPort);
