#pragma once
// One control of a page window, reached by its id through the page's
// IDialogView.  Each kind of control has a small view of its own, so a page
// that needs a new kind adds a view without touching the pages that do not.

#include <string_view>

#include "base/FixedText.h"

// Buttons, checkboxes, edit boxes and static texts: whatever has a text, a
// check state and a place on the page.
class IControlView {
public:
    virtual ~IControlView() = default;

    virtual bool IsChecked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    // At most 259 units.
    virtual Text260 GetText() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
    virtual void Enable(bool enabled) = 0;
    virtual void Show(bool shown) = 0;
    // The most UTF-16 units an edit box accepts, typed or pasted.
    virtual void LimitText(unsigned units) = 0;
    // Selects the whole text of an edit box, scrolls the caret into view and
    // moves the focus there.
    virtual void SelectAllAndFocus() = 0;
};
