#pragma once
// The settings sheet: owns the page objects and hands them to the system's
// property sheet, removes the context-help button, and centres the sheet over
// its owner the first time it is shown.

#include <windows.h>
#include <prsht.h>

#include <vector>

#include "applet/CpropertySheetInfo.h"
#include "applet/FixedText.h"
#include "locale/IStringTable.h"
#include "pages/CDevSCMSSettings.h"
#include "pages/CDeviceBthServices.h"
#include "pages/CDeviceCOMPortProps.h"
#include "pages/CDeviceGenProps.h"
#include "pages/CDeviceHardwareProps.h"
#include "pages/CFtpFileSharingDlg.h"
#include "pages/CPIMSettingProps.h"
#include "pages/PageServices.h"
#include "settings/IRegistry.h"

class CPlPropSheet : public CpropertySheetInfoRef {
public:
    CPlPropSheet(HWND parent, int startPage, PageServices& services);
    ~CPlPropSheet();
    CPlPropSheet(const CPlPropSheet&) = delete;
    CPlPropSheet& operator=(const CPlPropSheet&) = delete;

    // Adds the pages in tab order (Audio/Video only where the machine supports
    // content protection), sets the title and icon, and gives the pages the
    // record.  Runs before DoModal.
    void AddPages(IRegistry& registry, const IStringTable& strings);

    // Runs the sheet modally; `fallbackOwner` owns it when no parent was given.
    INT_PTR DoModal(HWND fallbackOwner);

    HWND Window() const { return window_; }

private:
    void AddPage(PropertyPage& page);
    void Subclass(HWND window);
    void CentreOver(HWND over);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::vector<HPROPSHEETPAGE> pages_;
    PROPSHEETHEADERW header_{};
    int startPage_;

    // Constructed in this order and destroyed in reverse.
    CDeviceGenProps general_;
    CDeviceHardwareProps hardware_;
    CDeviceBthServices bthServices_;
    CDeviceCOMPortProps comPorts_;
    CFtpFileSharingDlg fileSharing_;
    CDevSCMSSettings audioVideo_;
    CPIMSettingProps pim_;

    bool alreadyCentred_ = false;
    Text260 title_;
};
