#include "win32/Win32Shell.h"

#include <windows.h>

#include "win32/Win32HelpTopic.h"
#include "win32/WideText.h"

void Win32Shell::OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) {
    ::OpenHelpTopic(topic, folderFormat);
}

Text260 Win32Shell::ComputerName() {
    Text260 name;
    DWORD size = static_cast<DWORD>(name.capacity());
    if (!GetComputerNameW(Wide(name.data()), &size)) name.clear();
    name.terminate();
    return name;
}
