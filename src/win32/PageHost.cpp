#include "win32/PageHost.h"

#include "win32/ActivationContext.h"
#include "win32/Module.h"

namespace {

UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEW) {
    return message == PSPCB_CREATE ? 1 : 0;
}

// The answer to a page notification, or nothing when the page leaves it to
// the dialog manager.
bool AnswerNotification(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case PSN_SETACTIVE:       // accept activation; nothing is refreshed
    case PSN_KILLACTIVE:      // the page may always be left
    case PSN_APPLY:           // PSNRET_NOERROR
    case PSN_RESET:
    case PSN_HELP:
    case PSN_WIZBACK:
    case PSN_WIZNEXT:
    case PSN_WIZFINISH:
    case PSN_QUERYCANCEL:     // cancelling is allowed
    case PSN_TRANSLATEACCELERATOR:
    case PSN_QUERYINITIALFOCUS:
        result = 0;
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, description->lParam);
        return TRUE;  // the system sets the default focus
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!AnswerNotification(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
        SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
        return TRUE;
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
