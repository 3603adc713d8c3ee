#pragma once
// Windows compares names, paths and the installer's "~=" without regard to
// the case of letters.  Only ASCII letters are folded: every name compared
// here is ASCII where case matters.

#include <algorithm>
#include <string_view>

inline bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}
