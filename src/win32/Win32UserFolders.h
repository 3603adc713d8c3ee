#pragma once
// The user seam bound to GetUserNameW and the shell's folder lookup.

#include "settings/IUserFolders.h"

class Win32UserFolders final : public IUserFolders {
public:
    std::optional<Text260> CurrentUserName() override;
    std::optional<Text260> MyPicturesFolder() override;
};
