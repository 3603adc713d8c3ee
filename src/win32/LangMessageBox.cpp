#include "win32/LangMessageBox.h"

#include "locale/UserLanguage.h"
#include "win32/Win32Registry.h"
#include "win32/WideText.h"

void LangMessageBox(HWND owner, const char16_t* text, const char16_t* caption, unsigned flags) {
    Win32Registry registry;
    MessageBoxW(owner, Wide(text), Wide(caption),
                MessageBoxFlagsForUserLanguage(registry, flags));
}
