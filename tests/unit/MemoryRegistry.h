#pragma once
// An in-memory registry with the Win32 registry's semantics, for the unit
// tests: key paths and value names compare without regard to case, creating
// a key creates its parents, a query with no buffer reports the size, and a
// buffer that is too small gives kMoreData and copies nothing.  Access masks
// are enforced (query needs KEY_QUERY_VALUE, writes KEY_SET_VALUE; a closed
// handle has neither, so its use is refused as well).  Tests can
// make a key refuse what it may refuse, see every open and create request,
// and check that no handle is left open.

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IRegistry.h"

// Raw value data: UTF-16 text without and with its terminator, and a DWORD.
inline std::string Utf16Bytes(std::u16string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}
inline std::string SzBytes(std::u16string_view text) { return Utf16Bytes(std::u16string(text) + u'\0'); }
inline std::string DwordBytes(std::uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

class MemoryRegistry final : public IRegistry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::string bytes;
        bool operator==(const Value&) const = default;
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
                    std::uint32_t* size) override {
        const Handle* handle = Find(key, reg::kQueryValue);
        if (!handle) return reg::kAccessDenied;
        if (data && !size) return reg::kInvalidParameter;
        auto& values = keys_[handle->key];
        auto found = values.find(Folded(name));
        if (found == values.end()) return reg::kFileNotFound;
        if (type) *type = found->second.type;
        if (!size) return reg::kSuccess;
        auto needed = static_cast<std::uint32_t>(found->second.bytes.size());
        bool fits = *size >= needed;
        *size = needed;
        if (data && !fits) return reg::kMoreData;
        if (data) std::memcpy(data, found->second.bytes.data(), needed);
        return reg::kSuccess;
    }
    long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override {
        const Handle* handle = Find(key, kSetValue, Refusal::SetValue);
        if (!handle) return reg::kAccessDenied;
        if (!data && size != 0) return reg::kInvalidParameter;
        keys_[handle->key][Folded(name)] = Value{type, size ? std::string(static_cast<const char*>(data), size) : ""};
        return reg::kSuccess;
    }
    long DeleteValue(RegistryHandle key, const char16_t* name) override {
        const Handle* handle = Find(key, kSetValue, Refusal::DeleteValue);
        if (!handle) return reg::kAccessDenied;
        return keys_[handle->key].erase(Folded(name)) ? reg::kSuccess : reg::kFileNotFound;
    }
    long DeleteTree(RegistryRoot root, const char16_t* path) override {
        Count();
        const std::u16string id = KeyId(root, path ? path : u""), below = id + u"\\";
        if (!keys_.erase(id)) return reg::kFileNotFound;
        for (auto key = keys_.lower_bound(below); key != keys_.end() && key->first.starts_with(below);)
            key = keys_.erase(key);
        return reg::kSuccess;
    }
    long CloseKey(RegistryHandle key) override { return handles_.erase(key) ? reg::kSuccess : reg::kInvalidParameter; }

    // Test set-up and inspection; putting a value creates its key.  An empty
    // name is the key's unnamed value.
    void PutKey(RegistryRoot root, std::u16string_view path) {
        // Every parent exists as a key of its own, as on Windows.
        for (std::size_t end = 0; end != std::u16string_view::npos;) {
            end = path.find(u'\\', end + 1);
            keys_[KeyId(root, path.substr(0, end))];
        }
    }
    void PutValue(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t type,
                  std::string_view bytes) {
        PutKey(root, path);
        keys_[KeyId(root, path)][Folded(name)] = Value{type, std::string(bytes)};
    }
    void PutDword(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t value) {
        PutValue(root, path, name, reg::kDword, DwordBytes(value));
    }
    // REG_SZ with its terminator.
    void PutString(RegistryRoot root, std::u16string_view path, std::u16string_view name,
                   std::u16string_view text, std::uint32_t type = reg::kSz) {
        PutValue(root, path, name, type, SzBytes(text));
    }
    bool HasKey(RegistryRoot root, std::u16string_view path) const { return keys_.count(KeyId(root, path)) != 0; }
    std::optional<Value> GetValue(RegistryRoot root, std::u16string_view path, std::u16string_view name) const {
        auto key = keys_.find(KeyId(root, path));
        if (key == keys_.end()) return std::nullopt;
        auto value = key->second.find(Folded(name));
        return value == key->second.end() ? std::nullopt : std::optional(value->second);
    }
    std::optional<std::string> Bytes(RegistryRoot root, std::u16string_view path, std::u16string_view name) const {
        auto value = GetValue(root, path, name);
        return value ? std::optional(value->bytes) : std::nullopt;
    }
    // What a key refuses: being created, being opened or created with write
    // access, and values being set or deleted in it.
    enum class Refusal { Create, WriteAccess, SetValue, DeleteValue };
    void Refuse(RegistryRoot root, std::u16string_view path, Refusal what) {
        refused_.insert({KeyId(root, path), what});
    }

    std::size_t OpenHandleCount() const { return handles_.size(); }
    // Every open, create, query, write and delete counts as one operation;
    // the one at this 0-based index throws RegistryFault.
    std::size_t operations = 0;
    std::size_t throwingOperation = SIZE_MAX;
    struct RegistryFault {};
    const std::vector<KeyRequest>& KeyRequests() const { return requests_; }

private:
    static constexpr std::uint32_t kSetValue = 0x0002;
    struct Handle {
        std::u16string key;
        std::uint32_t access;
    };

    static std::u16string Folded(std::u16string_view text) {
        std::u16string folded(text);
        for (char16_t& unit : folded)
            if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
        return folded;
    }
    static std::u16string Folded(const char16_t* name) { return Folded(std::u16string_view(name ? name : u"")); }
    static std::u16string KeyId(RegistryRoot root, std::u16string_view path) {
        static constexpr const char16_t* kRoots[] = {u"hkcu", u"hklm", u"hkcr"};
        std::u16string id = kRoots[static_cast<int>(root)];
        return path.empty() ? id : id + u"\\" + Folded(path);
    }
    void Count() {
        if (operations++ == throwingOperation) throw RegistryFault{};
    }
    // Opens or creates the key and hands out a handle with the access asked for.
    long Issue(KeyRequest request, RegistryHandle* handle) {
        Count();
        requests_.push_back(request);
        *handle = 0;
        std::u16string id = KeyId(request.root, request.path);
        if (request.create && Refused(id, Refusal::Create)) return reg::kAccessDenied;
        if (request.create) PutKey(request.root, request.path);
        if (!keys_.count(id) && id.find(u'\\') != std::u16string::npos) return reg::kFileNotFound;
        if ((request.access & kSetValue) && Refused(id, Refusal::WriteAccess)) return reg::kAccessDenied;
        *handle = nextHandle_++;
        handles_[*handle] = Handle{id, request.access};
        return reg::kSuccess;
    }
    bool Refused(const std::u16string& id, Refusal what) const { return refused_.count({id, what}) != 0; }
    // The handle's key, when the handle has this access and the key does not
    // refuse the operation; every call of an operation counts it.
    const Handle* Find(RegistryHandle handle, std::uint32_t accessBit, std::optional<Refusal> refusal = {}) {
        Count();
        auto found = handles_.find(handle);
        if (found == handles_.end() || (found->second.access & accessBit) == 0) return nullptr;
        return refusal && Refused(found->second.key, *refusal) ? nullptr : &found->second;
    }

    std::map<std::u16string, std::map<std::u16string, Value>> keys_;
    std::map<RegistryHandle, Handle> handles_;
    std::set<std::pair<std::u16string, Refusal>> refused_;
    std::vector<KeyRequest> requests_;
    RegistryHandle nextHandle_ = 0x100;
};
