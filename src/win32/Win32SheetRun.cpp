#include "win32/Win32SheetRun.h"

#include "applet/SheetRun.h"
#include "win32/Boundary.h"
#include "win32/CPlPropSheet.h"
#include "win32/NotificationWindow.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Shell.h"
#include "win32/Win32Stack.h"
#include "win32/Win32StringTable.h"
#include "win32/Win32UserFolders.h"

namespace {

class Win32SheetHost final : public ISheetHost {
public:
    Win32SheetHost(PageServices& services, HWND parent, int startPage)
        : services_(services), parent_(parent), startPage_(startPage) {}

    void CreateNotificationWindow(CpropertySheetInfo& info) override { ::CreateNotificationWindow(info); }
    void CloseNotificationWindow(CpropertySheetInfo& info) override { ::CloseNotificationWindow(info); }

    bool ShowSheet(CpropertySheetInfo& info) override {
        CPlPropSheet sheet(parent_, startPage_, services_);
        sheet.SetSheetInfo(&info);
        sheet.AddPages(services_.registry, services_.strings);
        // OK, Cancel and closing all end the same way: what was applied, the
        // pages have applied themselves.
        sheet.DoModal(GetActiveWindow());
        return !sheet.Faulted();
    }

private:
    PageServices& services_;
    HWND parent_;
    int startPage_;
};

}  // namespace

// A fault has ended the run after it released everything on its way out.
bool RunSettingsSheet(IBluetoothStack& stack, IRegistry& registry, HWND parent, int startPage) noexcept {
    return AtBoundary(false, [&] {
        Win32StringTable strings;
        Win32Shell shell;
        Win32FileSystem files;
        Win32UserFolders userFolders;
        PageServices services{stack, registry, strings, shell, files, userFolders};
        Win32SheetHost host(services, parent, startPage);
        return RunSettingsSheet(stack, registry, strings, host);
    });
}

bool RunSettingsSheet(HWND parent, int startPage) noexcept {
    Win32Stack stack;
    Win32Registry registry;
    return RunSettingsSheet(stack, registry, parent, startPage);
}
