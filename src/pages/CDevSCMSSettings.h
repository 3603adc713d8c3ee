#pragma once
// The Audio/Video page: SCMS-T content protection, on machines that support
// it.  Its apply step passes the switch to the stack every time, changed or
// not, once the page has been shown.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"

class CDevSCMSSettings : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDevSCMSSettings(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnApply(IDialogView& view) override;

private:
    PageServices& services_;
};
