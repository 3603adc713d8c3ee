#include "win32/Win32StringTable.h"

#include <windows.h>

#include "win32/Module.h"
#include "win32/WideText.h"

std::u16string Win32StringTable::Load(unsigned id, std::size_t units) const {
    if (units == 0) return {};
    std::u16string text(units, u'\0');
    int length = LoadStringW(TheModule().ResourceInstance(), id, Wide(text.data()),
                             static_cast<int>(units));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}
