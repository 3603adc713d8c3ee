#pragma once
// The hidden window that follows the stack's device interface while the sheet
// is open: arrival and removal set and clear the record's stack-available flag.

#include "applet/CpropertySheetInfo.h"

// Creates the window and registers it for the stack's device interface
// notifications, storing both handles in the record.  True when both exist.
bool CreateNotificationWindow(CpropertySheetInfo& info);

// Closes the window (its destruction posts the thread's quit message) and
// unregisters the notification, forgetting both handles.  The window's class
// goes with it: no class may outlive the run whose procedure lies in a
// library that can be unloaded after it.
void CloseNotificationWindow(CpropertySheetInfo& info);
