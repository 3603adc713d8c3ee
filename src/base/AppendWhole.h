#pragma once
// Paths are built in fixed buffers; a path that does not fit must not be
// used cut short, because the cut text names another file.

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "base/FixedText.h"

// Appends the parts in turn; false as soon as one does not fit whole.
template <std::size_t Capacity>
bool AppendWhole(FixedText<Capacity>& text, std::initializer_list<std::u16string_view> parts) {
    for (std::u16string_view part : parts)
        if (!text.append(part)) return false;
    return true;
}
