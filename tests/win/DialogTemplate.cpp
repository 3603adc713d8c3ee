#include "DialogTemplate.h"

#include <cwctype>

#include "TestSupport.h"
#include "win32/ActivationContext.h"

namespace {

std::wstring UpperClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    for (wchar_t* c = name; *c; ++c) *c = static_cast<wchar_t>(std::towupper(*c));
    return name;
}

}  // namespace

Dialog DialogResource(HMODULE module, UINT id, const std::function<void(HWND)>& whileBuilt) {
    Dialog dialog{};
    auto bytes = ResourceData(module, RT_DIALOG, MAKEINTRESOURCEW(id));
    ScopedAppletContext context;
    if (bytes.empty() || !context.Active()) return dialog;
    // Pages are child dialogs: they need a parent.
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND window = CreateDialogIndirectParamW(
        module, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), parent,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    if (window) {
        dialog.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        dialog.extendedStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
        RECT client{};
        GetClientRect(window, &client);
        dialog.size = {client.right, client.bottom};
        dialog.caption = WindowText(window);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            DialogItem item{GetDlgCtrlID(child), static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)), {},
                            UpperClassName(child), WindowText(child)};
            GetWindowRect(child, &item.rect);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item.rect), 2);
            dialog.items.push_back(item);
        }
        if (whileBuilt) whileBuilt(window);
        DestroyWindow(window);
    }
    DestroyWindow(parent);
    return dialog;
}
