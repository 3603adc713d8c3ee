#include "settings/RegKey.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

bool IsAcceptedStringType(std::uint32_t type, const StringReadRules& rules) {
    return type == reg::kSz || (rules.expandSzAccepted && type == reg::kExpandSz);
}

}  // namespace

RegKey::RegKey(RegKey&& other) noexcept
    : registry_(other.registry_), handle_(std::exchange(other.handle_, 0)), lastResult_(other.lastResult_) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        Close();
        registry_ = other.registry_;
        handle_ = std::exchange(other.handle_, 0);
        lastResult_ = other.lastResult_;
    }
    return *this;
}

bool RegKey::Open(RegistryRoot root, const char16_t* path, std::uint32_t access) {
    Close();
    RegistryHandle handle = 0;
    lastResult_ = registry_->OpenKey(root, path, access, &handle);
    if (lastResult_ != reg::kSuccess) return false;
    handle_ = handle;
    return true;
}

bool RegKey::Create(RegistryRoot root, const char16_t* path, std::uint32_t access) {
    Close();
    RegistryHandle handle = 0;
    lastResult_ = registry_->CreateKey(root, path, access, &handle);
    if (lastResult_ != reg::kSuccess) return false;
    handle_ = handle;
    return true;
}

bool RegKey::Close() {
    if (!IsOpen()) return true;
    return registry_->CloseKey(std::exchange(handle_, 0)) == reg::kSuccess;
}

long RegKey::Query(const char16_t* name, std::uint32_t* type, void* data,
                   std::uint32_t* size) const {
    if (!IsOpen()) return reg::kInvalidParameter;
    return registry_->QueryValue(handle_, name, type, data, size);
}

std::optional<std::uint32_t> RegKey::ReadDword(const char16_t* name, bool requireDwordType) const {
    std::uint32_t type = 0;
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    if (Query(name, &type, &value, &size) != reg::kSuccess) return std::nullopt;
    if (requireDwordType && type != reg::kDword) return std::nullopt;
    return value;
}

std::optional<std::u16string> RegKey::ReadString(const char16_t* name,
                                                 const StringReadRules& rules) const {
    std::uint32_t type = 0;
    std::uint32_t size = rules.bufferBytes;
    if (size == 0) {
        if (Query(name, &type, nullptr, &size) != reg::kSuccess) return std::nullopt;
        if (!IsAcceptedStringType(type, rules)) return std::nullopt;
        // Room for the value and a terminator unit.
        std::uint64_t bytes = (std::uint64_t{size} / 2 + 1) * 2;
        size = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(bytes, std::numeric_limits<std::uint32_t>::max()));
    }
    std::u16string text((std::uint64_t{size} + 1) / 2, u'\0');
    if (Query(name, &type, text.data(), &size) != reg::kSuccess) return std::nullopt;
    if (!IsAcceptedStringType(type, rules)) return std::nullopt;
    if (size == 0) return rules.emptyAccepted ? std::optional<std::u16string>(u"") : std::nullopt;
    std::size_t units = size / 2;
    if (rules.terminatorRequired && (size % 2 != 0 || text[units - 1] != u'\0')) return std::nullopt;
    text.resize(std::min(units, text.find(u'\0')));
    return text;
}

std::optional<std::string> RegKey::ReadBinary(const char16_t* name) const {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (Query(name, &type, nullptr, &size) != reg::kSuccess || type != reg::kBinary)
        return std::nullopt;
    std::string bytes(size, '\0');
    if (Query(name, &type, bytes.data(), &size) != reg::kSuccess || type != reg::kBinary)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool RegKey::WriteDword(const char16_t* name, std::uint32_t value) {
    return Set(name, reg::kDword, &value, sizeof value);
}

bool RegKey::WriteString(const char16_t* name, std::u16string_view text) {
    std::u16string terminated(text);
    return Set(name, reg::kSz, terminated.c_str(), (terminated.size() + 1) * sizeof(char16_t));
}

bool RegKey::WriteBinary(const char16_t* name, std::string_view bytes) {
    return Set(name, reg::kBinary, bytes.data(), bytes.size());
}

bool RegKey::DeleteValue(const char16_t* name) {
    lastResult_ = IsOpen() ? registry_->DeleteValue(handle_, name) : reg::kInvalidParameter;
    return lastResult_ == reg::kSuccess;
}

bool RegKey::Set(const char16_t* name, std::uint32_t type, const void* data, std::size_t size) {
    if (!IsOpen() || size > std::numeric_limits<std::uint32_t>::max()) {
        lastResult_ = reg::kInvalidParameter;
        return false;
    }
    lastResult_ = registry_->SetValue(handle_, name, type, data, static_cast<std::uint32_t>(size));
    return lastResult_ == reg::kSuccess;
}
