#pragma once
// An in-memory registry with the Win32 registry's semantics, for the unit
// tests: key paths and value names compare without regard to case, creating
// a key creates its parents, a query with no buffer reports the size, and a
// buffer that is too small gives kMoreData and copies nothing.  Access masks
// are enforced (query needs KEY_QUERY_VALUE, writes KEY_SET_VALUE; a closed
// handle has neither, so its use is refused as well).  Tests can
// make a key refuse creating or deleting, see every open and create request,
// and check that no handle is left open.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IRegistry.h"

// Raw value data: UTF-16 text without and with its terminator, and a DWORD.
std::string Utf16Bytes(std::u16string_view text);
std::string SzBytes(std::u16string_view text);
std::string DwordBytes(std::uint32_t value);

class MemoryRegistry final : public IRegistry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::string bytes;
    };
    struct KeyRequest {
        bool create = false;
        RegistryRoot root = RegistryRoot::CurrentUser;
        std::u16string path;
        std::uint32_t access = 0;
        bool operator==(const KeyRequest&) const = default;
    };

    long OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        return Issue({false, root, path ? path : u"", access}, key);
    }
    long CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        return Issue({true, root, path ? path : u"", access}, key);
    }
    long QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
    long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
    long DeleteValue(RegistryHandle key, const char16_t* name) override;
    long DeleteTree(RegistryRoot root, const char16_t* path) override;
    long CloseKey(RegistryHandle key) override { return handles_.erase(key) ? reg::kSuccess : reg::kInvalidParameter; }

    // Test set-up and inspection; putting a value creates its key.  An empty
    // name is the key's unnamed value.
    void PutKey(RegistryRoot root, std::u16string_view path);
    void PutValue(RegistryRoot root, std::u16string_view path, std::u16string_view name,
                  std::uint32_t type, std::string_view bytes);
    void PutDword(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t value) {
        PutValue(root, path, name, reg::kDword, DwordBytes(value));
    }
    // REG_SZ with its terminator.
    void PutString(RegistryRoot root, std::u16string_view path, std::u16string_view name,
                   std::u16string_view text, std::uint32_t type = reg::kSz) {
        PutValue(root, path, name, type, SzBytes(text));
    }
    bool HasKey(RegistryRoot root, std::u16string_view path) const { return keys_.count(KeyId(root, path)) != 0; }
    std::optional<Value> GetValue(RegistryRoot root, std::u16string_view path,
                                  std::u16string_view name) const;
    std::optional<std::string> Bytes(RegistryRoot root, std::u16string_view path, std::u16string_view name) const {
        auto value = GetValue(root, path, name);
        return value ? std::optional(value->bytes) : std::nullopt;
    }
    void RefuseCreate(RegistryRoot root, std::u16string_view path) { refuseCreate_.insert(KeyId(root, path)); }
    void RefuseDelete(RegistryRoot root, std::u16string_view path) { refuseDelete_.insert(KeyId(root, path)); }

    std::size_t OpenHandleCount() const { return handles_.size(); }
    // Every open, create, query, write and delete counts as one operation;
    // the one at this 0-based index throws RegistryFault.
    std::size_t operations = 0;
    std::size_t throwingOperation = SIZE_MAX;
    struct RegistryFault {};
    const std::vector<KeyRequest>& KeyRequests() const { return requests_; }

private:
    struct Handle {
        std::u16string key;
        std::uint32_t access;
    };

    static std::u16string KeyId(RegistryRoot root, std::u16string_view path);
    void Count();
    long Issue(KeyRequest request, RegistryHandle* handle);
    const Handle* Find(RegistryHandle handle, std::uint32_t accessBit) const;

    std::map<std::u16string, std::map<std::u16string, Value>> keys_;
    std::map<RegistryHandle, Handle> handles_;
    std::set<std::u16string> refuseCreate_, refuseDelete_;
    std::vector<KeyRequest> requests_;
    RegistryHandle nextHandle_ = 0x100;
};
