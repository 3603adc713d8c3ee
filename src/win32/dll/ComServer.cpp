// The COM server exports.  The module serves no classes: registration writes
// its application identifier and the Control Panel values, and the lock
// count tells COM whether the module may be unloaded.

#include <windows.h>

#include <string_view>

#include "applet/Registration.h"
#include "applet/RegistryScript.h"
#include "base/Utf8.h"
#include "res/resource.h"
#include "win32/Boundary.h"
#include "win32/Module.h"
#include "win32/ModulePath.h"
#include "win32/ResourceData.h"
#include "win32/Win32Registry.h"
#include "win32/Win32StringTable.h"

namespace {

constexpr char16_t kAppId[] = u"{5558A25A-B790-48EF-BBA4-0D3BBE4FF1D0}";

// The script runs under the system's default locale, whatever the calling
// thread had, and the thread gets its own back.
class SystemLocaleForThread {
public:
    SystemLocaleForThread() : saved_(GetThreadLocale()) { SetThreadLocale(LOCALE_SYSTEM_DEFAULT); }
    ~SystemLocaleForThread() { SetThreadLocale(saved_); }
    SystemLocaleForThread(const SystemLocaleForThread&) = delete;
    SystemLocaleForThread& operator=(const SystemLocaleForThread&) = delete;

private:
    LCID saved_;
};

long ApplyScript(IRegistry& registry, bool registering) {
    SystemLocaleForThread systemLocale;
    // The script is the applet's own resource: language libraries carry none.
    auto script = ResourceData(TheModule().Instance(), L"REGISTRY", MAKEINTRESOURCEW(IDR_REGISTRY_SCRIPT));
    return ApplyRegistrationScript(registry, Utf8ToUtf16(script), {{u"APPID", kAppId}}, registering);
}

long UpdateRegistration(bool registering) {
    Win32Registry registry;
    Win32StringTable strings;
    long result = ApplyScript(registry, registering);
    auto modulePath = ModuleFilePath(TheModule().Instance());
    return registering ? RegisterControlPanelItem(registry, strings, modulePath, result)
                       : UnregisterControlPanelItem(registry, strings, modulePath, result);
}

}  // namespace

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return TheModule().GetLockCount() == 0 ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() { return AtBoundary(E_UNEXPECTED, [] { return UpdateRegistration(true); }); }

STDAPI DllUnregisterServer() { return AtBoundary(E_UNEXPECTED, [] { return UpdateRegistration(false); }); }
