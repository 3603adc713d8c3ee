#pragma once
// IDialogView over a real page window, and its control views.

#include <windows.h>

#include <map>

#include "pages/IDialogView.h"

class Win32ControlView final : public IControlView {
public:
    explicit Win32ControlView(HWND control) : control_(control) {}

    bool IsChecked() const override;
    void SetChecked(bool checked) override;
    Text260 GetText() const override;
    void SetText(std::u16string_view text) override;
    void Enable(bool enabled) override;
    void Show(bool shown) override;
    void LimitText(unsigned units) override;
    void SelectAllAndFocus() override;

private:
    HWND control_;
};

class Win32DialogView final : public IDialogView {
public:
    explicit Win32DialogView(HWND page) : page_(page) {}

    IControlView& Control(int id) override;
    void HideUnnamedChild(int n) override;
    void MarkChanged() override;
    void MarkUnchanged() override;
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override;

private:
    HWND page_;
    // One view per id, so that references handed out stay valid.
    std::map<int, Win32ControlView> controls_;
};
