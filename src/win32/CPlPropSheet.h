#pragma once
// The settings sheet: owns the page objects and hands them to the system's
// property sheet, removes the context-help button, mirrors the sheet when the
// language's pages are mirrored, and centres the sheet over its owner the
// first time it is shown.

#include <windows.h>
#include <prsht.h>

#include <vector>

#include "applet/CpropertySheetInfo.h"
#include "base/FixedText.h"
#include "base/IStringTable.h"
#include "pages/PageServices.h"
#include "pages/SheetPages.h"
#include "settings/IRegistry.h"

class CPlPropSheet : public CpropertySheetInfoRef {
public:
    CPlPropSheet(HWND parent, int startPage, PageServices& services);
    ~CPlPropSheet();
    CPlPropSheet(const CPlPropSheet&) = delete;
    CPlPropSheet& operator=(const CPlPropSheet&) = delete;

    // Adds the pages of the page table in tab order, each under its
    // condition, sets the title and icon, and gives the pages the record.
    // Runs before DoModal.
    void AddPages(IRegistry& registry, const IStringTable& strings);

    // Runs the sheet modally; `fallbackOwner` owns it when no parent was given.
    INT_PTR DoModal(HWND fallbackOwner);

    // Whether a fault in one of the sheet's windows ended the run early.
    bool Faulted() const { return faulted_; }

private:
    friend void EndRunAfterFault() noexcept;

    void AddPage(PropertyPage& page);
    void Subclass(HWND window);
    void CentreOver(HWND over);
    void EndAfterFault();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam) noexcept;
    static LRESULT CALLBACK SheetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::vector<HPROPSHEETPAGE> pages_;
    PROPSHEETHEADERW header_{};
    int startPage_;
    SheetPages pageObjects_;
    bool alreadyCentred_ = false;
    bool faulted_ = false;
    bool mirrored_ = false;
    Text260 title_;
};
