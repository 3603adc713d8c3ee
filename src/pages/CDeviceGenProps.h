#pragma once
// The General page: the radio's friendly name, radio on or off, discoverable,
// connectable, Bluetooth high speed and (hidden) proximity pairing, the
// machine defaults behind "Restore Default", and the page's help topic.

#include <cstdint>

#include "applet/CpropertySheetInfo.h"
#include "base/FixedText.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CDeviceGenProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDeviceGenProps(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnCommand(IDialogView& view, int controlId) override;
    bool OnApply(IDialogView& view) override;
    void OnHelp(IDialogView& view) override;
    bool OnNotify(IDialogView& view, const ControlNotification& notification) override;

private:
    Text260 InitialDeviceName() const;
    // The typed name without surrounding blanks; shows why and returns false
    // when nothing is left.
    bool CheckName(IDialogView& view);
    // Brings the radio or discoverable state to the wanted one; false after
    // showing the failure.
    bool ApplySwitch(IDialogView& view, int checkbox, std::int32_t& lastKnown,
                     std::int32_t (IBluetoothStack::*readStatus)(std::int32_t*),
                     void (CpropertySheetInfo::*store)(std::int32_t),
                     bool (CpropertySheetInfo::*toggle)(std::int32_t), const Text260& caption);
    bool ApplyName(IDialogView& view, const Text260& name, const Text260& caption);
    // The per-user registry part of the apply step; false when a key that
    // must be created could not be.
    bool StoreUserSettings(IDialogView& view, bool radioWanted, const Text260& name);
    void RestoreDefaults(IDialogView& view);

    PageServices& services_;
    std::int32_t lastKnownRadio_ = 0;
    std::int32_t lastKnownDiscoverable_ = 0;
};
