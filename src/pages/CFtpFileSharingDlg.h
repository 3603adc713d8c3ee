#pragma once
// The File Sharing page: the OBEX servers and the exchange and imaging folders.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CFtpFileSharingDlg : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CFtpFileSharingDlg(PageServices&) : PropertyPage(IDD_FILE_SHARING) {}
};
