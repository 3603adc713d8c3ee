#include "pages/CPIMSettingsStore.h"

#include "settings/SettingsSchema.h"

namespace {

// In the order the values are filled, which is PimSwitch's.
constexpr const char16_t* kSwitchNames[] = {
    schema::kPimAllowDevicesToSend, schema::kPimBusinessCards, schema::kPimCalendarItems,
    schema::kPimEmailMessages,      schema::kPimNotes,         schema::kPimMailAttachments,
};

const char16_t* NameOf(PimSwitch which) { return kSwitchNames[static_cast<int>(which)]; }

}  // namespace

CPIMSettingsStore::CPIMSettingsStore(IRegistry& registry) : key_(registry) {
    if (key_.Open(RegistryRoot::CurrentUser, schema::kPimSettingsKey, reg::kReadWrite) ||
        key_.Create(RegistryRoot::CurrentUser, schema::kPimSettingsKey, reg::kReadWrite))
        FillMissingValues();
}

// Only values that are missing are written; one that cannot be read for any
// other reason is left as it is.  A missing switch gets 1, as every switch of
// a new user does.
void CPIMSettingsStore::FillMissingValues() {
    auto missing = [this](const char16_t* name) {
        std::uint32_t value = 0, size = sizeof value, type = 0;
        return key_.Query(name, &type, &value, &size) == reg::kFileNotFound;
    };
    for (const char16_t* name : kSwitchNames)
        if (missing(name)) key_.WriteDword(name, schema::kPimSwitchDefault);
    for (const char16_t* name : {schema::kPimFolderPath, schema::kPimDefContactItem})
        if (missing(name)) key_.WriteString(name, u"");
}

std::uint32_t CPIMSettingsStore::Get(PimSwitch which) const { return key_.ReadDword(NameOf(which), false).value_or(0); }

void CPIMSettingsStore::Set(PimSwitch which, std::uint32_t value) { key_.WriteDword(NameOf(which), value); }

void CPIMSettingsStore::SetFolderPath(std::u16string_view path) { key_.WriteString(schema::kPimFolderPath, path); }
