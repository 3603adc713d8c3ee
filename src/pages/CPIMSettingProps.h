#pragma once
// The PIM Settings page: whether remote devices may push PIM items to this
// computer, which kinds, and whether e-mail attachments come along.

#include "applet/CpropertySheetInfo.h"
#include "pages/CPIMSettingsStore.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CPIMSettingProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CPIMSettingProps(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnCommand(IDialogView& view, int controlId) override;
    bool OnNotify(IDialogView& view, const ControlNotification& notification) override;
    bool OnApply(IDialogView& view) override;

private:
    void LoadControls(IDialogView& view);
    void EnableItems(IDialogView& view, bool enabled);

    PageServices& services_;
    CPIMSettingsStore store_;
};
