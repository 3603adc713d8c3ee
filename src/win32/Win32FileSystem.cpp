#include "win32/Win32FileSystem.h"

#include <windows.h>
#include <shlwapi.h>

#include "win32/Module.h"
#include "win32/ModulePath.h"
#include "win32/WideText.h"

bool Win32FileSystem::Exists(const char16_t* path) {
    return GetFileAttributesW(Wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::IsDirectory(const char16_t* path) {
    DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<Text260> Win32FileSystem::ModuleFolder() {
    auto path = ModuleFilePath(TheModule().Instance());
    if (!path || !PathRemoveFileSpecW(Wide(path->data()))) return std::nullopt;
    return path;
}

bool Win32FileSystem::CopyNew(const char16_t* from, const char16_t* to) {
    return CopyFileW(Wide(from), Wide(to), TRUE) != FALSE;
}

bool Win32FileSystem::Delete(const char16_t* path) { return DeleteFileW(Wide(path)) != FALSE; }

std::uint32_t Win32FileSystem::LastError() { return GetLastError(); }
