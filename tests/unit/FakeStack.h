#pragma once
// A stack that records the order of calls and answers from fields a test sets.

#include <cstring>
#include <string>
#include <vector>

#include "stack/IBluetoothStack.h"

class FakeStack final : public IBluetoothStack {
public:
    std::vector<std::string> calls;

    std::int32_t registerResult = 0;
    std::int32_t radioOn = 1, discoverable = 1, connectable = 1;
    std::int32_t connectivityResult = 0;
    std::int32_t toggleResult = 0;
    std::int32_t nameResult = 0;
    std::string friendlyName = "Desk PC";
    std::uint32_t firmware = 4135;

    std::int32_t RegisterApplication() override { return Log("RegisterApplication", registerResult); }
    std::int32_t UnRegister() override { return Log("UnRegister"); }
    std::int32_t ObexRegisterApplication() override { return Log("ObexRegisterApplication"); }
    std::int32_t ObexUnRegister() override { return Log("ObexUnRegister"); }

    std::int32_t GetRadioStatus(std::int32_t* on) override { return Report("GetRadioStatus", on, radioOn); }
    std::int32_t GetDiscoveryModeStatus(std::int32_t* on) override {
        return Report("GetDiscoveryModeStatus", on, discoverable);
    }
    std::int32_t GetConnectivityStatus(std::int32_t* on) override {
        *on = connectable;
        return Log("GetConnectivityStatus", connectivityResult);
    }
    std::int32_t ToggleRadioOnOff() override { return Log("ToggleRadioOnOff", toggleResult); }
    std::int32_t ToggleDiscoverableOnOff() override { return Log("ToggleDiscoverableOnOff", toggleResult); }
    std::int32_t ToggleConnectivityState() override { return Log("ToggleConnectivityState", toggleResult); }

    std::int32_t GetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) override {
        std::strncpy(info->friendlyName, friendlyName.c_str(), sizeof info->friendlyName);
        return Log("GetDeviceFriendlyName", nameResult);
    }
    std::int32_t SetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO*) override {
        return Log("SetDeviceFriendlyName", nameResult);
    }
    std::int32_t GetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) override {
        info->lap = 0xDA7113;
        info->btVersion = 6;
        return Log("GetLocalDeviceInfo");
    }
    std::int32_t GetLocalFirmwareVersion(std::uint32_t* version) override {
        *version = firmware;
        return Log("GetLocalFirmwareVersion");
    }

    std::int32_t SetHighSpeedStatus(bool) override { return Log("SetHighSpeedStatus"); }
    std::int32_t ProximityPairingOnOff(std::int32_t) override { return Log("ProximityPairingOnOff"); }
    std::int32_t SetScmstValue(bool) override { return Log("SetScmstValue"); }
    std::int32_t SetFtpServerRootFolder(_OBEX_OBJECT_T*) override { return Log("SetFtpServerRootFolder"); }
    std::int32_t ObexServersActivate() override { return Log("ObexServersActivate"); }
    std::int32_t ObexServersDeActivate() override { return Log("ObexServersDeActivate"); }
    std::int32_t OppSetServerConfig(_VMR_OPP_CONFIG_DATA*) override { return Log("OppSetServerConfig"); }

private:
    std::int32_t Log(const char* name, std::int32_t result = 0) {
        calls.emplace_back(name);
        return result;
    }
    std::int32_t Report(const char* name, std::int32_t* out, std::int32_t value) {
        *out = value;
        return Log(name);
    }
};
