#include "win32/SheetRun.h"

#include "applet/CpropertySheetInfo.h"
#include "applet/StartupFill.h"
#include "win32/CPlPropSheet.h"
#include "win32/NotificationWindow.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Shell.h"
#include "win32/Win32Stack.h"
#include "win32/Win32StringTable.h"

void RunSettingsSheet(HWND parent, int startPage) {
    Win32Stack stack;
    Win32Registry registry;
    Win32StringTable strings;
    Win32Shell shell;
    PageServices services{registry, strings, shell};

    CpropertySheetInfo info(&stack);
    FillSheetInfoAtStartup(info, registry, strings, CreateNotificationWindow);

    {
        CPlPropSheet sheet(parent, startPage, services);
        sheet.SetSheetInfo(&info);
        sheet.AddPages(registry, strings);
        // OK, Cancel and closing all end the same way: what was applied, the
        // pages have applied themselves.
        sheet.DoModal(GetActiveWindow());
    }

    // Also when the window, the notification or the registration failed:
    // null handles pass through unchanged.
    CloseNotificationWindow(info);
    // The OBEX proxy is left before the stack proxy it depends on.
    stack.ObexUnRegister();
    stack.UnRegister();
}
