#pragma once
// The stand-ins' shared engine: stack state, scripted results and the call log.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "stack/StackRecords.h"

class StubEngine {
public:
    static StubEngine& instance();

    void reset();

    // Logs "operation(arguments)" and returns the scripted result for the
    // operation, or normalResult when none is scripted.
    std::int32_t call(std::string_view operation, std::string_view arguments,
                      std::int32_t normalResult);
    void script(std::string_view operation, std::int32_t result, std::int32_t times);

    std::string log() const;
    void clearLog();

    std::int64_t number(std::string_view name) const;
    void setNumber(std::string_view name, std::int64_t value);
    void flip(std::string_view name);
    std::string text(std::string_view name) const;
    void setText(std::string_view name, std::string value);

    std::vector<_SPP_PORT_INFO> ports() const;
    void setPorts(std::vector<_SPP_PORT_INFO> ports);
    // Removes the outgoing ports with this number and address; true if any.
    bool removeOutgoingPort(std::uint64_t address, std::uint32_t comPort);

private:
    StubEngine();

    struct Script {
        std::int32_t result;
        std::int32_t remaining;  // < 0: for ever
    };

    mutable std::mutex mutex_;
    std::string log_;
    std::map<std::string, Script, std::less<>> scripts_;
    std::map<std::string, std::int64_t, std::less<>> numbers_;
    std::map<std::string, std::string, std::less<>> texts_;
    std::vector<_SPP_PORT_INFO> ports_;
};

// Packs a 48-bit device address the way the serial port records carry it.
std::uint64_t PackDeviceAddress(std::uint32_t lap, std::uint8_t uap, std::uint16_t nap);
