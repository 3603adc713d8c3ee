#pragma once
// A page's window as its logic sees it: its controls by id, its place in the
// sheet, and the message box.  The Win32 page host implements it over the
// real dialog; the unit tests use a fake.

#include <string_view>

#include "pages/ControlViews.h"

// Message box flags the pages use.
constexpr unsigned kMessageOk = 0x00000000;         // MB_OK, no icon
constexpr unsigned kMessageError = 0x00000010;      // MB_ICONERROR with OK

// Who owns a message box: the page window, or no window at all.
enum class MessageOwner { Page, None };

class IDialogView {
public:
    virtual ~IDialogView() = default;

    // The control with this id; each view stays valid as long as this object.
    virtual IControlView& Control(int id) = 0;
    virtual IListView& ListView(int id) = 0;
    virtual IFolderShell& FolderShell() = 0;
    // Hides the n-th (1-based) child window without a control id, counted in
    // template order.
    virtual void HideUnnamedChild(int n) = 0;

    // Enables or disables the sheet's Apply button for this page.
    virtual void MarkChanged() = 0;
    virtual void MarkUnchanged() = 0;

    // Through the language-aware message box.
    virtual void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                             unsigned flags) = 0;
};
