#pragma once
// The imaging folder: the folder the image transfer server stores received
// images in, kept per Windows user under a value named by the logon name.

#include "base/FixedText.h"
#include "settings/IRegistry.h"
#include "settings/IUserFolders.h"

// The stored folder, else the user's My Pictures folder, else "C:\".
Text260 GetImageFolderPath(IRegistry& registry, IUserFolders& folders);

// Stores the folder for the current user, replacing what was there.  False,
// with nothing changed, for a null path or one longer than the 259 units that
// are read back; false also when the key or the user name cannot be had, or
// the old value cannot be removed.
bool SetImageFolderPath(IRegistry& registry, IUserFolders& folders, const char16_t* path);
