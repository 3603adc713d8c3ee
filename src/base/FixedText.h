#pragma once
// Fixed text buffers of the sizes the applet's interfaces use (260 UTF-16
// units for names, paths and texts).  Every write is cut to the capacity and
// keeps the terminator, so no caller can overflow one.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kTextUnits = 260;  // 259 characters and the terminator

template <std::size_t Capacity>
class FixedText {
public:
    static_assert(Capacity > 0);

    FixedText() { clear(); }
    explicit FixedText(std::u16string_view text) { assign(text); }

    // Copies at most Capacity - 1 units (up to the first zero unit) and
    // zero-fills the rest.  Returns false when the text had to be cut.
    bool assign(std::u16string_view text) {
        text = text.substr(0, std::min(text.find(u'\0'), text.size()));
        std::size_t units = std::min(text.size(), Capacity - 1);
        std::copy_n(text.data(), units, units_.data());
        std::fill(units_.begin() + static_cast<std::ptrdiff_t>(units), units_.end(), u'\0');
        return units == text.size();
    }
    void clear() { units_.fill(u'\0'); }

    // Appends what fits; false when the text had to be cut.
    bool append(std::u16string_view text) {
        std::u16string joined(view());
        joined.append(text);
        return assign(joined);
    }

    std::u16string_view view() const {
        return std::u16string_view(units_.data(), std::char_traits<char16_t>::length(units_.data()));
    }
    const char16_t* c_str() const { return units_.data(); }
    bool empty() const { return units_[0] == u'\0'; }

    // Raw access for platform calls that fill the buffer; they are given
    // capacity() units and the last unit is forced back to zero afterwards.
    char16_t* data() { return units_.data(); }
    static constexpr std::size_t capacity() { return Capacity; }
    void terminate() { units_[Capacity - 1] = u'\0'; }

private:
    std::array<char16_t, Capacity> units_;
};

using Text260 = FixedText<kTextUnits>;
