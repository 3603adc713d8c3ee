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
    void MakePathBox() override;

private:
    HWND control_;
};

class Win32FolderShell final : public IFolderShell {
public:
    explicit Win32FolderShell(HWND page) : page_(page) {}

    std::optional<Text260> BrowseForFolder(std::u16string_view title, std::u16string_view initial) override;
    void OpenFolder(std::u16string_view path) override;

private:
    HWND page_;
};

class Win32ListView final : public IListView {
public:
    explicit Win32ListView(HWND list) : list_(list) {}

    void InsertColumn(int column, std::u16string_view header, int width) override;
    void AddExtendedStyle(std::uint32_t style) override;
    int ItemCount() const override;
    void DeleteAllItems() override;
    int InsertItem(int item, std::u16string_view text) override;
    void SetItemData(int item, std::intptr_t data) override;
    void SetSubItemText(int item, int column, std::u16string_view text) override;
    int SelectedItem() const override;
    std::optional<std::intptr_t> ItemData(int item) const override;
    Text260 SubItemText(int item, int column) const override;

private:
    HWND list_;
};

class Win32DialogView final : public IDialogView {
public:
    explicit Win32DialogView(HWND page) : page_(page), folderShell_(page) {}

    IControlView& Control(int id) override;
    IListView& ListView(int id) override;
    IFolderShell& FolderShell() override { return folderShell_; }
    void HideUnnamedChild(int n) override;
    void MarkChanged() override;
    void MarkUnchanged() override;
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override;

private:
    HWND page_;
    // One view per id, so that references handed out stay valid.
    std::map<int, Win32ControlView> controls_;
    std::map<int, Win32ListView> lists_;
    Win32FolderShell folderShell_;
};
