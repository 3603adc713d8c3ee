#pragma once
// Reads extended dialog templates (DLGTEMPLATEEX and its items) field by
// field, so tests can compare pages without creating them.

#include <windows.h>

#include <span>
#include <string>
#include <vector>

struct DialogItem {
    int id;
    DWORD style;
    short x, y, cx, cy;
    std::wstring windowClass;  // upper case; predefined classes by their names
    std::wstring text;
    WORD iconId;  // an icon control names its icon by number instead of a text
};

struct Dialog {
    WORD signature, pointSize;
    DWORD style;
    short cx, cy;
    std::wstring caption, face;
    std::vector<DialogItem> items;
};

// Parses a template; a template that ends early throws std::out_of_range.
Dialog ReadDialog(std::span<const BYTE> bytes);

// The dialog resource `id` of `module`; throws std::out_of_range when missing.
Dialog DialogResource(HMODULE module, UINT id);
