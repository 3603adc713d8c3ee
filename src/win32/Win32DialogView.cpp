#include "win32/Win32DialogView.h"

#include <commctrl.h>
#include <prsht.h>
#include <shlwapi.h>

#include <string>

#include "win32/LangMessageBox.h"
#include "win32/WideText.h"

namespace {

// A control without an id has -1 in an extended template and 0xFFFF in a
// classic one.
bool IsUnnamed(HWND control) {
    int id = GetDlgCtrlID(control);
    return id == -1 || id == 0xFFFF;
}

// The item structure of a text: the list copies the text during the call.
LVITEMW TextItem(int item, int column, std::u16string& text) {
    LVITEMW entry{};
    entry.mask = LVIF_TEXT;
    entry.iItem = item;
    entry.iSubItem = column;
    entry.pszText = Wide(text.data());
    return entry;
}

}  // namespace

bool Win32ControlView::IsChecked() const {
    return SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32ControlView::SetChecked(bool checked) {
    SendMessageW(control_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text260 Win32ControlView::GetText() const {
    Text260 text;
    GetWindowTextW(control_, Wide(text.data()), static_cast<int>(text.capacity()));
    text.terminate();
    return text;
}

void Win32ControlView::SetText(std::u16string_view text) {
    SetWindowTextW(control_, Wide(std::u16string(text)));
}

void Win32ControlView::Enable(bool enabled) { EnableWindow(control_, enabled); }

void Win32ControlView::Show(bool shown) { ShowWindow(control_, shown ? SW_SHOW : SW_HIDE); }

void Win32ControlView::LimitText(unsigned units) { SendMessageW(control_, EM_LIMITTEXT, units, 0); }

void Win32ControlView::SelectAllAndFocus() {
    SendMessageW(control_, EM_SETSEL, 0, -1);
    SendMessageW(control_, EM_SCROLLCARET, 0, 0);
    SetFocus(control_);
}

void Win32ListView::InsertColumn(int column, std::u16string_view header, int width) {
    std::u16string text(header);
    LVCOLUMNW entry{};
    entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    entry.fmt = LVCFMT_LEFT;
    entry.cx = width;
    entry.pszText = Wide(text.data());
    SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
}

void Win32ListView::AddExtendedStyle(std::uint32_t style) {
    LRESULT current = SendMessageW(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, current | style);
}

int Win32ListView::ItemCount() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

void Win32ListView::DeleteAllItems() { SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0); }

int Win32ListView::InsertItem(int item, std::u16string_view text) {
    std::u16string copy(text);
    LVITEMW entry = TextItem(item, 0, copy);
    return static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry)));
}

void Win32ListView::SetItemData(int item, std::intptr_t data) {
    LVITEMW entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    entry.lParam = data;
    SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

void Win32ListView::SetSubItemText(int item, int column, std::u16string_view text) {
    std::u16string copy(text);
    LVITEMW entry = TextItem(item, column, copy);
    SendMessageW(list_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

int Win32ListView::SelectedItem() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::optional<std::intptr_t> Win32ListView::ItemData(int item) const {
    LVITEMW entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    if (!SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return std::nullopt;
    return entry.lParam;
}

Text260 Win32ListView::SubItemText(int item, int column) const {
    Text260 text;
    LVITEMW entry{};
    entry.iSubItem = column;
    entry.pszText = Wide(text.data());
    entry.cchTextMax = static_cast<int>(text.capacity());
    SendMessageW(list_, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
    text.terminate();
    return text;
}

// A box inherits its page's mirroring, and Wine then lays a path's runs out
// right to left even without WS_EX_RTLREADING: the box keeps its place but
// draws unmirrored.
void Win32ControlView::MakePathBox() {
    SHAutoComplete(control_, SHACF_FILESYSTEM | SHACF_AUTOSUGGEST_FORCE_ON | SHACF_AUTOAPPEND_FORCE_ON);
    const LONG_PTR extended = GetWindowLongPtrW(control_, GWL_EXSTYLE);
    SetWindowLongPtrW(control_, GWL_EXSTYLE, extended & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL | WS_EX_RTLREADING));
}

IControlView& Win32DialogView::Control(int id) {
    return controls_.try_emplace(id, GetDlgItem(page_, id)).first->second;
}

IListView& Win32DialogView::ListView(int id) {
    return lists_.try_emplace(id, GetDlgItem(page_, id)).first->second;
}

void Win32DialogView::HideUnnamedChild(int n) {
    for (HWND child = GetWindow(page_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsUnnamed(child) && --n == 0) {
            ShowWindow(child, SW_HIDE);
            return;
        }
    }
}

void Win32DialogView::MarkChanged() {
    SendMessageW(GetParent(page_), PSM_CHANGED, reinterpret_cast<WPARAM>(page_), 0);
}

void Win32DialogView::MarkUnchanged() {
    SendMessageW(GetParent(page_), PSM_UNCHANGED, reinterpret_cast<WPARAM>(page_), 0);
}

void Win32DialogView::ShowMessage(MessageOwner owner, std::u16string_view text,
                                  std::u16string_view caption, unsigned flags) {
    LangMessageBox(owner == MessageOwner::Page ? page_ : nullptr, std::u16string(text).c_str(),
                   std::u16string(caption).c_str(), flags);
}
