#pragma once
// The registry seam bound to ADVAPI32.  A RegistryHandle carries the HKEY's
// bits unchanged.

#include "settings/IRegistry.h"

class Win32Registry : public IRegistry {
public:
    long OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                 RegistryHandle* key) override;
    long CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                   RegistryHandle* key) override;
    long QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
    long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    long DeleteValue(RegistryHandle key, const char16_t* name) override;
    long DeleteTree(RegistryRoot root, const char16_t* path) override;
    long CloseKey(RegistryHandle key) override;
};
