#include "MemoryRegistry.h"

#include <cstring>

namespace {

constexpr long kInvalidHandle = 6;
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

std::u16string MemoryRegistry::KeyId(RegistryRoot root, std::u16string_view path) {
    static constexpr const char16_t* kRoots[] = {u"hkcu", u"hklm", u"hkcr"};
    std::u16string id = kRoots[static_cast<int>(root)];
    if (!path.empty()) id += u"\\" + Folded(path);
    return id;
}

void MemoryRegistry::Count() {
    if (operations++ == throwingOperation) throw RegistryFault{};
}

long MemoryRegistry::Issue(const std::u16string& key, std::uint32_t access,
                           RegistryHandle* handle) {
    *handle = nextHandle_++;
    handles_[*handle] = Handle{key, access};
    return reg::kSuccess;
}

const MemoryRegistry::Handle* MemoryRegistry::Find(RegistryHandle handle,
                                                   std::uint32_t accessBit) const {
    auto found = handles_.find(handle);
    if (found == handles_.end() || (found->second.access & accessBit) == 0) return nullptr;
    return &found->second;
}

long MemoryRegistry::OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                             RegistryHandle* key) {
    Count();
    requests_.push_back({false, root, path ? path : u"", access});
    *key = 0;
    std::u16string id = KeyId(root, path ? path : u"");
    if (id.find(u'\\') != std::u16string::npos && !keys_.count(id)) return reg::kFileNotFound;
    return Issue(id, access, key);
}

long MemoryRegistry::CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access,
                               RegistryHandle* key) {
    Count();
    requests_.push_back({true, root, path ? path : u"", access});
    *key = 0;
    std::u16string id = KeyId(root, path ? path : u"");
    if (refuseCreate_.count(id)) return reg::kAccessDenied;
    PutKey(root, path ? path : u"");
    return Issue(id, access, key);
}

long MemoryRegistry::QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type,
                                void* data, std::uint32_t* size) {
    Count();
    if (!handles_.count(key)) return kInvalidHandle;
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
    if (!handles_.count(key)) return kInvalidHandle;
    const Handle* handle = Find(key, kSetValue);
    if (!handle) return reg::kAccessDenied;
    if (!data && size != 0) return reg::kInvalidParameter;
    std::string bytes = size ? std::string(static_cast<const char*>(data), size) : std::string();
    keys_[handle->key][ValueId(name)] = Value{type, std::move(bytes)};
    return reg::kSuccess;
}

long MemoryRegistry::DeleteValue(RegistryHandle key, const char16_t* name) {
    Count();
    if (!handles_.count(key)) return kInvalidHandle;
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

long MemoryRegistry::CloseKey(RegistryHandle key) {
    return handles_.erase(key) ? reg::kSuccess : kInvalidHandle;
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

void MemoryRegistry::PutDword(RegistryRoot root, std::u16string_view path,
                              std::u16string_view name, std::uint32_t value) {
    PutValue(root, path, name, reg::kDword,
             std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

void MemoryRegistry::PutString(RegistryRoot root, std::u16string_view path,
                               std::u16string_view name, std::u16string_view text,
                               std::uint32_t type) {
    PutValue(root, path, name, type, Utf16Bytes(std::u16string(text) + u'\0'));
}

bool MemoryRegistry::HasKey(RegistryRoot root, std::u16string_view path) const {
    return keys_.count(KeyId(root, path)) != 0;
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

void MemoryRegistry::RefuseCreate(RegistryRoot root, std::u16string_view path) {
    refuseCreate_.insert(KeyId(root, path));
}

void MemoryRegistry::RefuseDelete(RegistryRoot root, std::u16string_view path) {
    refuseDelete_.insert(KeyId(root, path));
}
