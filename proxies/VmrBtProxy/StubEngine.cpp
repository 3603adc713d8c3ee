#include "StubEngine.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The address the stand-in's adapter reports: 02:1a:7d:da:71:13.
constexpr std::uint32_t kLocalLap = 0xDA7113;
constexpr std::uint8_t kLocalUap = 0x7D;
constexpr std::uint16_t kLocalNap = 0x021A;

// The adapter's name as a user might have set it: not plain ASCII, so that
// the UTF-8 conversions on the way show.
constexpr char kLocalName[] = "B\xC3\xBCro-PC";

_SPP_PORT_INFO MakePort(std::uint64_t address, std::uint32_t comPort, std::uint16_t kind,
                        const char* remoteName) {
    _SPP_PORT_INFO port{};
    port.address = address;
    port.comPort = comPort;
    port.kind = kind;
    std::strncpy(port.remoteName, remoteName, sizeof port.remoteName - 1);
    return port;
}

}  // namespace

std::uint64_t PackDeviceAddress(std::uint32_t lap, std::uint8_t uap, std::uint16_t nap) {
    return (std::uint64_t{nap} << 32) | (std::uint64_t{uap} << 24) | (lap & 0xFFFFFFu);
}

StubEngine& StubEngine::instance() {
    static StubEngine engine;
    return engine;
}

StubEngine::StubEngine() { reset(); }

void StubEngine::reset() {
    std::lock_guard lock(mutex_);
    log_.clear();
    scripts_.clear();
    numbers_ = {
        {"radio", 1},        {"discoverable", 1},      {"connectable", 1},
        {"highSpeed", 1},    {"proximityPairing", 0},  {"scmst", 0},
        {"firmware", 4135},  {"btVersion", 6},         {"registered", 0},
        {"obexRegistered", 0}, {"obexServersActive", 1}, {"sppReportedCount", -1},
        {"lap", kLocalLap},  {"uap", kLocalUap},       {"nap", kLocalNap},
    };
    texts_ = {{"friendlyName", kLocalName}, {"ftpRootFolder", ""}};
    ports_ = {
        MakePort(PackDeviceAddress(0x3C4D5E, 0x2B, 0x0A1B), 5, kSppPortOutgoing, "Pocket Phone"),
        MakePort(PackDeviceAddress(0x778899, 0x66, 0x0C0D), 6, kSppPortIncoming, "Field Scanner"),
        MakePort(PackDeviceAddress(0x10E2F3, 0x4A, 0x00C4), 8, kSppPortOutgoing, "M\xC3\xA9lanie's Car Kit"),
    };
}

std::int32_t StubEngine::call(std::string_view operation, std::string_view arguments,
                              std::int32_t normalResult) {
    std::lock_guard lock(mutex_);
    log_.append(operation).append("(").append(arguments).append(")\n");
    auto it = scripts_.find(operation);
    if (it == scripts_.end()) return normalResult;
    std::int32_t result = it->second.result;
    if (it->second.remaining > 0 && --it->second.remaining == 0) scripts_.erase(it);
    return result;
}

void StubEngine::script(std::string_view operation, std::int32_t result, std::int32_t times) {
    std::lock_guard lock(mutex_);
    if (times == 0)
        scripts_.erase(std::string(operation));
    else
        scripts_[std::string(operation)] = Script{result, times};
}

std::string StubEngine::log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void StubEngine::clearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

std::int64_t StubEngine::number(std::string_view name) const {
    std::lock_guard lock(mutex_);
    auto it = numbers_.find(name);
    return it == numbers_.end() ? 0 : it->second;
}

void StubEngine::setNumber(std::string_view name, std::int64_t value) {
    std::lock_guard lock(mutex_);
    numbers_[std::string(name)] = value;
}

void StubEngine::flip(std::string_view name) {
    std::lock_guard lock(mutex_);
    auto& value = numbers_[std::string(name)];
    value = value ? 0 : 1;
}

std::string StubEngine::text(std::string_view name) const {
    std::lock_guard lock(mutex_);
    auto it = texts_.find(name);
    return it == texts_.end() ? std::string() : it->second;
}

void StubEngine::setText(std::string_view name, std::string value) {
    std::lock_guard lock(mutex_);
    texts_[std::string(name)] = std::move(value);
}

std::vector<_SPP_PORT_INFO> StubEngine::ports() const {
    std::lock_guard lock(mutex_);
    return ports_;
}

void StubEngine::setPorts(std::vector<_SPP_PORT_INFO> ports) {
    std::lock_guard lock(mutex_);
    ports_ = std::move(ports);
}

bool StubEngine::removeOutgoingPort(std::uint64_t address, std::uint32_t comPort) {
    std::lock_guard lock(mutex_);
    auto matches = [&](const _SPP_PORT_INFO& p) {
        return p.kind == kSppPortOutgoing && p.comPort == comPort &&
               (p.address & 0xFFFFFFFFFFFFull) == address;
    };
    auto removed = std::remove_if(ports_.begin(), ports_.end(), matches);
    bool any = removed != ports_.end();
    ports_.erase(removed, ports_.end());
    return any;
}
