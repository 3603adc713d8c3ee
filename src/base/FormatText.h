#pragma once
// Formats come from the string table, which a language library may
// translate, so none is ever handed to printf: only its first "%s" takes the
// argument, and every other character, '%' included, stands as it is.

#include <string>
#include <string_view>

inline std::u16string WithArgument(std::u16string_view format, std::u16string_view argument) {
    std::size_t at = format.find(u"%s");
    if (at == std::u16string_view::npos) return std::u16string(format);
    return std::u16string(format.substr(0, at)).append(argument).append(format.substr(at + 2));
}
