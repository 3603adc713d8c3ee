// The serial port records as the stack might hand them over: a count (the
// first four bytes) and the bytes of the array.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "stack/PortRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t count = 0;
    if (size >= sizeof count) std::memcpy(&count, data, sizeof count);
    std::span<const std::uint8_t> bytes(data, size);
    for (const SerialPortRecord& port : ParsePortRecords(count, bytes.subspan(std::min(size, sizeof count))))
        if (port.remoteName.view().size() >= Text260::capacity()) __builtin_trap();
    return 0;
}
