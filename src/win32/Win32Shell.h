#pragma once

#include "pages/PageServices.h"

// The shell operations of the pages, on the real system.
class Win32Shell final : public IShell {
public:
    void OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) override;
    Text260 ComputerName() override;
};
