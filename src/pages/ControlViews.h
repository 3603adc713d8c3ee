#pragma once
// One control of a page window, reached by its id through the page's
// IDialogView.  Each kind of control has a small view of its own, so a page
// that needs a new kind adds a view without touching the pages that do not.

#include <cstdint>
#include <optional>
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
    // Makes an edit box one for a file system path: the shell completes what
    // is typed, and it reads left to right in a mirrored page too, as a path
    // is written.
    virtual void MakePathBox() = 0;
};

// A list view in report mode.  Items and columns are addressed by index;
// every column is left aligned.
class IListView {
public:
    virtual ~IListView() = default;

    virtual void InsertColumn(int column, std::u16string_view header, int width) = 0;
    // Adds the bits to the list's extended style, keeping the others.
    virtual void AddExtendedStyle(std::uint32_t style) = 0;

    virtual int ItemCount() const = 0;
    virtual void DeleteAllItems() = 0;
    // Inserts an item with the text of its first column; its index, or -1.
    virtual int InsertItem(int item, std::u16string_view text) = 0;
    virtual void SetItemData(int item, std::intptr_t data) = 0;
    virtual void SetSubItemText(int item, int column, std::u16string_view text) = 0;

    // The first selected item, or -1.
    virtual int SelectedItem() const = 0;
    // None when the item cannot be read.
    virtual std::optional<std::intptr_t> ItemData(int item) const = 0;
    // At most 259 units.
    virtual Text260 SubItemText(int item, int column) const = 0;
};

// The shell's folder operations on behalf of the page window.
class IFolderShell {
public:
    virtual ~IFolderShell() = default;

    // The shell's folder dialog, owned by the page, with `title` above the
    // tree and `initial` (when not empty) selected and expanded.  The file
    // system path of the chosen folder; none when the user cancelled or the
    // folder has no such path.
    virtual std::optional<Text260> BrowseForFolder(std::u16string_view title, std::u16string_view initial) = 0;
    // Opens a folder window on `path`, owned by the sheet.
    virtual void OpenFolder(std::u16string_view path) = 0;
};
