#pragma once
// Whether a folder may serve as a file sharing folder: it must exist, be a
// folder and take a new file.  Writing is probed by copying a file that lies
// beside the applet into the folder and deleting the copy again.  The probe
// never overwrites a file and never deletes one it did not create.

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/FixedText.h"

// The file system as the check needs it, with Win32 semantics.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    virtual bool Exists(const char16_t* path) = 0;
    virtual bool IsDirectory(const char16_t* path) = 0;
    // The folder of the applet's own file; none when it cannot be had whole.
    virtual std::optional<Text260> ModuleFolder() = 0;
    // Copies without ever replacing an existing target; false with
    // LastError() set when it did not copy.
    virtual bool CopyNew(const char16_t* from, const char16_t* to) = 0;
    virtual bool Delete(const char16_t* path) = 0;
    virtual std::uint32_t LastError() = 0;
};

namespace win32_error {
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kFileExists = 80;
inline constexpr std::uint32_t kAlreadyExists = 183;
}  // namespace win32_error

enum class FolderVerdict {
    Accepted,
    Missing,      // refused without a message
    NotAFolder,   // refused: message 155
    NotWritable,  // refused: message 156
    Invalid,      // refused: message 166 (a relative path, or one too long to probe)
    ProbeLeft,    // refused: the probe's copy could not be deleted again
};

// A relative path would be taken against whatever the host's current folder
// is, and handed to the stack as it is, so only "X:\..." and "\\server\..."
// name folders.  `leftover` receives the probe's copy that stayed behind.
FolderVerdict CheckFolder(IFileSystem& files, std::u16string_view path, Text260* leftover = nullptr);
