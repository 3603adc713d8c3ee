#pragma once
// A number as the decimal text the pages show ("-2", "5").

#include <cstdint>
#include <string>

inline std::u16string DecimalText(std::int64_t value) {
    std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}
