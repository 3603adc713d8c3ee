#pragma once
// The Control Panel's values for the applet: the item itself under "Cpls",
// named by the applet's name text in the current language, and its
// categories under the module's path.  Both keys belong to the system: they
// are opened, never created, and a missing key is no failure.

#include <optional>

#include "base/FixedText.h"
#include "base/IStringTable.h"
#include "settings/IRegistry.h"

inline constexpr long kInvalidArgument = static_cast<long>(0x80070057);  // E_INVALIDARG

// Write the values, or delete them.  `result` is the HRESULT of the steps
// before; it becomes E_INVALIDARG when the module path is needed but was not
// had, and is returned.
long RegisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                              const std::optional<Text260>& modulePath, long result);
long UnregisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                                const std::optional<Text260>& modulePath, long result);
