#pragma once
// The folder check's file system on the real system.

#include "pages/FolderCheck.h"

class Win32FileSystem final : public IFileSystem {
public:
    bool Exists(const char16_t* path) override;
    bool IsDirectory(const char16_t* path) override;
    std::optional<Text260> ModuleFolder() override;
    bool CopyNew(const char16_t* from, const char16_t* to) override;
    bool Delete(const char16_t* path) override;
    std::uint32_t LastError() override;
};
