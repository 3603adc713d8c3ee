#pragma once
// The PIM Settings page: which PIM items remote devices may push to this computer.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CPIMSettingProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CPIMSettingProps(PageServices&) : PropertyPage(IDD_PIM_SETTINGS) {}
};
