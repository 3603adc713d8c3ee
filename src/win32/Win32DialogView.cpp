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

bool Win32ControlView::IsChecked() const {
    return SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32ControlView::SetChecked(bool checked) {
    SendMessageW(control_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text260 Win32ControlView::GetText() const {
    Text260 text;
    GetWindowTextW(control_, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.capacity()));
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

IControlView& Win32DialogView::Control(int id) {
    return controls_.try_emplace(id, GetDlgItem(page_, id)).first->second;
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
