#pragma once
// The seam to the signed-in user's identity and folders.  The Win32 shell
// asks the system; the unit tests use a fake.

#include <optional>

#include "base/FixedText.h"

class IUserFolders {
public:
    virtual ~IUserFolders() = default;

    // The logon name of the current Windows user (at most 259 units); none
    // when the system cannot give it, or it does not fit.
    virtual std::optional<Text260> CurrentUserName() = 0;
    // The user's My Pictures folder, created when it does not exist yet; none
    // when the shell cannot give it.
    virtual std::optional<Text260> MyPicturesFolder() = 0;
};
