#pragma once
// Runs of the settings sheet on the real system.

#include <windows.h>

#include "settings/IRegistry.h"
#include "stack/IBluetoothStack.h"

// One complete, modal run over `parent`, opening on `startPage` (a page the
// sheet does not have opens the first), with the given stack and registry
// and the system's other services.  Returns when the sheet has closed and
// everything the run registered is released.  Never throws: false when a
// fault ended the run.
bool RunSettingsSheet(IBluetoothStack& stack, IRegistry& registry, HWND parent, int startPage) noexcept;

// The same with the real stack and registry.
bool RunSettingsSheet(HWND parent, int startPage) noexcept;
