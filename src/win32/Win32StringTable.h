#pragma once

#include "base/IStringTable.h"

// Texts from the current resource module's string table.
class Win32StringTable final : public IStringTable {
public:
    using IStringTable::Load;
    std::u16string Load(unsigned id, std::size_t units) const override;
};
