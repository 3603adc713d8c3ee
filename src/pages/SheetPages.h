#pragma once
// The page table: every page of the sheet, in one place.  The members are
// the page objects in the order they are constructed (and destroyed in
// reverse); Rows() lists them in tab order with the condition under which
// the sheet adds each one and whether it shares the run's record.  The sheet
// builds from this table and nothing else lists pages.

#include <array>

#include "applet/CpropertySheetInfo.h"
#include "pages/CDevSCMSSettings.h"
#include "pages/CDeviceBthServices.h"
#include "pages/CDeviceCOMPortProps.h"
#include "pages/CDeviceGenProps.h"
#include "pages/CDeviceHardwareProps.h"
#include "pages/CFtpFileSharingDlg.h"
#include "pages/CPIMSettingProps.h"
#include "pages/PageServices.h"

enum class PageCondition {
    Always,
    // Only where the machine supports SCMS-T content protection.
    ContentProtectionSupported,
};

struct PageRow {
    PropertyPage& page;
    PageCondition addedWhen;
    // Where the page takes the run's record; null for a page that keeps a
    // record of its own.  A page gets the record even when it is not added.
    CpropertySheetInfoRef* record;
};

class SheetPages {
public:
    explicit SheetPages(PageServices& services)
        : general_(services), hardware_(services), bthServices_(services), comPorts_(services),
          fileSharing_(services), audioVideo_(services), pim_(services) {}

    std::array<PageRow, 7> Rows() {
        return {{
            {general_, PageCondition::Always, &general_},
            {hardware_, PageCondition::Always, &hardware_},
            {bthServices_, PageCondition::Always, &bthServices_},
            {fileSharing_, PageCondition::Always, &fileSharing_},
            // The COM Ports page asks the stack itself and keeps its own record.
            {comPorts_, PageCondition::Always, nullptr},
            {audioVideo_, PageCondition::ContentProtectionSupported, &audioVideo_},
            {pim_, PageCondition::Always, &pim_},
        }};
    }

private:
    CDeviceGenProps general_;
    CDeviceHardwareProps hardware_;
    CDeviceBthServices bthServices_;
    CDeviceCOMPortProps comPorts_;
    CFtpFileSharingDlg fileSharing_;
    CDevSCMSSettings audioVideo_;
    CPIMSettingProps pim_;
};
