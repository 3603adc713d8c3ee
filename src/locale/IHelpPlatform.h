#pragma once
// What opening a help topic needs of the system: where the applet lives, the
// shell's path helpers, and the shell's "open".

#include <optional>

#include "base/FixedText.h"

class IHelpPlatform {
public:
    virtual ~IHelpPlatform() = default;

    // The full path of the applet library's own file; none when it cannot be
    // had whole.
    virtual std::optional<Text260> AppletModulePath() = 0;
    // Removes the last element of `path`, as the shell's PathRemoveFileSpec
    // does; false when nothing could be removed.
    virtual bool RemoveFileSpec(Text260& path) = 0;
    virtual bool PathExists(const char16_t* path) = 0;
    // Opens the file with the shell's "open" verb; the outcome is not reported.
    virtual void ShellOpen(const char16_t* path) = 0;
};
