#pragma once

#include <windows.h>

// Shows a message box, right-to-left when the configured user language tag
// is Arabic or Hebrew.  The user's answer is not passed back: every caller
// offers only OK.
void LangMessageBox(HWND owner, const char16_t* text, const char16_t* caption, unsigned flags);
