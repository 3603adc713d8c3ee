#include "stack/DeviceAddress.h"

#include <array>

_BTH_ADDR_T ToBthAddress(std::uint64_t address) {
    _BTH_ADDR_T parts{};
    parts.lap = static_cast<std::uint32_t>(address & 0xFFFFFF);
    parts.uap = static_cast<std::uint8_t>(address >> 24);
    parts.nap = static_cast<std::uint16_t>(address >> 32);
    return parts;
}

Text260 DeviceAddressText(const _VMR_LOCAL_DEVICE_INFO& device) {
    const unsigned nap = device.nap, lap = device.lap;
    const std::array<unsigned, 6> bytes = {nap >> 8, nap & 0xFF, device.uap, (lap >> 16) & 0xFF, (lap >> 8) & 0xFF, lap & 0xFF};
    constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string text;
    for (unsigned byte : bytes) {
        if (!text.empty()) text += u':';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return Text260(text);
}
