// The Control Panel entry points.  The applet has one item, index 0.

#include <windows.h>
#include <cpl.h>

#include "applet/StartPage.h"
#include "res/resource.h"
#include "win32/Win32SheetRun.h"

namespace {

void FillItemInfo(CPLINFO* info) {
    info->idIcon = IDI_APPLET;
    info->idName = IDS_APPLET_NAME;
    info->idInfo = IDS_APPLET_INFO;
    info->lData = 0;
}

}  // namespace

extern "C" LONG APIENTRY CPlApplet(HWND hwndCPl, UINT message, LPARAM item, LPARAM data) {
    switch (message) {
    case CPL_INIT:
    case CPL_GETCOUNT:
        return 1;
    case CPL_INQUIRE:
        if (item != 0 || data == 0) return 1;
        FillItemInfo(reinterpret_cast<CPLINFO*>(data));
        return 0;
    case CPL_DBLCLK:
        if (item != 0) return 1;
        // A run that a fault ended answers as a failed double click.
        return RunSettingsSheet(hwndCPl, 0) ? 0 : 1;
    case CPL_NEWINQUIRE:
        // Answered without filling NEWCPLINFO: the host then uses CPL_INQUIRE.
        return 1;
    case CPL_STARTWPARMSW:
        // Without parameters the host goes on to CPL_DBLCLK; with them the
        // parameter text names the page to open, and the sheet is run here.
        // The answer stays 1 even after a fault: 0 would make the host run
        // the sheet again through CPL_DBLCLK.
        if (item != 0 || data == 0) return 0;
        RunSettingsSheet(hwndCPl, ParseStartPage(reinterpret_cast<const char16_t*>(data)));
        return 1;
    default:
        // CPL_SELECT, CPL_STOP, CPL_EXIT, CPL_STARTWPARMSA and unknown messages.
        return 0;
    }
}

extern "C" void WINAPI CPlDevPropRunModal(HWND parent) { RunSettingsSheet(parent, 0); }
