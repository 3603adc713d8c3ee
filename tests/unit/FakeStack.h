#pragma once
// A stack that records the order of calls, answers each operation with the
// result a test sets (0 by default) and keeps what it was given.  A test can
// make one call throw, to see that a fault anywhere leaves nothing behind.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "stack/IBluetoothStack.h"

class FakeStack final : public IBluetoothStack {
public:
    std::vector<std::string> calls;
    std::map<std::string, std::int32_t> results;  // by operation name
    // The call (0-based, counted in `calls`) that throws StackFault.
    std::size_t throwingCall = SIZE_MAX;
    struct StackFault {};

    // What the stack reports, and what it was given.
    std::int32_t radioOn = 1, discoverable = 1, connectable = 1;
    std::string friendlyName = "Desk PC";
    std::uint32_t firmware = 4135;
    std::vector<std::uint8_t> portBytes;  // the port array as the stack fills it
    std::uint32_t portCount = 0;          // and the count it reports

    std::string nameSent;  // the last name given to SetDeviceFriendlyName
    std::vector<bool> highSpeedSent, scmstSent;
    std::vector<std::int32_t> proximitySent;
    std::vector<std::uint32_t> oppSent;
    // Each deactivation: the address as one number, the kind and the port.
    std::vector<std::tuple<std::uint64_t, std::uint16_t, std::uint32_t>> deactivated;

    std::int32_t RegisterApplication() override { return Log("RegisterApplication"); }
    std::int32_t UnRegister() override { return Log("UnRegister"); }
    std::int32_t ObexRegisterApplication() override { return Log("ObexRegisterApplication"); }
    std::int32_t ObexUnRegister() override { return Log("ObexUnRegister"); }
    std::int32_t GetRadioStatus(std::int32_t* on) override { return *on = radioOn, Log("GetRadioStatus"); }
    std::int32_t GetDiscoveryModeStatus(std::int32_t* on) override {
        return *on = discoverable, Log("GetDiscoveryModeStatus");
    }
    std::int32_t GetConnectivityStatus(std::int32_t* on) override {
        return *on = connectable, Log("GetConnectivityStatus");
    }
    std::int32_t ToggleRadioOnOff() override { return Log("ToggleRadioOnOff"); }
    std::int32_t ToggleDiscoverableOnOff() override { return Log("ToggleDiscoverableOnOff"); }
    std::int32_t ToggleConnectivityState() override { return Log("ToggleConnectivityState"); }
    // The rest of the record holds what the stack left there, so a name read
    // past its field shows.
    std::int32_t GetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) override {
        std::memset(info, 'A', sizeof *info);
        std::strncpy(info->friendlyName, friendlyName.c_str(), sizeof info->friendlyName);
        return Log("GetDeviceFriendlyName");
    }
    std::int32_t SetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) override {
        nameSent.assign(info->friendlyName, strnlen(info->friendlyName, sizeof info->friendlyName));
        return Log("SetDeviceFriendlyName");
    }
    std::int32_t GetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) override {
        return info->lap = 0xDA7113, Log("GetLocalDeviceInfo");
    }
    std::int32_t GetLocalFirmwareVersion(std::uint32_t* version) override {
        return *version = firmware, Log("GetLocalFirmwareVersion");
    }
    std::int32_t SetHighSpeedStatus(bool on) override { return highSpeedSent.push_back(on), Log("SetHighSpeedStatus"); }
    std::int32_t ProximityPairingOnOff(std::int32_t state) override {
        return proximitySent.push_back(state), Log("ProximityPairingOnOff");
    }
    std::int32_t SetScmstValue(bool on) override { return scmstSent.push_back(on), Log("SetScmstValue"); }
    std::int32_t SetFtpServerRootFolder(_OBEX_OBJECT_T*) override { return Log("SetFtpServerRootFolder"); }
    std::int32_t ObexServersActivate() override { return Log("ObexServersActivate"); }
    std::int32_t ObexServersDeActivate() override { return Log("ObexServersDeActivate"); }
    std::int32_t OppSetServerConfig(_VMR_OPP_CONFIG_DATA* c) override {
        oppSent = {c->acceptPimItems, c->businessCards, c->emailMessages, c->notes, c->calendarItems};
        return Log("OppSetServerConfig");
    }
    std::int32_t GetSppPortInfo(std::uint32_t* count, std::vector<std::uint8_t>* records) override {
        std::int32_t result = Log("GetSppPortInfo");
        *count = result < 0 ? 0 : portCount;
        *records = result < 0 ? std::vector<std::uint8_t>{} : portBytes;
        return result;
    }
    std::int32_t DeactivateService(_BTH_ADDR_T* a, std::uint16_t kind, std::uint32_t port) override {
        deactivated.emplace_back(a->lap | std::uint64_t{a->uap} << 24 | std::uint64_t{a->nap} << 32, kind, port);
        return Log("DeactivateService");
    }

    // Puts another component's step into the same log, so that one order
    // covers both; it can be the throwing call too.
    void Note(const char* step) { Log(step); }
    bool Called(const std::string& name) const { return std::find(calls.begin(), calls.end(), name) != calls.end(); }

private:
    std::int32_t Log(const char* name) {
        calls.emplace_back(name);
        if (calls.size() == throwingCall + 1) throw StackFault{};
        auto found = results.find(name);
        return found == results.end() ? 0 : found->second;
    }
};
