#pragma once
// The serial port records that BtGetSppPortInfo packs into its byte array,
// read without trusting either the count or the bytes: a count larger than
// the records the bytes hold, a short array, or a name without its zero byte
// never make the reader go past what it was given.

#include <cstdint>
#include <span>
#include <vector>

#include "base/FixedText.h"

struct SerialPortRecord {
    std::uint64_t address = 0;     // LAP in bits 0 to 23, UAP 24 to 31, NAP 32 to 47
    std::uint32_t comPort = 0;
    std::uint16_t kind = 0;        // kSppPortOutgoing, kSppPortIncoming, or anything the stack sent
    Text260 remoteName;            // cut at 259 units when the field has no zero byte
};

// The first `count` records, as far as `bytes` holds whole 280-byte records.
std::vector<SerialPortRecord> ParsePortRecords(std::uint32_t count, std::span<const std::uint8_t> bytes);
