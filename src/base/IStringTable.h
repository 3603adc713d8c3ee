#pragma once
// Texts by string-table id, from the current resource module (a language
// resource library when one is loaded, else the applet's own resources).  An
// id the module lacks gives the empty text.

#include <cstddef>
#include <string>

#include "base/FixedText.h"

class IStringTable {
public:
    virtual ~IStringTable() = default;

    // The text as a buffer of `units` UTF-16 units holds it: at most
    // units - 1 characters.
    virtual std::u16string Load(unsigned id, std::size_t units) const = 0;

    // Into the 260-unit buffer that every text but a few long ones uses.
    Text260 Load(unsigned id) const { return Text260(Load(id, Text260::capacity())); }
};
