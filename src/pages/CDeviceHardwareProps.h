#pragma once
// The Hardware page: manufacturer, address, Bluetooth and firmware version of the radio.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CDeviceHardwareProps : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDeviceHardwareProps(PageServices&) : PropertyPage(IDD_HARDWARE) {}
};
