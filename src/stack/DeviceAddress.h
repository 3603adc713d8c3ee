#pragma once
// The Bluetooth device address in its three forms: the 64-bit number of the
// serial port records (LAP in bits 0 to 23, UAP in 24 to 31, NAP in 32 to 47),
// the separate parts of _BTH_ADDR_T and _VMR_LOCAL_DEVICE_INFO, and text.

#include <cstdint>

#include "base/FixedText.h"
#include "stack/StackRecords.h"

_BTH_ADDR_T ToBthAddress(std::uint64_t address);

// Six lower-case two-digit hexadecimal bytes separated by colons, most
// significant first ("02:1a:7d:da:71:13"); only the low 24 bits of the LAP count.
Text260 DeviceAddressText(const _VMR_LOCAL_DEVICE_INFO& device);
