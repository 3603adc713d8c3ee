#include "win32/LangMessageBox.h"

#include "locale/UserLanguage.h"
#include "win32/Win32Registry.h"

void LangMessageBox(HWND owner, const char16_t* text, const char16_t* caption, unsigned flags) {
    Win32Registry registry;
    MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text), reinterpret_cast<const wchar_t*>(caption),
                MessageBoxFlagsForUserLanguage(registry, flags));
}
