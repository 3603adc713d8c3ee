#pragma once

#include <windows.h>

#include <optional>

#include "base/FixedText.h"

// The full path of `module`'s file (null: the host program's); none when the
// call fails or the path does not fit whole into 260 units.
std::optional<Text260> ModuleFilePath(HMODULE module);
