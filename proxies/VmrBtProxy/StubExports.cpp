// The stand-ins' test interface (see VmrStubControl.h).

#include <algorithm>
#include <cstring>
#include <string>

#include "StubEngine.h"
#include "VmrStubControl.h"

namespace {

std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t capacity) {
    if (buffer && capacity > 0) {
        std::size_t bytes = std::min<std::size_t>(text.size(), capacity - 1);
        std::memcpy(buffer, text.data(), bytes);
        buffer[bytes] = '\0';
    }
    return static_cast<std::uint32_t>(text.size() + 1);
}

std::string_view Name(const char* name) { return name ? name : ""; }

}  // namespace

void WINAPI VmrStubReset(void) { StubEngine::instance().reset(); }

void WINAPI VmrStubScriptResult(const char* operation, std::int32_t result, std::int32_t times) {
    StubEngine::instance().script(Name(operation), result, times);
}

std::uint32_t WINAPI VmrStubReadLog(char* buffer, std::uint32_t capacity) {
    return CopyOut(StubEngine::instance().log(), buffer, capacity);
}

void WINAPI VmrStubClearLog(void) { StubEngine::instance().clearLog(); }

std::int64_t WINAPI VmrStubGetState(const char* name) {
    return StubEngine::instance().number(Name(name));
}

void WINAPI VmrStubSetState(const char* name, std::int64_t value) {
    StubEngine::instance().setNumber(Name(name), value);
}

std::uint32_t WINAPI VmrStubGetText(const char* name, char* buffer, std::uint32_t capacity) {
    return CopyOut(StubEngine::instance().text(Name(name)), buffer, capacity);
}

void WINAPI VmrStubSetText(const char* name, const char* text) {
    StubEngine::instance().setText(Name(name), text ? text : "");
}

void WINAPI VmrStubSetPorts(const _SPP_PORT_INFO* ports, std::uint32_t count) {
    StubEngine::instance().setPorts(
        ports ? std::vector<_SPP_PORT_INFO>(ports, ports + count) : std::vector<_SPP_PORT_INFO>{});
}

std::int32_t WINAPI VmrStubCall(const char* operation, const char* arguments,
                                std::int32_t normalResult) {
    return StubEngine::instance().call(Name(operation), Name(arguments), normalResult);
}
