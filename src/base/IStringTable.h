#pragma once
// Texts by string-table id, from the current resource module (a language
// resource library when one is loaded, else the applet's own resources).  An
// id the module lacks gives the empty text.

#include "base/FixedText.h"

class IStringTable {
public:
    virtual ~IStringTable() = default;
    virtual Text260 Load(unsigned id) const = 0;
};
