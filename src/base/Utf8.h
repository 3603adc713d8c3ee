#pragma once
// UTF-8 <-> UTF-16 as the platform converts with code page 65001 and no
// flags: ill-formed input is never refused, each ill-formed UTF-8 subsequence
// and each unpaired surrogate becomes U+FFFD.  The stack takes names and the
// stored transfer password as UTF-8; the user interface and the registry use
// UTF-16.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Converts the bytes up to the first zero byte (or all of them when there is
// none), so a fixed field can be passed whole.
std::u16string Utf8ToUtf16(std::string_view bytes);

std::string Utf16ToUtf8(std::u16string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// multi-byte sequence, so a cut text stays well-formed.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes);

// Stores the text as UTF-8 in a fixed field, cut to what fits before the
// terminator, and zero-fills the rest.  False when the text had to be cut.
bool StoreUtf8(std::u16string_view text, std::span<char> field);
