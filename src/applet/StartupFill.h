#pragma once
// The one-time fill of the sheet state record at the start of a run.

#include <functional>

#include "applet/CpropertySheetInfo.h"
#include "base/IStringTable.h"
#include "settings/IRegistry.h"
#include "stack/IBluetoothStack.h"

// Creates the hidden notification window and its device notification and
// stores both handles in the record; failures are left to the run to ignore.
using NotificationWindowFactory = std::function<void(CpropertySheetInfo&)>;

// Registers with both proxies, reads the radio, device and firmware state from
// the stack and the content protection, proximity pairing, high speed and file
// sharing values from the registry.  The stack is asked even when the
// registration failed; its answers then leave the pre-set values.
void FillSheetInfoAtStartup(CpropertySheetInfo& info, IRegistry& registry,
                            const IStringTable& strings,
                            const NotificationWindowFactory& createNotificationWindow);
