#pragma once
// One open registry key, closed on every path: by Close(), by the destructor,
// or when another key is moved in.  Every reader of the applet goes through
// the typed helpers here, so the rules for sizes, types and terminators live
// in one place.  A key that is not open reads nothing and writes nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/IRegistry.h"

// How a string value is read and which data is accepted.  REG_EXPAND_SZ data
// is never expanded.
struct StringReadRules {
    // The size of the one read's buffer in bytes; a longer value is not read.
    // 0 reads the whole value: its size first, then a buffer of size / 2 + 1
    // units.
    std::uint32_t bufferBytes = 0;
    // The data must be empty or an even number of bytes ending in a zero unit.
    bool terminatorRequired = false;
    bool expandSzAccepted = true;
    // Whether a value of 0 bytes is taken as the empty text or as no value.
    bool emptyAccepted = true;
};

class RegKey {
public:
    explicit RegKey(IRegistry& registry) : registry_(&registry) {}
    ~RegKey() { Close(); }
    RegKey(RegKey&& other) noexcept;
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Both close the key in hand first.  Create also makes missing parents.
    bool Open(RegistryRoot root, const char16_t* path, std::uint32_t access);
    bool Create(RegistryRoot root, const char16_t* path, std::uint32_t access);
    bool IsOpen() const { return handle_ != 0; }
    // False when the registry refused to close the key; true when none was open.
    bool Close();

    // The registry's own query, for callers that tell results apart.
    long Query(const char16_t* name, std::uint32_t* type, void* data, std::uint32_t* size) const;

    // Reads 4 bytes into a value that starts at 0, so shorter data reads as
    // its low bytes.  Without requireDwordType any type is taken.
    std::optional<std::uint32_t> ReadDword(const char16_t* name, bool requireDwordType) const;
    // The text up to its first zero unit; a trailing odd byte is dropped.
    std::optional<std::u16string> ReadString(const char16_t* name, const StringReadRules& rules) const;
    // The whole data of a REG_BINARY value.
    std::optional<std::string> ReadBinary(const char16_t* name) const;

    bool WriteDword(const char16_t* name, std::uint32_t value);
    // REG_SZ with its terminator: (characters + 1) * 2 bytes.
    bool WriteString(const char16_t* name, std::u16string_view text);
    bool WriteBinary(const char16_t* name, std::string_view bytes);
    bool DeleteValue(const char16_t* name);

    // The registry's answer to the last open, create, write or delete, so
    // that a caller can pass on why it failed.
    long LastResult() const { return lastResult_; }

private:
    bool Set(const char16_t* name, std::uint32_t type, const void* data, std::size_t size);

    IRegistry* registry_;
    RegistryHandle handle_ = 0;
    long lastResult_ = reg::kSuccess;
};
