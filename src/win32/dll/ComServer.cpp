// The COM server exports.  The module serves no classes; its lock count tells
// COM whether it may be unloaded.

#include <windows.h>

#include "win32/Module.h"

STDAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return TheModule().GetLockCount() == 0 ? S_OK : S_FALSE; }

// Registration as a Control Panel item is not built yet; say so rather than
// report a registration that did not happen.
STDAPI DllRegisterServer() { return E_NOTIMPL; }
STDAPI DllUnregisterServer() { return E_NOTIMPL; }
