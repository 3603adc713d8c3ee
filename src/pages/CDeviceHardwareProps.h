#pragma once
// The Hardware page: manufacturer, address, Bluetooth and firmware version of
// the radio, from the sheet state record.  Read-only; Refresh fills the list
// again from the record as it is now.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CDeviceHardwareProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDeviceHardwareProps(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnCommand(IDialogView& view, int controlId) override;

private:
    void FillList(IDialogView& view);

    PageServices& services_;
};
