// Library entry.  A named event guards the load: while another holder keeps
// the event open, the applet refuses to attach.

#include <windows.h>

#include "win32/Module.h"
#include "win32/dll/ResourceLanguageSelection.h"
#include "win32/UniqueResource.h"

namespace {
constexpr wchar_t kSingleInstanceEvent[] = L"{7C44F3BA-A778-484f-8E41-B6009F7AD669}";
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    TheModule().SetInstance(instance);

    // Manual-reset, signalled, default security.  The handle is closed on
    // every path, also when the event already existed and the call refuses.
    UniqueHandle event(CreateEventW(nullptr, TRUE, TRUE, kSingleInstanceEvent));
    if (event && GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

    // Once per process, before any window exists: from here on dialogs, icons
    // and texts come from the chosen language's library, if one is installed.
    if (reason == DLL_PROCESS_ATTACH) SelectResourceLanguage();
    return TRUE;
}
