#pragma once

#include "base/IStringTable.h"

// Texts from the current resource module's string table.
class Win32StringTable final : public IStringTable {
public:
    Text260 Load(unsigned id) const override;
};
