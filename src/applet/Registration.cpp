#include "applet/Registration.h"

#include "res/resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

// Both directions open the Cpls key first and use the category key only once
// the Cpls key is closed.  Writing the item needs the module path; so does
// any use of the category key, whose value the path names.
long UpdateControlPanelItem(IRegistry& registry, const IStringTable& strings,
                            const std::optional<Text260>& modulePath, long result, bool registering) {
    RegKey cpls(registry);
    if (cpls.Open(RegistryRoot::LocalMachine, schema::kControlPanelCplsKey, reg::kWrite)) {
        Text260 name = strings.Load(schema::kControlPanelCplsValueText);
        if (!registering)
            cpls.DeleteValue(name.c_str());
        else if (modulePath)
            cpls.WriteString(name.c_str(), modulePath->view());
        else
            result = kInvalidArgument;
    }
    RegKey category(registry);
    if (category.Open(RegistryRoot::LocalMachine, schema::kControlPanelCategoryKey, reg::kWrite) && cpls.Close()) {
        if (!modulePath) return kInvalidArgument;
        if (registering)
            category.WriteString(modulePath->c_str(), schema::kControlPanelCategories);
        else
            category.DeleteValue(modulePath->c_str());
    }
    return result;
}

}  // namespace

long RegisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                              const std::optional<Text260>& modulePath, long result) {
    return UpdateControlPanelItem(registry, strings, modulePath, result, true);
}

long UnregisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                                const std::optional<Text260>& modulePath, long result) {
    return UpdateControlPanelItem(registry, strings, modulePath, result, false);
}
