#include "applet/Registration.h"

#include "res/resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

// The steps both directions share: the Cpls key first (its step answers
// false when it needed the module path and had none), then the category key,
// which is used only once the Cpls key is closed.
template <typename OnCpls, typename OnCategory>
long ForEachControlPanelKey(IRegistry& registry, const std::optional<Text260>& modulePath, long result,
                            OnCpls onCpls, OnCategory onCategory) {
    RegKey cpls(registry);
    if (cpls.Open(RegistryRoot::LocalMachine, schema::kControlPanelCplsKey, reg::kWrite) && !onCpls(cpls))
        result = kInvalidArgument;
    RegKey category(registry);
    if (category.Open(RegistryRoot::LocalMachine, schema::kControlPanelCategoryKey, reg::kWrite) && cpls.Close()) {
        if (!modulePath) return kInvalidArgument;
        onCategory(category, *modulePath);
    }
    return result;
}

}  // namespace

long RegisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                              const std::optional<Text260>& modulePath, long result) {
    return ForEachControlPanelKey(
        registry, modulePath, result,
        [&](RegKey& cpls) {
            if (!modulePath) return false;
            cpls.WriteString(strings.Load(schema::kControlPanelCplsValueText).c_str(), modulePath->view());
            return true;
        },
        [](RegKey& category, const Text260& path) {
            category.WriteString(path.c_str(), schema::kControlPanelCategories);
        });
}

long UnregisterControlPanelItem(IRegistry& registry, const IStringTable& strings,
                                const std::optional<Text260>& modulePath, long result) {
    return ForEachControlPanelKey(
        registry, modulePath, result,
        [&](RegKey& cpls) {
            cpls.DeleteValue(strings.Load(schema::kControlPanelCplsValueText).c_str());
            return true;
        },
        [](RegKey& category, const Text260& path) { category.DeleteValue(path.c_str()); });
}
