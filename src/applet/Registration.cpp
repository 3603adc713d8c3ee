#include "applet/Registration.h"

#include "applet/RegistryScript.h"
#include "res/resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

// A key or value that is not there is no failure: there is nothing to write
// into or nothing to delete.  Anything else the registry refused (a key that
// exists but cannot be opened for writing, as without administrator rights)
// becomes the result, so that regsvr32 says why.
void NoteRefusal(const RegKey& key, long& result) {
    if (key.LastResult() != reg::kSuccess && key.LastResult() != reg::kFileNotFound)
        result = RegistryResult(key.LastResult());
}

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
    NoteRefusal(cpls, result);
    RegKey category(registry);
    if (category.Open(RegistryRoot::LocalMachine, schema::kControlPanelCategoryKey, reg::kWrite) && cpls.Close()) {
        if (!modulePath) return kInvalidArgument;
        if (registering)
            category.WriteString(modulePath->c_str(), schema::kControlPanelCategories);
        else
            category.DeleteValue(modulePath->c_str());
    }
    NoteRefusal(category, result);
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
