#include "stack/PortRecords.h"

#include <algorithm>
#include <cstddef>
#include "stack/StackName.h"
#include "stack/StackRecords.h"

namespace {

// Little-endian fields, read byte by byte so that no alignment is assumed.
template <typename Value>
Value ReadField(const std::uint8_t* at) {
    Value value = 0;
    for (std::size_t i = 0; i < sizeof(Value); ++i) value |= static_cast<Value>(Value{at[i]} << (8 * i));
    return value;
}

}  // namespace

std::vector<SerialPortRecord> ParsePortRecords(std::uint32_t count, std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kRecord = sizeof(_SPP_PORT_INFO);
    const std::size_t held = std::min<std::size_t>(count, bytes.size() / kRecord);
    std::vector<SerialPortRecord> records;
    records.reserve(held);
    for (std::size_t i = 0; i < held; ++i) {
        const std::uint8_t* record = bytes.data() + i * kRecord;
        SerialPortRecord port;
        port.address = ReadField<std::uint64_t>(record + offsetof(_SPP_PORT_INFO, address));
        port.comPort = ReadField<std::uint32_t>(record + offsetof(_SPP_PORT_INFO, comPort));
        port.kind = ReadField<std::uint16_t>(record + offsetof(_SPP_PORT_INFO, kind));
        const char* name = reinterpret_cast<const char*>(record + offsetof(_SPP_PORT_INFO, remoteName));
        port.remoteName = StackNameText(std::span<const char, kStackNameBytes>(name, kStackNameBytes));
        records.push_back(port);
    }
    return records;
}
