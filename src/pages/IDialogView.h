#pragma once
// A page's window as its logic sees it: its controls by id, its place in the
// sheet, and the message box.  The Win32 page host implements it over the
// real dialog; the unit tests use a fake.

#include <string_view>

#include "applet/FixedText.h"

// Message box flags the pages use.
constexpr unsigned kMessageOk = 0x00000000;         // MB_OK, no icon
constexpr unsigned kMessageError = 0x00000010;      // MB_ICONERROR with OK

// Who owns a message box: the page window, or no window at all.
enum class MessageOwner { Page, None };

class IDialogView {
public:
    virtual ~IDialogView() = default;

    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    // The control's text, at most 259 units.
    virtual Text260 GetText(int id) const = 0;
    virtual void SetText(int id, std::u16string_view text) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void Show(int id, bool shown) = 0;
    // The most UTF-16 units an edit box accepts, typed or pasted.
    virtual void LimitText(int id, unsigned units) = 0;
    // Selects the whole text of an edit box, scrolls the caret into view and
    // moves the focus there.
    virtual void SelectAllAndFocus(int id) = 0;
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
