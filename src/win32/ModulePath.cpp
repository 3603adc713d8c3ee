#include "win32/ModulePath.h"
#include "win32/WideText.h"

std::optional<Text260> ModuleFilePath(HMODULE module) {
    Text260 path;
    DWORD length = GetModuleFileNameW(module, Wide(path.data()),
                                      static_cast<DWORD>(path.capacity()));
    // A result that fills the buffer is a path cut short.
    if (length == 0 || length >= path.capacity()) return std::nullopt;
    path.terminate();
    return path;
}
