#include "base/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes a sequence takes by its lead byte; 1 for bytes that cannot lead.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 1;
}

// The range the second byte must fall in, which rules out overlong forms,
// encoded surrogates and code points above U+10FFFF.
struct SecondByteRange {
    unsigned char low;
    unsigned char high;
};

// Length and second-byte range of a well-formed sequence with this lead, or
// length 0 when the byte cannot start one.
std::size_t WellFormedLength(unsigned char lead, SecondByteRange& range) {
    range = {0x80, 0xBF};
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead == 0xE0) range.low = 0xA0;
    else if (lead == 0xED) range.high = 0x9F;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead == 0xF0) range.low = 0x90;
    else if (lead == 0xF4) range.high = 0x8F;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++at;
            continue;
        }
        SecondByteRange range;
        std::size_t length = WellFormedLength(lead, range);
        char32_t codePoint = lead & (0x7F >> length);
        // Take continuation bytes while they fit; a sequence that breaks off
        // is replaced once, as far as it went, and decoding resumes after it.
        std::size_t taken = 1;
        for (; taken < length && at + taken < bytes.size(); ++taken) {
            auto byte = static_cast<unsigned char>(bytes[at + taken]);
            unsigned char low = taken == 1 ? range.low : 0x80;
            unsigned char high = taken == 1 ? range.high : 0xBF;
            if (byte < low || byte > high) break;
            codePoint = (codePoint << 6) | (byte & 0x3F);
        }
        AppendUtf16(out, length != 0 && taken == length ? codePoint : kReplacement);
        at += taken;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        char16_t unit = text[at];
        char32_t codePoint = unit;
        if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            codePoint = 0x10000 + ((unit - 0xD800) << 10) + (text[++at] - 0xDC00);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            codePoint = kReplacement;
        }
        AppendUtf8(out, codePoint);
    }
    return out;
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes) return utf8;
    // The byte at the cut is the first one dropped.  When it continues a
    // sequence, find that sequence's lead (at most three bytes back) and drop
    // the whole sequence if it reaches past the cut.
    std::size_t lead = maxBytes;
    while (lead > 0 && maxBytes - lead < 3 && IsContinuation(static_cast<unsigned char>(utf8[lead])))
        --lead;
    auto leadByte = static_cast<unsigned char>(utf8[lead]);
    if (lead < maxBytes && !IsContinuation(leadByte) && lead + SequenceLength(leadByte) > maxBytes)
        return utf8.substr(0, lead);
    return utf8.substr(0, maxBytes);
}

bool StoreUtf8(std::u16string_view text, std::span<char> field) {
    if (field.empty()) return text.empty();
    std::string utf8 = Utf16ToUtf8(text);
    std::string_view fits = Utf8Prefix(utf8, field.size() - 1);
    auto end = std::copy(fits.begin(), fits.end(), field.begin());
    std::fill(end, field.end(), '\0');
    return fits.size() == utf8.size();
}
