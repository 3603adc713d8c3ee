#pragma once
// A dialog template as the system builds it: the dialog is created, hidden,
// under the applet's own Common Controls 6 context (the shell's, over the
// module a ShellOnApplet names), read and destroyed.  A template the system
// cannot build, such as one naming an unregistered control class, gives no
// controls.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct DialogItem {
    int id;
    DWORD style;
    RECT rect;                 // in the dialog's client area
    std::wstring windowClass;  // upper case
    std::wstring text;
};

struct Dialog {
    DWORD style;
    DWORD extendedStyle;
    SIZE size;
    std::wstring caption;
    std::vector<DialogItem> items;  // in the template's order
};

// The dialog resource `id` of `module`, which may be loaded as a data file;
// `whileBuilt` sees the dialog's window before it is destroyed.
Dialog DialogResource(HMODULE module, UINT id, const std::function<void(HWND dialog)>& whileBuilt = {});
