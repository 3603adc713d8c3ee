// The OBEX proxy's operations.  State and log live in the stack stand-in's
// engine so that one log shows the order of calls across both libraries.

#include <cstdio>
#include <string>

#include "VmrBtOBEXProxy.h"
#include "VmrStubControl.h"

namespace {

constexpr std::int32_t kInvalidArgument = -2;

const char* CallbackArg(const void* callback) {
    return callback ? "callback=set" : "callback=null";
}

// The folder of an OBEX object as UTF-8, never read past its field.
std::string FolderUtf8(const _OBEX_OBJECT_T& folder) {
    const wchar_t* path = reinterpret_cast<const wchar_t*>(folder.path);
    int units = static_cast<int>(wcsnlen(path, kObexPathUnits));
    char utf8[kObexPathUnits * 3 + 1] = {};
    int bytes = WideCharToMultiByte(CP_UTF8, 0, path, units, utf8, sizeof utf8 - 1, nullptr, nullptr);
    return std::string(utf8, bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
}

std::int32_t SetServersActive(const char* operation, std::int64_t active) {
    std::int32_t result = VmrStubCall(operation, "", 0);
    if (result == 0) VmrStubSetState("obexServersActive", active);
    return result;
}

}  // namespace

std::int32_t WINAPI BtOBEXRegisterApplication(PFN_VMR_OBEX_EVENT callback) {
    std::int32_t result = VmrStubCall(__func__, CallbackArg(reinterpret_cast<void*>(callback)), 0);
    if (result == 0) VmrStubSetState("obexRegistered", 1);
    return result;
}

std::int32_t WINAPI BtOBEXUnRegister(PFN_VMR_OBEX_EVENT callback) {
    std::int32_t result = VmrStubCall(__func__, CallbackArg(reinterpret_cast<void*>(callback)), 0);
    if (result == 0) VmrStubSetState("obexRegistered", 0);
    return result;
}

std::int32_t WINAPI SetFTPServerRootFolder(_OBEX_OBJECT_T* folder) {
    if (!folder) return VmrStubCall(__func__, "", kInvalidArgument);
    std::string path = FolderUtf8(*folder);
    std::string arguments = "path=\"" + path + "\", length=" + std::to_string(folder->length);
    std::int32_t result = VmrStubCall(__func__, arguments.c_str(), 0);
    if (result == 0) VmrStubSetText("ftpRootFolder", path.c_str());
    return result;
}

std::int32_t WINAPI BtObexServersActivate(void) { return SetServersActive(__func__, 1); }
std::int32_t WINAPI BtObexServersDeActivate(void) { return SetServersActive(__func__, 0); }

std::int32_t WINAPI BtOPPSetServerConfig(_VMR_OPP_CONFIG_DATA* config) {
    if (!config) return VmrStubCall(__func__, "", kInvalidArgument);
    char arguments[64];
    std::snprintf(arguments, sizeof arguments, "%u,%u,%u,%u,%u", config->acceptPimItems,
                  config->businessCards, config->emailMessages, config->notes,
                  config->calendarItems);
    return VmrStubCall(__func__, arguments, 0);
}
