#pragma once
// The radio and audio switches and the machine capabilities that the
// start-up fill and the sheet read from the product keys.

#include <cstdint>
#include <optional>

#include "base/IStringTable.h"
#include "settings/IRegistry.h"

// SCMS-T content protection from the machine key, any type; no value when the
// key does not open (the record keeps its default then).
std::optional<bool> ReadContentProtection(IRegistry& registry);

// The stored proximity pairing state; no value unless it is a REG_DWORD.
std::optional<std::uint32_t> ReadProximityPairingState(IRegistry& registry,
                                                       const IStringTable& strings);

// Bluetooth high speed: the user's REG_DWORD, else the machine's, else on.
bool ReadHighSpeed(IRegistry& registry, const IStringTable& strings);

// Whether the machine supports SCMS-T, so the Audio/Video page is shown:
// only a stored 1 counts.
bool IsScmstSupported(IRegistry& registry);
