#pragma once
// The start page asked for on the Control Panel command line, for example
// "control.exe QuorvelCpl.dll,@0,3": the text after the item is a zero-based
// page index.

#include <cstddef>

// Reads the text as a decimal page index the way the C runtime's _wtoi does
// (leading blanks, optional sign, digits up to the first other character).
// A null, blank, negative, malformed or overflowing text gives page 0.
int ParseStartPage(const char16_t* text);

// A requested page that the sheet does not have opens the first page.
std::size_t ClampStartPage(int requested, std::size_t pageCount);
