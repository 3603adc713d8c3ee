#include "win32/ModulePath.h"

std::optional<Text260> ModuleFilePath(HMODULE module) {
    Text260 path;
    DWORD length = GetModuleFileNameW(module, reinterpret_cast<wchar_t*>(path.data()),
                                      static_cast<DWORD>(path.capacity()));
    // A result that fills the buffer is a path cut short.
    if (length == 0 || length >= path.capacity()) return std::nullopt;
    path.terminate();
    return path;
}
