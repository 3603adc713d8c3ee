#pragma once
// The core keeps UTF-16 text as char16_t; Windows spells the same 16-bit
// units wchar_t.  A pointer is only reinterpreted, never converted.

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units on both sides");

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline const wchar_t* Wide(const std::u16string& text) { return Wide(text.c_str()); }
// A buffer the system writes into.
inline wchar_t* Wide(char16_t* buffer) { return reinterpret_cast<wchar_t*>(buffer); }
