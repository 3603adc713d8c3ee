#include "applet/StartPage.h"

#include <limits>

int ParseStartPage(const char16_t* text) {
    if (!text) return 0;
    while (*text == u' ' || *text == u'\t') ++text;
    bool negative = false;
    if (*text == u'+' || *text == u'-') negative = *text++ == u'-';
    long long value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text) {
        value = value * 10 + (*text - u'0');
        if (value > std::numeric_limits<int>::max()) return 0;
    }
    return negative ? 0 : static_cast<int>(value);
}

std::size_t ClampStartPage(int requested, std::size_t pageCount) {
    if (requested < 0 || static_cast<std::size_t>(requested) >= pageCount) return 0;
    return static_cast<std::size_t>(requested);
}
