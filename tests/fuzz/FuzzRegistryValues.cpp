// Every registry reader of the applet on values of any type, size and bytes.
// The input is a list of values: a selector byte (which value; its top bit
// puts it under HKLM instead of HKCU), a type byte, a length byte (in units
// of four bytes), then that much data.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FakeEnvironment.h"
#include "locale/UserLanguage.h"
#include "pages/CPIMSettingsStore.h"
#include "settings/FileSharingSettings.h"
#include "settings/ImageFolderSettings.h"
#include "settings/RadioSettings.h"

namespace {

struct Place {
    const char16_t* key;
    const char16_t* name;
};

const Place kPlaces[] = {
    {sys::kFileSharingKey, sys::kTPassword},
    {sys::kFileSharingKey, sys::kFtspath},
    {sys::kFileSharingKey, sys::kOpenArrivedImage},
    {sys::kFileSharingKey, sys::kDisableObexServers},
    {sys::kLanguageKey, sys::kDefaultUserLang},
    {sys::kImageFolderKey, u"Alice"},
    {sys::kMachineDefaultKey, sys::kHighSpeed},  // the user's key has the same path
    {sys::kMachineProximityKey, sys::kProximityState},
    {sys::kMachineDefaultKey, sys::kScmst},
    {sys::kMachineDefaultKey, sys::kIsScmstSupported},
    {sys::kPimSettingsKey, u"MailDest"},
    {sys::kPimSettingsKey, u"FolderPath"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry registry;
    for (std::size_t at = 0; at + 3 <= size;) {
        const Place& place = kPlaces[(data[at] & 0x7F) % std::size(kPlaces)];
        RegistryRoot root = data[at] & 0x80 ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser;
        std::uint32_t type = data[at + 1] % 12;
        std::size_t length = std::min<std::size_t>(data[at + 2] * 4u, size - at - 3);
        registry.PutValue(root, place.key, place.name, type,
                          std::string_view(reinterpret_cast<const char*>(data + at + 3), length));
        at += 3 + length;
    }
    FakeStringTable strings;
    FakeUserFolders folders;
    ResolveFileSharingAtStartup(registry);
    for (std::size_t capacity : {0u, 1u, 6u, 15u, 20u}) {
        char16_t tag[20];
        GetDefaultUserLang(registry, tag, capacity);
    }
    GetImageFolderPath(registry, folders);
    ReadHighSpeed(registry, strings);
    ReadProximityPairingState(registry, strings);
    ReadContentProtection(registry);
    IsScmstSupported(registry);
    CPIMSettingsStore store(registry);
    store.Get(PimSwitch::EmailMessages);
    return 0;
}
