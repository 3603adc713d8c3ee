#include "win32/PageHost.h"

#include <commctrl.h>

#include "win32/ActivationContext.h"
#include "win32/Module.h"
#include "win32/Win32DialogView.h"

namespace {

UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEW) {
    return message == PSPCB_CREATE ? 1 : 0;
}

PropertyPage* PageOf(HWND window) {
    return reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
}

bool IsCheckbox(HWND control) {
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// A dialog procedure's answer to a notification: its result, or nothing when
// it leaves the message to the dialog manager.
INT_PTR Answer(HWND window, LRESULT result) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

void OnCommand(HWND window, PropertyPage& page, WPARAM wParam, LPARAM lParam) {
    Win32DialogView view(window);
    int id = LOWORD(wParam);
    switch (HIWORD(wParam)) {
    case BN_CLICKED:
        if (!page.OnCommand(view, id) && IsCheckbox(reinterpret_cast<HWND>(lParam))) view.MarkChanged();
        break;
    case EN_CHANGE:
        view.MarkChanged();
        break;
    }
}

// Page notifications from the sheet (or the page itself).
INT_PTR OnPageNotification(HWND window, PropertyPage& page, const NMHDR& header) {
    Win32DialogView view(window);
    switch (header.code) {
    case PSN_APPLY:
        return Answer(window, page.OnApply(view) ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    case PSN_HELP:
        page.OnHelp(view);
        return Answer(window, 0);
    case PSN_SETACTIVE:       // accept activation; nothing is refreshed
    case PSN_KILLACTIVE:      // the page may always be left
    case PSN_RESET:
    case PSN_WIZBACK:
    case PSN_WIZNEXT:
    case PSN_WIZFINISH:
    case PSN_QUERYCANCEL:     // cancelling is allowed
    case PSN_TRANSLATEACCELERATOR:
    case PSN_QUERYINITIALFOCUS:
        return Answer(window, 0);
    default:
        return FALSE;
    }
}

// Notifications from the page's own controls: activation of a link.
INT_PTR OnControlNotification(HWND window, PropertyPage& page, const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_CLICK) && header.code != static_cast<UINT>(NM_RETURN))
        return FALSE;
    wchar_t className[16] = {};
    GetClassNameW(header.hwndFrom, className, 16);
    if (lstrcmpiW(className, WC_LINK) != 0) return FALSE;
    Win32DialogView view(window);
    page.OnLink(view, static_cast<int>(header.idFrom),
                header.code == static_cast<UINT>(NM_CLICK) ? LinkActivation::Click : LinkActivation::Return);
    return Answer(window, 0);
}

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, description->lParam);
        Win32DialogView view(window);
        PageOf(window)->OnInitDialog(view);
        return TRUE;  // the system sets the default focus
    }
    PropertyPage* page = PageOf(window);
    if (!page) return FALSE;
    switch (message) {
    case WM_COMMAND:
        OnCommand(window, *page, wParam, lParam);
        return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        bool fromSheet = header.hwndFrom == GetParent(window) || header.hwndFrom == window;
        return fromSheet ? OnPageNotification(window, *page, header)
                         : OnControlNotification(window, *page, header);
    }
    default:
        return FALSE;
    }
}

}  // namespace

HPROPSHEETPAGE CreatePageHandle(PropertyPage& page) {
    PROPSHEETPAGEW description{};
    description.dwSize = sizeof description;
    description.dwFlags = PSP_USECALLBACK;
    description.hInstance = TheModule().ResourceInstance();
    description.pszTemplate = MAKEINTRESOURCEW(page.TemplateId());
    description.pfnDlgProc = PageDialogProc;
    description.lParam = reinterpret_cast<LPARAM>(&page);
    description.pfnCallback = PageCallback;
    return CreatePageInContext(&description);
}
