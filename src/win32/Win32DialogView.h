#pragma once
// IDialogView over a real page window.

#include <windows.h>

#include "pages/IDialogView.h"

class Win32DialogView final : public IDialogView {
public:
    explicit Win32DialogView(HWND page) : page_(page) {}

    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    Text260 GetText(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    void Enable(int id, bool enabled) override;
    void Show(int id, bool shown) override;
    void LimitText(int id, unsigned units) override;
    void SelectAllAndFocus(int id) override;
    void HideUnnamedChild(int n) override;
    void MarkChanged() override;
    void MarkUnchanged() override;
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override;

private:
    HWND Control(int id) const { return GetDlgItem(page_, id); }

    HWND page_;
};
