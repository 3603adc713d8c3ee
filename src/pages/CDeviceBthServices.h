#pragma once
// The My Bluetooth Services page: the computer's Bluetooth name and the services it offers.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CDeviceBthServices : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDeviceBthServices(PageServices&) : PropertyPage(IDD_BTH_SERVICES) {}
};
