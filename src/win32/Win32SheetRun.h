#pragma once
// Runs of the settings sheet on the real system.

#include <windows.h>

#include "pages/PageServices.h"

// One complete, modal run over `parent`, opening on `startPage` (a page the
// sheet does not have opens the first), with the given services.  Returns
// when the sheet has closed and everything the run registered is released.
// Never throws: false when a fault ended the run.
bool RunSettingsSheet(PageServices& services, HWND parent, int startPage) noexcept;

// The same with the real stack, registry, string table and shell.
bool RunSettingsSheet(HWND parent, int startPage) noexcept;
