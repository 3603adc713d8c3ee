#include "DialogTemplate.h"

#include <commctrl.h>

#include <cwctype>

#include "TestSupport.h"

namespace {

std::wstring UpperClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    for (wchar_t* c = name; *c; ++c) *c = static_cast<wchar_t>(std::towupper(*c));
    return name;
}

// The applet's manifest, read from its file, selects the link and list view
// classes of Common Controls 6; they are registered once for the process.
HANDLE AppletContext() {
    static const std::wstring applet = BesideTestProgram(L"QuorvelCpl.dll");
    static const HANDLE context = [] {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = applet.c_str();
        request.lpResourceName = MAKEINTRESOURCEW(2);
        HANDLE made = CreateActCtxW(&request);
        ULONG_PTR cookie = 0;
        if (made != INVALID_HANDLE_VALUE && ActivateActCtx(made, &cookie)) {
            using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
            auto init = reinterpret_cast<InitFn>(
                reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LINK_CLASS | ICC_LISTVIEW_CLASSES};
            if (init) init(&classes);
            DeactivateActCtx(0, cookie);
        }
        return made;
    }();
    return context;
}

}  // namespace

Dialog DialogResource(HMODULE module, UINT id) {
    Dialog dialog{};
    auto bytes = ResourceBytes(module, RT_DIALOG, MAKEINTRESOURCEW(id));
    ULONG_PTR cookie = 0;
    if (bytes.empty() || !ActivateActCtx(AppletContext(), &cookie)) return dialog;
    // Pages are child dialogs: they need a parent.
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND window = CreateDialogIndirectParamW(
        module, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), parent,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    if (window) {
        dialog.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
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
        DestroyWindow(window);
    }
    DestroyWindow(parent);
    DeactivateActCtx(0, cookie);
    return dialog;
}
