#pragma once
// The COM Ports page: the stack's virtual serial ports.  It asks the stack
// itself and does not see the shared sheet state: its record base is a
// default-constructed record of its own that it never fills or reads.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CDeviceCOMPortProps : public PropertyPage, public CpropertySheetInfo {
public:
    explicit CDeviceCOMPortProps(PageServices&) : PropertyPage(IDD_COM_PORTS) {}
};
