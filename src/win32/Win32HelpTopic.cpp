#include "win32/Win32HelpTopic.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "locale/HelpTopic.h"
#include "win32/Module.h"
#include "win32/ModulePath.h"
#include "win32/Win32Registry.h"
#include "win32/WideText.h"

std::optional<Text260> Win32HelpPlatform::AppletModulePath() {
    return ModuleFilePath(TheModule().Instance());
}

bool Win32HelpPlatform::RemoveFileSpec(Text260& path) {
    return PathRemoveFileSpecW(Wide(path.data())) != FALSE;
}

bool Win32HelpPlatform::PathExists(const char16_t* path) { return PathFileExistsW(Wide(path)) != FALSE; }

void Win32HelpPlatform::ShellOpen(const char16_t* path) {
    // No mask flags: the shell shows its own message when the topic cannot
    // be opened.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.lpVerb = L"open";
    info.lpFile = Wide(path);
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        // The failure has been shown by the shell; the applet reports no more.
        static_cast<void>(GetLastError());
    }
}

int OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) {
    Win32HelpPlatform platform;
    Win32Registry registry;
    return OpenHelpTopic(platform, registry, topic, folderFormat);
}
