#include "win32/Win32Registry.h"

#include <windows.h>

#include "win32/WideText.h"

namespace {

HKEY ToHkey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    }
    return nullptr;
}

HKEY ToHkey(RegistryHandle key) { return reinterpret_cast<HKEY>(key); }
RegistryHandle ToHandle(HKEY key) { return reinterpret_cast<RegistryHandle>(key); }

}  // namespace

long Win32Registry::OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                            RegistryHandle* key) {
    HKEY opened = nullptr;
    LSTATUS result = RegOpenKeyExW(ToHkey(root), Wide(path), 0, access, &opened);
    *key = result == ERROR_SUCCESS ? ToHandle(opened) : 0;
    return result;
}

long Win32Registry::CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                              RegistryHandle* key) {
    HKEY created = nullptr;
    LSTATUS result = RegCreateKeyExW(ToHkey(root), Wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     access, nullptr, &created, nullptr);
    *key = result == ERROR_SUCCESS ? ToHandle(created) : 0;
    return result;
}

long Win32Registry::QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type,
                               void* data, std::uint32_t* size) {
    // DWORD is unsigned long here, so the in and out values travel through
    // DWORD variables rather than aliased pointers.
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LSTATUS result = RegQueryValueExW(ToHkey(key), Wide(name), nullptr, type ? &valueType : nullptr,
                                      static_cast<BYTE*>(data), size ? &valueSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return result;
}

long Win32Registry::SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type,
                             const void* data, std::uint32_t size) {
    return RegSetValueExW(ToHkey(key), Wide(name), 0, type, static_cast<const BYTE*>(data), size);
}

long Win32Registry::DeleteValue(RegistryHandle key, const char16_t* name) {
    return RegDeleteValueW(ToHkey(key), Wide(name));
}

// Given a subkey, the call deletes the key itself with everything below it.
long Win32Registry::DeleteTree(RegistryRoot root, const char16_t* path) {
    return RegDeleteTreeW(ToHkey(root), Wide(path));
}

long Win32Registry::CloseKey(RegistryHandle key) { return RegCloseKey(ToHkey(key)); }
