#include "win32/PageHost.h"

#include <commctrl.h>

#include <optional>

#include "win32/ActivationContext.h"
#include "win32/Boundary.h"
#include "win32/Module.h"
#include "win32/Win32DialogView.h"

// The host only translates: every decision is the page's.

namespace {

UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEW) noexcept {
    return message == PSPCB_CREATE ? 1 : 0;
}

PropertyPage* PageOf(HWND window) {
    return reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
}

bool IsCheckbox(HWND control) {
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

// A dialog procedure's answer to a notification.
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
    case PSN_SETACTIVE:
        return Answer(window, page.OnSetActive(view) ? 0 : -1);
    case PSN_KILLACTIVE:
        return Answer(window, page.OnKillActive(view) ? FALSE : TRUE);
    case PSN_APPLY:
        return Answer(window, page.OnApply(view) ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    case PSN_RESET:
        page.OnReset(view);
        return Answer(window, 0);
    case PSN_HELP:
        page.OnHelp(view);
        return Answer(window, 0);
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

std::optional<ControlNotification> Translate(const NMHDR& header) {
    ControlNotification notification;
    notification.controlId = static_cast<int>(header.idFrom);
    switch (header.code) {
    case static_cast<UINT>(NM_CLICK):
        notification.code = NotifyCode::Click;
        return notification;
    case static_cast<UINT>(NM_RETURN):
        notification.code = NotifyCode::Return;
        return notification;
    case static_cast<UINT>(LVN_ITEMCHANGED): {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        notification.code = NotifyCode::ItemChanged;
        notification.item = change.iItem;
        notification.stateChanged = (change.uChanged & LVIF_STATE) != 0;
        notification.selected = (change.uNewState & LVIS_SELECTED) != 0;
        return notification;
    }
    default:
        return std::nullopt;
    }
}

INT_PTR OnControlNotification(HWND window, PropertyPage& page, const NMHDR& header) {
    auto notification = Translate(header);
    if (!notification) return FALSE;
    Win32DialogView view(window);
    return page.OnNotify(view, *notification) ? Answer(window, 0) : FALSE;
}

INT_PTR DispatchPageMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
    case WM_DESTROY:
        page->OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

bool IsApply(UINT message, LPARAM lParam) {
    return message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY;
}

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return DispatchPageMessage(window, message, wParam, lParam);
    } catch (...) {
        EndRunAfterFault();
        // A failed apply must not let the sheet close as if it had succeeded.
        if (IsApply(message, lParam)) return Answer(window, PSNRET_INVALID_NOCHANGEPAGE);
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
