#pragma once
// Records exchanged with the stack's proxy libraries.  Their layouts are the
// proxies' binary interface: little-endian, natural alignment, and the sizes
// and offsets asserted below.  Text fields are fixed arrays the stack reads in
// place, so every writer must keep a terminator inside the field.

#include <cstddef>
#include <cstdint>

constexpr std::size_t kStackNameBytes = 260;   // UTF-8 names, terminator included
constexpr std::size_t kObexPathUnits = 260;    // UTF-16 paths, terminator included

// The local adapter: address parts, friendly name and Bluetooth version.
struct _VMR_LOCAL_DEVICE_INFO {
    std::uint32_t lap;                        // lower address part, low 24 bits used
    std::uint8_t uap;                         // upper address part
    std::uint8_t reserved1;
    std::uint16_t nap;                        // non-significant address part
    char friendlyName[kStackNameBytes];       // UTF-8, zero-terminated
    std::uint16_t btVersion;                  // 0..6 for 1.0 .. 4.0
    std::uint16_t reserved2;
};
static_assert(sizeof(_VMR_LOCAL_DEVICE_INFO) == 272);
static_assert(offsetof(_VMR_LOCAL_DEVICE_INFO, uap) == 4);
static_assert(offsetof(_VMR_LOCAL_DEVICE_INFO, nap) == 6);
static_assert(offsetof(_VMR_LOCAL_DEVICE_INFO, friendlyName) == 8);
static_assert(offsetof(_VMR_LOCAL_DEVICE_INFO, btVersion) == 268);

// The folder the file transfer server serves.
struct _OBEX_OBJECT_T {
    std::uint32_t length;                     // UTF-16 units, terminator not counted
    char16_t path[kObexPathUnits];            // zero-filled after the text
};
static_assert(sizeof(_OBEX_OBJECT_T) == 524);
static_assert(offsetof(_OBEX_OBJECT_T, path) == 4);

// Which PIM items the object push server accepts; each switch is 0 or 1.
// The order is the server's, not the order of the page's controls.
struct _VMR_OPP_CONFIG_DATA {
    std::uint32_t acceptPimItems;
    std::uint32_t businessCards;
    std::uint32_t emailMessages;
    std::uint32_t notes;
    std::uint32_t calendarItems;
};
static_assert(sizeof(_VMR_OPP_CONFIG_DATA) == 20);

// A remote device address as the serial port service takes it.
struct _BTH_ADDR_T {
    std::uint32_t lap;                        // 24-bit value
    std::uint8_t uap;
    std::uint8_t reserved;
    std::uint16_t nap;
};
static_assert(sizeof(_BTH_ADDR_T) == 8);
static_assert(offsetof(_BTH_ADDR_T, uap) == 4);
static_assert(offsetof(_BTH_ADDR_T, nap) == 6);

// Port kinds as the serial port records and the deactivation call use them.
constexpr std::uint16_t kSppPortOutgoing = 12;
constexpr std::uint16_t kSppPortIncoming = 13;

// One virtual serial port.  The stack hands these over packed one after the
// other in a byte array of kSppPortArrayBytes.
struct _SPP_PORT_INFO {
    std::uint64_t address;                    // LAP bits 0-23, UAP 24-31, NAP 32-47
    std::uint32_t comPort;
    std::uint16_t kind;                       // kSppPortOutgoing or kSppPortIncoming
    char remoteName[kStackNameBytes];         // UTF-8, zero-terminated inside the field
    std::uint8_t padding[6];
};
static_assert(sizeof(_SPP_PORT_INFO) == 280);
static_assert(offsetof(_SPP_PORT_INFO, comPort) == 8);
static_assert(offsetof(_SPP_PORT_INFO, kind) == 12);
static_assert(offsetof(_SPP_PORT_INFO, remoteName) == 14);

constexpr std::size_t kSppPortArrayRecords = 10;
constexpr std::size_t kSppPortArrayBytes = kSppPortArrayRecords * sizeof(_SPP_PORT_INFO);  // 2800
