#pragma once
// The My Bluetooth Services page: the computer's Bluetooth name and the fixed
// list of services it offers, built once when the page is first shown.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CDeviceBthServices : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDeviceBthServices(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    void OnHelp(IDialogView& view) override;
    bool OnNotify(IDialogView& view, const ControlNotification& notification) override;

private:
    PageServices& services_;
};
