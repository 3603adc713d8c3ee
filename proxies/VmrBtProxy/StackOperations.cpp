// The stack proxy's operations, answered from the stand-in's in-memory state.
// A scripted failure (see VmrStubControl.h) leaves the state unchanged.

#include <cstring>
#include <string>

#include "StubEngine.h"
#include "VmrBtProxy.h"

namespace {

constexpr std::int32_t kInvalidArgument = -2;

StubEngine& Engine() { return StubEngine::instance(); }

std::string CallbackArg(const void* callback) {
    return callback ? "callback=set" : "callback=null";
}

// The name in a device info record, never read past its field.
std::string FieldText(const char (&field)[kStackNameBytes]) {
    return std::string(field, strnlen(field, sizeof field));
}

std::int32_t ReadFlag(const char* operation, const char* state, std::int32_t* out) {
    std::int32_t result = Engine().call(operation, "", out ? 0 : kInvalidArgument);
    if (result >= 0 && out) *out = static_cast<std::int32_t>(Engine().number(state));
    return result;
}

std::int32_t Toggle(const char* operation, const char* state) {
    std::int32_t result = Engine().call(operation, "", 0);
    if (result >= 0) Engine().flip(state);
    return result;
}

std::int32_t SetNumber(const char* operation, const char* state, std::int64_t value) {
    std::int32_t result = Engine().call(operation, "value=" + std::to_string(value), 0);
    if (result >= 0) Engine().setNumber(state, value);
    return result;
}

void CopyName(const std::string& name, _VMR_LOCAL_DEVICE_INFO* info) {
    std::size_t bytes = std::min(name.size(), sizeof info->friendlyName - 1);
    std::memcpy(info->friendlyName, name.data(), bytes);
    info->friendlyName[bytes] = '\0';
}

}  // namespace

std::int32_t WINAPI BtRegisterApplication(PFN_VMR_STACK_EVENT callback) {
    std::int32_t result = Engine().call(__func__, CallbackArg(reinterpret_cast<void*>(callback)), 0);
    if (result == 0) Engine().setNumber("registered", 1);
    return result;
}

std::int32_t WINAPI BtUnRegister(PFN_VMR_STACK_EVENT callback) {
    std::int32_t result = Engine().call(__func__, CallbackArg(reinterpret_cast<void*>(callback)), 0);
    if (result == 0) Engine().setNumber("registered", 0);
    return result;
}

std::int32_t WINAPI BtGetRadioStatus(std::int32_t* radioOn) {
    return ReadFlag(__func__, "radio", radioOn);
}

std::int32_t WINAPI BtGetDiscoveryModeStatus(std::int32_t* discoverable) {
    return ReadFlag(__func__, "discoverable", discoverable);
}

std::int32_t WINAPI BtGetConnectivityStatus(std::int32_t* connectable) {
    return ReadFlag(__func__, "connectable", connectable);
}

std::int32_t WINAPI BtToggleRadioOnOff(void) { return Toggle(__func__, "radio"); }
std::int32_t WINAPI BtToggleDiscoverableOnOff(void) { return Toggle(__func__, "discoverable"); }
std::int32_t WINAPI BtToggleConnectivityState(void) { return Toggle(__func__, "connectable"); }

std::int32_t WINAPI BtGetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) {
    std::int32_t result = Engine().call(__func__, "", info ? 0 : kInvalidArgument);
    if (result >= 0 && info) CopyName(Engine().text("friendlyName"), info);
    return result;
}

std::int32_t WINAPI BtSetDeviceFriendlyName(_VMR_LOCAL_DEVICE_INFO* info) {
    if (!info) return Engine().call(__func__, "", kInvalidArgument);
    std::string name = FieldText(info->friendlyName);
    std::int32_t result = Engine().call(__func__, "name=\"" + name + "\"", 0);
    if (result >= 0) Engine().setText("friendlyName", name);
    return result;
}

std::int32_t WINAPI BtGetLocalDeviceInfo(_VMR_LOCAL_DEVICE_INFO* info) {
    std::int32_t result = Engine().call(__func__, "", info ? 0 : kInvalidArgument);
    if (result >= 0 && info) {
        info->lap = static_cast<std::uint32_t>(Engine().number("lap"));
        info->uap = static_cast<std::uint8_t>(Engine().number("uap"));
        info->nap = static_cast<std::uint16_t>(Engine().number("nap"));
        info->btVersion = static_cast<std::uint16_t>(Engine().number("btVersion"));
        CopyName(Engine().text("friendlyName"), info);
    }
    return result;
}

std::int32_t WINAPI BtGetLocalFirmwareVersion(std::uint32_t* version) {
    std::int32_t result = Engine().call(__func__, "", version ? 0 : kInvalidArgument);
    if (result >= 0 && version) *version = static_cast<std::uint32_t>(Engine().number("firmware"));
    return result;
}

std::int32_t WINAPI BtSetHighSpeedStatus(bool on) { return SetNumber(__func__, "highSpeed", on); }

std::int32_t WINAPI BthProximityPairingOnOff(std::int32_t state) {
    return SetNumber(__func__, "proximityPairing", state);
}

std::int32_t WINAPI BtSetSCMSTValue(bool on) { return SetNumber(__func__, "scmst", on); }

std::int32_t WINAPI BtGetSppPortInfo(std::uint32_t* count, VARIANT* ports) {
    bool usable = count && ports && V_VT(ports) == (VT_ARRAY | VT_UI1) && V_ARRAY(ports) &&
                  SafeArrayGetDim(V_ARRAY(ports)) == 1;
    std::int32_t result = Engine().call(__func__, "", usable ? 0 : kInvalidArgument);
    if (result < 0 || !usable) return result;

    SAFEARRAY* array = V_ARRAY(ports);
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    std::size_t capacity = upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0;

    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) return kInvalidArgument;
    auto records = Engine().ports();
    std::size_t fitting = std::min(records.size(), capacity / sizeof(_SPP_PORT_INFO));
    std::memcpy(data, records.data(), fitting * sizeof(_SPP_PORT_INFO));
    SafeArrayUnaccessData(array);

    std::int64_t reported = Engine().number("sppReportedCount");
    *count = static_cast<std::uint32_t>(reported >= 0 ? reported : static_cast<std::int64_t>(fitting));
    return result;
}

std::int32_t WINAPI BtVmrBtDeactivateService(_BTH_ADDR_T* address, std::uint16_t serviceKind,
                                             std::uint32_t comPort) {
    if (!address) return Engine().call(__func__, "", kInvalidArgument);
    std::uint64_t packed = PackDeviceAddress(address->lap, address->uap, address->nap);
    char arguments[96];
    std::snprintf(arguments, sizeof arguments, "address=%012llx, kind=%u, port=%u",
                  static_cast<unsigned long long>(packed), unsigned{serviceKind}, comPort);
    std::int32_t result = Engine().call(__func__, arguments, 0);
    if (result < 0 || serviceKind != kSppPortOutgoing) return result;
    return Engine().removeOutgoingPort(packed, comPort) ? result : -1;
}
