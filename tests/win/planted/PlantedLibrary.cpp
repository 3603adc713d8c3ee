// A library with code of its own, planted by a test where the applet looks
// for a language library: if anything ever runs its entry point, a named
// event stays behind to say so.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) CreateEventW(nullptr, TRUE, TRUE, L"QuorvelPlantedLibraryRan");
    return TRUE;
}
