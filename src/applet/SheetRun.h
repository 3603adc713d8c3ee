#pragma once
// One run of the settings sheet, from the record's start-up fill to the
// release of everything the run registered.  The order is the run's own and
// portable; the windows are the platform's, behind ISheetHost.

#include "applet/CpropertySheetInfo.h"
#include "base/IStringTable.h"
#include "settings/IRegistry.h"
#include "stack/IBluetoothStack.h"

class ISheetHost {
public:
    virtual ~ISheetHost() = default;

    // Creates the hidden notification window and registers it for the
    // stack's device interface; both handles go into the record.  Failures
    // leave them null.
    virtual void CreateNotificationWindow(CpropertySheetInfo& info) = 0;
    // Closes the window (its destruction posts the thread's quit message),
    // then unregisters the notification; forgets both.  Null handles pass.
    virtual void CloseNotificationWindow(CpropertySheetInfo& info) = 0;
    // Builds the sheet with its pages over the record, runs it modally and
    // destroys it.  False when a fault in its windows ended it early.
    virtual bool ShowSheet(CpropertySheetInfo& info) = 0;
};

// Constructs the record, fills it, shows the sheet, then closes the hidden
// window, unregisters its notification, leaves the OBEX proxy and then the
// stack proxy, and destroys the record.  That teardown runs on every path,
// an exception included (which then goes on to the caller).  Returns false
// when a fault ended the sheet early.
bool RunSettingsSheet(IBluetoothStack& stack, IRegistry& registry, const IStringTable& strings,
                      ISheetHost& host);
