#pragma once

#include "locale/IHelpPlatform.h"

// The shell's path helpers and "open", and the applet's own file.
class Win32HelpPlatform final : public IHelpPlatform {
public:
    std::optional<Text260> AppletModulePath() override;
    bool RemoveFileSpec(Text260& path) override;
    bool PathExists(const char16_t* path) override;
    void ShellOpen(const char16_t* path) override;
};

// Opens a help topic on the real system; see locale/HelpTopic.h.
int OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat);
