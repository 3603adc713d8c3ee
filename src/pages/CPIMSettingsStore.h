#pragma once
// The user's PIM settings: which PIM items the object push server accepts.
// The key is opened (or created and filled) when the store is constructed,
// which is when the sheet is built, and held until the store goes.  Without
// a key every switch reads 0 and every write does nothing.

#include <cstdint>
#include <string_view>

#include "settings/IRegistry.h"
#include "settings/RegKey.h"

enum class PimSwitch { AllowDevicesToSend, BusinessCards, CalendarItems, EmailMessages, Notes, MailAttachments };

class CPIMSettingsStore {
public:
    explicit CPIMSettingsStore(IRegistry& registry);

    // The stored value as read, any type; 0 when it cannot be read.
    std::uint32_t Get(PimSwitch which) const;
    void Set(PimSwitch which, std::uint32_t value);
    void SetFolderPath(std::u16string_view path);

private:
    void FillMissingValues();

    RegKey key_;
};
