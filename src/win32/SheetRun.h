#pragma once

#include <windows.h>

// One complete, modal run of the settings sheet over `parent`, opening on
// `startPage` (a page the sheet does not have opens the first).  Returns when
// the sheet has closed and everything the run registered is released.
void RunSettingsSheet(HWND parent, int startPage);
