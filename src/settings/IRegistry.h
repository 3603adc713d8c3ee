#pragma once
// The registry seam, with the Win32 registry's semantics: the same roots,
// access masks, value types and error codes.  The Win32 shell forwards to
// ADVAPI32; the unit tests use an in-memory registry.

#include <cstdint>

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };

// An open key as the implementation knows it; 0 is no key.
using RegistryHandle = std::uintptr_t;

namespace reg {
// Access masks.
constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kRead = 0x20019;
constexpr std::uint32_t kWrite = 0x20006;
constexpr std::uint32_t kReadWrite = 0x2001F;

// Value types.
constexpr std::uint32_t kSz = 1;
constexpr std::uint32_t kExpandSz = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDword = 4;

// Results (Win32 error codes).
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kAccessDenied = 5;
constexpr long kInvalidParameter = 87;
constexpr long kMoreData = 234;
}  // namespace reg

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // Opens an existing key; reg::kFileNotFound when it does not exist.
    virtual long OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                         RegistryHandle* key) = 0;
    // Opens the key or creates it and any missing parents (non-volatile).
    virtual long CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                           RegistryHandle* key) = 0;
    // As RegQueryValueExW: type and data may be null; *size is the buffer's
    // size in bytes on entry and the value's size on return.  A buffer that is
    // too small gives reg::kMoreData and copies nothing.  A null name is the
    // key's default value.
    virtual long QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type,
                            void* data, std::uint32_t* size) = 0;
    virtual long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type,
                          const void* data, std::uint32_t size) = 0;
    virtual long DeleteValue(RegistryHandle key, const char16_t* name) = 0;
    // Deletes the key with all its subkeys and values; reg::kFileNotFound
    // when there is no such key.
    virtual long DeleteTree(RegistryRoot root, const char16_t* path) = 0;
    virtual long CloseKey(RegistryHandle key) = 0;
};
