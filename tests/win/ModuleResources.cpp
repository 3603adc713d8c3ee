#include "ModuleResources.h"

#include <vector>

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

namespace {

BOOL CALLBACK CollectBlock(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR blocks) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(blocks)->push_back(LOWORD(name));
    return TRUE;
}

}  // namespace

// Block b holds the ids (b - 1) * 16 to (b - 1) * 16 + 15 as 16
// length-prefixed texts.
std::set<UINT> StringIds(HMODULE module) {
    std::vector<WORD> blocks;
    EnumResourceNamesW(module, RT_STRING, CollectBlock, reinterpret_cast<LONG_PTR>(&blocks));
    std::set<UINT> ids;
    for (WORD block : blocks) {
        auto bytes = ResourceBytes(module, RT_STRING, MAKEINTRESOURCEW(block));
        size_t at = 0;
        for (UINT i = 0; i < 16 && at + 2 <= bytes.size(); ++i) {
            WORD length = bytes[at] | bytes[at + 1] << 8;
            if (length) ids.insert((block - 1u) * 16 + i);
            at += 2 + 2u * length;
        }
    }
    return ids;
}
