#pragma once
// Raw access to the resources of a module loaded as a data file.

#include <windows.h>

#include <set>
#include <span>
#include <string>

// The bytes of one resource; empty when the module lacks it.
std::span<const BYTE> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name);

// Every non-empty entry of the module's string table, by id.
std::set<UINT> StringIds(HMODULE module);

// One text of the module's string table; empty when it has none.
std::wstring StringResource(HMODULE module, UINT id);
