#pragma once
// Raw access to the resources of a module loaded as a data file.

#include <windows.h>

#include <span>
#include <string>

// The bytes of one resource; empty when the module lacks it.
std::span<const BYTE> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name);

// One text of the module's string table; empty when it has none.
std::wstring StringResource(HMODULE module, UINT id);
