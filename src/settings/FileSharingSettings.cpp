#include "settings/FileSharingSettings.h"

#include "settings/SettingsSchema.h"
#include "base/Utf8.h"

#include <utility>

namespace {

void ReadSwitch(const RegKey& key, const char16_t* name, bool& field) {
    if (auto value = key.ReadDword(name, true)) field = *value != 0;
}

// The values a user's own key holds; a machine key stands in for it when the
// user has none yet.
void ReadUserValues(const RegKey& key, FileSharingValues& values) {
    ReadSwitch(key, schema::kOpenArrivedImage, values.openArrivedImage);
    ReadSwitch(key, schema::kTransferPasswordRequired, values.transferPasswordRequired);
    if (auto password = ReadTransferPassword(key)) values.transferPassword = std::move(*password);
}

// Gives a user without a file sharing key one, seeded from what was read so
// far.  The password is always the fixed first password, whatever the record
// holds, and the record keeps its own until the next start.
void WriteFirstUserValues(IRegistry& registry, const FileSharingValues& values) {
    RegKey key(registry);
    if (!key.Open(RegistryRoot::CurrentUser, schema::kFileSharingKey, reg::kReadWrite) &&
        !key.Create(RegistryRoot::CurrentUser, schema::kFileSharingKey, reg::kReadWrite))
        return;
    key.WriteString(schema::kExchangeFolder, values.exchangeFolder);
    key.WriteString(schema::kImageFolderCopy, values.exchangeFolder);
    key.WriteDword(schema::kOpenArrivedImage, values.openArrivedImage ? 1 : 0);
    key.WriteDword(schema::kTransferPasswordRequired, values.transferPasswordRequired ? 1 : 0);
    key.WriteBinary(schema::kTransferPassword, schema::kDefaultTransferPassword);
}

}  // namespace

FileSharingValues ResolveFileSharingAtStartup(IRegistry& registry) {
    FileSharingValues values;
    RegKey inHand(registry);
    if (inHand.Open(RegistryRoot::CurrentUser, schema::kFileSharingKey, reg::kRead)) {
        ReadUserValues(inHand, values);
    } else {
        inHand.Open(RegistryRoot::LocalMachine, schema::kFileSharingKey, reg::kRead);
        ReadUserValues(inHand, values);
        WriteFirstUserValues(registry, values);
    }

    RegKey machine(registry);
    if (machine.Open(RegistryRoot::LocalMachine, schema::kFileSharingKey, reg::kRead))
        inHand = std::move(machine);

    if (auto folder = inHand.ReadString(schema::kExchangeFolder, {}); folder && !folder->empty())
        values.exchangeFolder = std::move(*folder);
    ReadSwitch(inHand, schema::kObexServersDisabled, values.obexServersDisabled);
    return values;
}

std::optional<std::u16string> ReadTransferPassword(const RegKey& key) {
    auto bytes = key.ReadBinary(schema::kTransferPassword);
    if (!bytes || bytes->empty()) return std::nullopt;
    // The conversion stops at the first zero byte, so the cut only matters
    // for a value with no zero in its first 259 bytes.
    return Utf8ToUtf16(Utf8Prefix(*bytes, schema::kTransferPasswordMaxBytes));
}

bool WriteTransferPassword(RegKey& key, std::u16string_view password) {
    std::string utf8 = Utf16ToUtf8(password);
    return key.WriteBinary(schema::kTransferPassword,
                           Utf8Prefix(utf8, schema::kTransferPasswordMaxBytes));
}
