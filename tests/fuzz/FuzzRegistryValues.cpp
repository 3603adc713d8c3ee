// Every registry reader of the applet on values of any type, size and bytes.
// The input is a list of values: a selector byte (which value), a type byte,
// a length byte, then that many bytes of data.

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
    RegistryRoot root;
    const char16_t* key;
    const char16_t* name;
};

const Place kPlaces[] = {
    {RegistryRoot::CurrentUser, sys::kFileSharingKey, sys::kTPassword},
    {RegistryRoot::LocalMachine, sys::kFileSharingKey, sys::kTPassword},
    {RegistryRoot::CurrentUser, sys::kFileSharingKey, sys::kFtspath},
    {RegistryRoot::LocalMachine, sys::kFileSharingKey, sys::kFtspath},
    {RegistryRoot::CurrentUser, sys::kFileSharingKey, sys::kOpenArrivedImage},
    {RegistryRoot::LocalMachine, sys::kFileSharingKey, sys::kDisableObexServers},
    {RegistryRoot::CurrentUser, sys::kLanguageKey, sys::kDefaultUserLang},
    {RegistryRoot::CurrentUser, sys::kImageFolderKey, u"Alice"},
    {RegistryRoot::CurrentUser, sys::kUserDefaultKey, sys::kHighSpeed},
    {RegistryRoot::LocalMachine, sys::kMachineDefaultKey, sys::kHighSpeed},
    {RegistryRoot::LocalMachine, sys::kMachineProximityKey, sys::kProximityState},
    {RegistryRoot::LocalMachine, sys::kMachineDefaultKey, sys::kScmst},
    {RegistryRoot::LocalMachine, sys::kMachineDefaultKey, sys::kIsScmstSupported},
    {RegistryRoot::CurrentUser, sys::kPimSettingsKey, u"MailDest"},
    {RegistryRoot::CurrentUser, sys::kPimSettingsKey, u"FolderPath"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry registry;
    for (std::size_t at = 0; at + 3 <= size;) {
        const Place& place = kPlaces[data[at] % std::size(kPlaces)];
        std::uint32_t type = data[at + 1] % 12;
        std::size_t length = std::min<std::size_t>(data[at + 2] * 4u, size - at - 3);
        registry.PutValue(place.root, place.key, place.name, type,
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
