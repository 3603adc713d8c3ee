#pragma once
// The stack's names: UTF-8 in a field of kStackNameBytes, ended by a zero
// byte or, where the stack filled the whole field, by the field's end.  The
// field is never read past, and the text is cut to 259 units so that it
// keeps its terminator.

#include <span>
#include <string_view>

#include "base/FixedText.h"
#include "base/Utf8.h"
#include "stack/StackRecords.h"

inline Text260 StackNameText(std::span<const char, kStackNameBytes> field) {
    return Text260(Utf8ToUtf16(std::string_view(field.data(), field.size())));
}
