#pragma once
// The file sharing values of the sheet state record, as the start-up fill
// finds them in the registry, and the stored form of the transfer password.

#include <optional>
#include <string>
#include <string_view>

#include "settings/IRegistry.h"
#include "settings/RegKey.h"

struct FileSharingValues {
    bool openArrivedImage = false;
    bool transferPasswordRequired = false;
    bool obexServersDisabled = false;
    std::u16string transferPassword;
    std::u16string exchangeFolder;
};

// Reads the values once at start-up.  The user key gives the two switches and
// the password; when it is missing they come from the machine key and the
// user key is created with first values.  The machine key, when it exists,
// always gives the exchange folder and the servers switch.
FileSharingValues ResolveFileSharingAtStartup(IRegistry& registry);

// The stored password (UTF-8, no terminator) as text.  No value when it is
// missing, not REG_BINARY or empty.  Only the first 259 bytes count, up to the
// first zero byte; a character cut there is dropped whole.
std::optional<std::u16string> ReadTransferPassword(const RegKey& key);

// Stores the password as UTF-8 without terminator, 0 bytes when empty, cut to
// the 259 bytes the servers read without splitting a character.
bool WriteTransferPassword(RegKey& key, std::u16string_view password);
