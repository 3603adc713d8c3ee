#include "settings/RadioSettings.h"

#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

std::optional<bool> ReadContentProtection(IRegistry& registry) {
    RegKey key(registry);
    if (!key.Open(RegistryRoot::LocalMachine, schema::kMachineProductKey, reg::kRead))
        return std::nullopt;
    return key.ReadDword(schema::kContentProtection, false).value_or(0) != 0;
}

std::optional<std::uint32_t> ReadProximityPairingState(IRegistry& registry,
                                                       const IStringTable& strings) {
    RegKey key(registry);
    if (!key.Open(RegistryRoot::LocalMachine, strings.Load(schema::kProximityPairingKeyText).c_str(),
                  reg::kRead))
        return std::nullopt;
    return key.ReadDword(schema::kProximityPairingState, true);
}

bool ReadHighSpeed(IRegistry& registry, const IStringTable& strings) {
    struct Source {
        RegistryRoot root;
        unsigned keyText;
    };
    // The user's own choice first; the machine default only without one.
    for (Source source : {Source{RegistryRoot::CurrentUser, schema::kUserProductDefaultKeyText},
                          Source{RegistryRoot::LocalMachine, schema::kMachineProductKeyText}}) {
        RegKey key(registry);
        if (!key.Open(source.root, strings.Load(source.keyText).c_str(), reg::kRead)) continue;
        if (auto value = key.ReadDword(schema::kHighSpeed, true)) return *value != 0;
    }
    return schema::kHighSpeedDefault;
}

bool IsScmstSupported(IRegistry& registry) {
    RegKey key(registry);
    // Query access is all this read needs, and all a restricted user may get.
    if (!key.Open(RegistryRoot::LocalMachine, schema::kMachineProductKey, reg::kQueryValue))
        return false;
    return key.ReadDword(schema::kScmstSupported, false) == 1u;
}
