#pragma once
// The General page: the radio's name and its on, discoverable, connectable and high speed switches.

#include "applet/CpropertySheetInfo.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CDeviceGenProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    CDeviceGenProps() : PropertyPage(IDD_GENERAL) {}
};
