#include "win32/Win32DialogView.h"

#include <prsht.h>

#include <string>

#include "win32/LangMessageBox.h"

namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// A control without an id has -1 in an extended template and 0xFFFF in a
// classic one.
bool IsUnnamed(HWND control) {
    int id = GetDlgCtrlID(control);
    return id == -1 || id == 0xFFFF;
}

}  // namespace

bool Win32DialogView::IsChecked(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }

void Win32DialogView::SetChecked(int id, bool checked) {
    CheckDlgButton(page_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

Text260 Win32DialogView::GetText(int id) const {
    Text260 text;
    GetDlgItemTextW(page_, id, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.capacity()));
    text.terminate();
    return text;
}

void Win32DialogView::SetText(int id, std::u16string_view text) {
    SetDlgItemTextW(page_, id, Wide(std::u16string(text)));
}

void Win32DialogView::Enable(int id, bool enabled) { EnableWindow(Control(id), enabled); }

void Win32DialogView::Show(int id, bool shown) { ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE); }

void Win32DialogView::LimitText(int id, unsigned units) {
    SendMessageW(Control(id), EM_LIMITTEXT, units, 0);
}

void Win32DialogView::SelectAllAndFocus(int id) {
    HWND edit = Control(id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SetFocus(edit);
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
