#pragma once
// The bytes of one resource of a module (loaded as code or as data).

#include <windows.h>

#include <string_view>

// Empty when the module has no such resource.
std::string_view ResourceData(HMODULE module, LPCWSTR type, LPCWSTR name);
