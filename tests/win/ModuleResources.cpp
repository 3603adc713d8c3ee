#include "ModuleResources.h"

std::span<const BYTE> ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name) {
    HRSRC info = FindResourceW(module, name, type);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    return data ? std::span<const BYTE>(data, SizeofResource(module, info)) : std::span<const BYTE>();
}

std::wstring StringResource(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}
