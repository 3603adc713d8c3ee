#include "win32/Win32UserFolders.h"

#include <windows.h>
#include <shlobj.h>
#include "win32/WideText.h"

std::optional<Text260> Win32UserFolders::CurrentUserName() {
    Text260 name;
    DWORD units = static_cast<DWORD>(Text260::capacity());
    if (!GetUserNameW(Wide(name.data()), &units)) return std::nullopt;
    name.terminate();
    return name;
}

std::optional<Text260> Win32UserFolders::MyPicturesFolder() {
    Text260 path;
    // S_FALSE would mean the folder does not exist, so only S_OK gives a path.
    if (SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr,
                         SHGFP_TYPE_CURRENT, Wide(path.data())) != S_OK)
        return std::nullopt;
    path.terminate();
    return path;
}
