#pragma once
// Serial port records packed as the stack packs them.

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "stack/StackRecords.h"

inline _SPP_PORT_INFO Port(std::uint64_t address, std::uint32_t comPort, std::uint16_t kind,
                           const std::string& name) {
    _SPP_PORT_INFO port{};
    port.address = address;
    port.comPort = comPort;
    port.kind = kind;
    std::memcpy(port.remoteName, name.data(), std::min(name.size(), sizeof port.remoteName));
    return port;
}

inline std::vector<std::uint8_t> PortBytes(std::initializer_list<_SPP_PORT_INFO> ports) {
    std::vector<std::uint8_t> bytes(ports.size() * sizeof(_SPP_PORT_INFO));
    std::memcpy(bytes.data(), std::data(ports), bytes.size());
    return bytes;
}
