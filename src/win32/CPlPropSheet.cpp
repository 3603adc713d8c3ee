#include "win32/CPlPropSheet.h"

#include <cstring>
#include <utility>

#include "applet/Centring.h"
#include "applet/StartPage.h"
#include "res/resource.h"
#include "settings/RadioSettings.h"
#include "win32/ActivationContext.h"
#include "win32/Boundary.h"
#include "win32/Module.h"
#include "win32/PageHost.h"
#include "win32/ResourceData.h"
#include "win32/WideText.h"

namespace {

// The sheet being created on this thread, until its callback takes it.
thread_local CPlPropSheet* t_sheetUnderCreation = nullptr;
// The sheet of this thread's run while it is shown; runs do not nest.
thread_local CPlPropSheet* t_runningSheet = nullptr;

constexpr wchar_t kSheetProperty[] = L"QuorvelCpl.CPlPropSheet";

// Where a dialog template keeps its style and its extended style, in either
// form: DLGTEMPLATEEX (version, signature, help id, extended style, style) or
// DLGTEMPLATE (style, extended style).
struct TemplateStyleOffsets {
    size_t style, extendedStyle;
};
TemplateStyleOffsets StyleOffsets(const void* dialogTemplate) {
    bool extended = static_cast<const WORD*>(dialogTemplate)[1] == 0xFFFF;
    return extended ? TemplateStyleOffsets{12, 8} : TemplateStyleOffsets{0, 4};
}
DWORD& TemplateDword(void* dialogTemplate, size_t offset) {
    return *reinterpret_cast<DWORD*>(static_cast<BYTE*>(dialogTemplate) + offset);
}

// The system's sheet template, before the sheet is made from it: no
// context-help button, and mirrored around mirrored pages.
void AdaptSheetTemplate(void* dialogTemplate, bool mirrored) {
    TemplateStyleOffsets offsets = StyleOffsets(dialogTemplate);
    TemplateDword(dialogTemplate, offsets.style) &= ~static_cast<DWORD>(DS_CONTEXTHELP);
    if (mirrored) TemplateDword(dialogTemplate, offsets.extendedStyle) |= WS_EX_LAYOUTRTL;
}

// A language that reads right to left ships its page templates mirrored; the
// sheet around them (its title bar, tabs and buttons inherit the layout)
// follows the first page's, whatever the system's own sheet template is.
bool PagesAreMirrored() {
    auto page = ResourceData(TheModule().ResourceInstance(), RT_DIALOG, MAKEINTRESOURCEW(IDD_GENERAL));
    if (page.size() < 16) return false;
    DWORD extendedStyle = 0;
    std::memcpy(&extendedStyle, page.data() + StyleOffsets(page.data()).extendedStyle, sizeof extendedStyle);
    return (extendedStyle & WS_EX_LAYOUTRTL) != 0;
}

bool IsAdded(PageCondition condition, IRegistry& registry) {
    switch (condition) {
    case PageCondition::Always:
        return true;
    case PageCondition::ContentProtectionSupported:
        return IsScmstSupported(registry);
    }
    return false;
}

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

CPlPropSheet::CPlPropSheet(HWND parent, int startPage, PageServices& services)
    : startPage_(startPage), pageObjects_(services) {
    header_.dwSize = sizeof header_;
    header_.dwFlags = PSH_USECALLBACK;
    header_.hInstance = TheModule().ResourceInstance();
    header_.pszCaption = Wide(title_.c_str());
    header_.hwndParent = parent;
    header_.pfnCallback = SheetCallback;
}

CPlPropSheet::~CPlPropSheet() {
    for (HPROPSHEETPAGE page : pages_) DestroyPageInContext(page);
}

void CPlPropSheet::AddPage(PropertyPage& page) {
    if (HPROPSHEETPAGE handle = CreatePageHandle(page)) pages_.push_back(handle);
}

void CPlPropSheet::AddPages(IRegistry& registry, const IStringTable& strings) {
    // Icon 215, shared: loaded once and owned by the system.  Given by id,
    // the sheet would load a copy of its own each run, which the platform's
    // property sheet (Wine's, at least) never frees.
    header_.dwFlags = (header_.dwFlags & ~PSH_HASHELP) | PSH_USEHICON;
    header_.hIcon = static_cast<HICON>(LoadImageW(TheModule().ResourceInstance(), MAKEINTRESOURCEW(IDI_APPLET),
                                                  IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    title_.clear();

    for (const PageRow& row : pageObjects_.Rows()) {
        if (IsAdded(row.addedWhen, registry)) AddPage(row.page);
        if (row.record) row.record->SetSheetInfo(info_);
    }

    mirrored_ = PagesAreMirrored();
    title_ = strings.Load(IDS_APPLET_NAME);
    header_.dwFlags &= ~PSH_PROPTITLE;
    header_.pszCaption = Wide(title_.c_str());
}

INT_PTR CPlPropSheet::DoModal(HWND fallbackOwner) {
    header_.dwFlags &= ~PSH_MODELESS;
    if (!header_.hwndParent) header_.hwndParent = fallbackOwner;
    header_.nPages = static_cast<UINT>(pages_.size());
    header_.phpage = pages_.data();
    header_.nStartPage = static_cast<UINT>(ClampStartPage(startPage_, pages_.size()));

    t_sheetUnderCreation = this;
    t_runningSheet = this;
    INT_PTR result = PropertySheetInContext(&header_);
    t_runningSheet = nullptr;
    t_sheetUnderCreation = nullptr;

    // The system sheet destroyed the pages it was given, shown or not.
    pages_.clear();
    header_.nPages = 0;
    header_.phpage = nullptr;
    return result;
}

// Nothing here allocates or calls into page code, so nothing can throw.
int CALLBACK CPlPropSheet::SheetCallback(HWND window, UINT message, LPARAM lParam) noexcept {
    switch (message) {
    case PSCB_PRECREATE:
        AdaptSheetTemplate(reinterpret_cast<void*>(lParam), t_sheetUnderCreation && t_sheetUnderCreation->mirrored_);
        return 1;
    case PSCB_INITIALIZED:
        if (CPlPropSheet* sheet = std::exchange(t_sheetUnderCreation, nullptr)) sheet->Subclass(window);
        return 0;
    default:
        return 0;
    }
}

void CPlPropSheet::Subclass(HWND window) {
    window_ = window;
    SetPropW(window, kSheetProperty, this);
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetWindowProc)));
}

LRESULT CALLBACK CPlPropSheet::SheetWindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    auto* sheet = static_cast<CPlPropSheet*>(GetPropW(window, kSheetProperty));
    if (!sheet) return DefWindowProcW(window, message, wParam, lParam);
    return AtBoundary(LRESULT{0}, [&] { return sheet->HandleMessage(message, wParam, lParam); });
}

LRESULT CPlPropSheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    WNDPROC systemProc = systemProc_;
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam && !alreadyCentred_) {
            alreadyCentred_ = true;
            CentreOver(header_.hwndParent);
        }
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
        RemovePropW(window, kSheetProperty);
        window_ = nullptr;
        break;
    }
    return CallWindowProcW(systemProc, window, message, wParam, lParam);
}

void CPlPropSheet::CentreOver(HWND over) {
    if (!over) over = GetWindow(window_, GW_OWNER);
    LONG style = over ? GetWindowLongW(over, GWL_STYLE) : 0;
    if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE)) over = nullptr;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    HMONITOR handle = MonitorFromWindow(over ? over : window_, MONITOR_DEFAULTTONEAREST);
    if (!handle || !GetMonitorInfoW(handle, &monitor)) return;

    RECT sheet{}, centre = monitor.rcWork;
    GetWindowRect(window_, &sheet);
    if (over) GetWindowRect(over, &centre);
    ScreenPoint at = CentredPosition(ToScreenRect(sheet), ToScreenRect(centre),
                                     ToScreenRect(monitor.rcWork));
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPlPropSheet::EndAfterFault() {
    faulted_ = true;
    // Posted, not sent: the faulting message is still being handled.
    if (window_) PostMessageW(window_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

void EndRunAfterFault() noexcept {
    if (t_runningSheet) t_runningSheet->EndAfterFault();
}
