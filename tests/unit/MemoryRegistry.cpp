#include "MemoryRegistry.h"

#include <cstring>

namespace {

constexpr std::uint32_t kSetValue = 0x0002;

std::u16string Folded(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& unit : folded)
        if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
    return folded;
}

std::u16string ValueId(const char16_t* name) { return Folded(name ? name : u""); }

}  // namespace

std::string Utf16Bytes(std::u16string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

std::string SzBytes(std::u16string_view text) { return Utf16Bytes(std::u16string(text) + u'\0'); }

std::string DwordBytes(std::uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

std::u16string MemoryRegistry::KeyId(RegistryRoot root, std::u16string_view path) {
    static constexpr const char16_t* kRoots[] = {u"hkcu", u"hklm", u"hkcr"};
    std::u16string id = kRoots[static_cast<int>(root)];
    if (!path.empty()) id += u"\\" + Folded(path);
    return id;
}

void MemoryRegistry::Count() {
    if (operations++ == throwingOperation) throw RegistryFault{};
}

// Opens or creates the key and hands out a handle with the access asked for.
long MemoryRegistry::Issue(KeyRequest request, RegistryHandle* handle) {
    Count();
    requests_.push_back(request);
    *handle = 0;
    std::u16string id = KeyId(request.root, request.path);
    if (request.create && refuseCreate_.count(id)) return reg::kAccessDenied;
    if (request.create) PutKey(request.root, request.path);
    if (!keys_.count(id) && id.find(u'\\') != std::u16string::npos) return reg::kFileNotFound;
    *handle = nextHandle_++;
    handles_[*handle] = Handle{id, request.access};
    return reg::kSuccess;
}

const MemoryRegistry::Handle* MemoryRegistry::Find(RegistryHandle handle,
                                                   std::uint32_t accessBit) const {
    auto found = handles_.find(handle);
    if (found == handles_.end() || (found->second.access & accessBit) == 0) return nullptr;
    return &found->second;
}

long MemoryRegistry::QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type,
                                void* data, std::uint32_t* size) {
    Count();
    const Handle* handle = Find(key, reg::kQueryValue);
    if (!handle) return reg::kAccessDenied;
    if (data && !size) return reg::kInvalidParameter;
    auto& values = keys_[handle->key];
    auto found = values.find(ValueId(name));
    if (found == values.end()) return reg::kFileNotFound;
    const Value& value = found->second;
    if (type) *type = value.type;
    if (!size) return reg::kSuccess;
    auto needed = static_cast<std::uint32_t>(value.bytes.size());
    bool fits = *size >= needed;
    *size = needed;
    if (!data) return reg::kSuccess;
    if (!fits) return reg::kMoreData;
    std::memcpy(data, value.bytes.data(), needed);
    return reg::kSuccess;
}

long MemoryRegistry::SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type,
                              const void* data, std::uint32_t size) {
    Count();
    const Handle* handle = Find(key, kSetValue);
    if (!handle) return reg::kAccessDenied;
    if (!data && size != 0) return reg::kInvalidParameter;
    keys_[handle->key][ValueId(name)] = Value{type, size ? std::string(static_cast<const char*>(data), size) : ""};
    return reg::kSuccess;
}

long MemoryRegistry::DeleteValue(RegistryHandle key, const char16_t* name) {
    Count();
    const Handle* handle = Find(key, kSetValue);
    if (!handle || refuseDelete_.count(handle->key)) return reg::kAccessDenied;
    return keys_[handle->key].erase(ValueId(name)) ? reg::kSuccess : reg::kFileNotFound;
}

long MemoryRegistry::DeleteTree(RegistryRoot root, const char16_t* path) {
    Count();
    std::u16string id = KeyId(root, path ? path : u"");
    if (!keys_.erase(id)) return reg::kFileNotFound;
    for (auto key = keys_.lower_bound(id + u"\\"); key != keys_.end() && key->first.starts_with(id + u"\\");)
        key = keys_.erase(key);
    return reg::kSuccess;
}

void MemoryRegistry::PutKey(RegistryRoot root, std::u16string_view path) {
    // Every parent exists as a key of its own, as on Windows.
    for (std::size_t end = 0; end != std::u16string_view::npos;) {
        end = path.find(u'\\', end + 1);
        keys_[KeyId(root, path.substr(0, end))];
    }
}

void MemoryRegistry::PutValue(RegistryRoot root, std::u16string_view path,
                              std::u16string_view name, std::uint32_t type,
                              std::string_view bytes) {
    PutKey(root, path);
    keys_[KeyId(root, path)][Folded(name)] = Value{type, std::string(bytes)};
}

std::optional<MemoryRegistry::Value> MemoryRegistry::GetValue(RegistryRoot root,
                                                              std::u16string_view path,
                                                              std::u16string_view name) const {
    auto key = keys_.find(KeyId(root, path));
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.find(Folded(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}
