#include "win32/Win32StringTable.h"

#include <windows.h>

#include "win32/Module.h"

Text260 Win32StringTable::Load(unsigned id) const {
    Text260 text;
    LoadStringW(TheModule().ResourceInstance(), id, reinterpret_cast<wchar_t*>(text.data()),
                static_cast<int>(text.capacity()));
    text.terminate();
    return text;
}
