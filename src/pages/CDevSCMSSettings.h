#pragma once
// The Audio/Video page: SCMS-T content protection, on machines that support it.

#include "applet/CpropertySheetInfo.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "res/resource.h"

class CDevSCMSSettings : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CDevSCMSSettings(PageServices&) : PropertyPage(IDD_AUDIO_VIDEO) {}
};
