#pragma once
// A page window for the unit tests: controls by id, created on first use
// with the state the templates give them, and a record of what the page
// asked of the window and the shell.

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pages/IDialogView.h"
#include "pages/PageServices.h"

struct FakeControl final : IControlView {
    bool checked = false, enabled = true, shown = true, pathBox = false;
    std::u16string text;
    unsigned limit = 0;
    int focused = 0;

    bool IsChecked() const override { return checked; }
    void SetChecked(bool on) override { checked = on; }
    Text260 GetText() const override { return Text260(text); }
    void SetText(std::u16string_view value) override { text = value; }
    void Enable(bool on) override { enabled = on; }
    void Show(bool on) override { shown = on; }
    void LimitText(unsigned units) override { limit = units; }
    void SelectAllAndFocus() override { ++focused; }
    void MakePathBox() override { pathBox = true; }
};

struct FakeListView final : IListView {
    struct Row {
        std::map<int, std::u16string> cells;  // by column
        std::intptr_t data = 0;
    };
    std::vector<Row> rows;
    int selected = -1;

    // The row at an index the list has; a list view ignores any other index.
    const Row* At(int item) const { return item >= 0 && item < ItemCount() ? &rows[item] : nullptr; }
    Row* At(int item) { return const_cast<Row*>(std::as_const(*this).At(item)); }
    std::u16string Cell(int row, int column) const { return std::u16string(SubItemText(row, column).view()); }
    std::vector<std::u16string> Column(int column) const {
        std::vector<std::u16string> cells;
        for (int row = 0; row < ItemCount(); ++row) cells.push_back(Cell(row, column));
        return cells;
    }

    void InsertColumn(int, std::u16string_view, int) override {}
    void AddExtendedStyle(std::uint32_t) override {}
    int ItemCount() const override { return static_cast<int>(rows.size()); }
    void DeleteAllItems() override { rows.clear(), selected = -1; }
    int InsertItem(int item, std::u16string_view text) override {
        item = std::clamp(item, 0, ItemCount());
        rows.insert(rows.begin() + item, Row{{{0, std::u16string(text)}}});
        return item;
    }
    void SetItemData(int item, std::intptr_t data) override {
        if (Row* row = At(item)) row->data = data;
    }
    void SetSubItemText(int item, int column, std::u16string_view text) override {
        if (Row* row = At(item)) row->cells[column] = text;
    }
    int SelectedItem() const override { return selected; }
    std::optional<std::intptr_t> ItemData(int item) const override {
        return At(item) ? std::optional(At(item)->data) : std::nullopt;
    }
    Text260 SubItemText(int item, int column) const override {
        const Row* row = At(item);
        return row && row->cells.count(column) ? Text260(row->cells.at(column)) : Text260();
    }
};

struct FakeFolderShell final : IFolderShell {
    std::optional<Text260> chosen;  // what the user picks in the dialog
    std::vector<std::pair<std::u16string, std::u16string>> browsed;  // title, initial
    std::vector<std::u16string> opened;

    std::optional<Text260> BrowseForFolder(std::u16string_view title, std::u16string_view initial) override {
        browsed.emplace_back(title, initial);
        return chosen;
    }
    void OpenFolder(std::u16string_view path) override { opened.emplace_back(path); }
};

struct ShownMessage {
    MessageOwner owner;
    std::u16string text, caption;
    unsigned flags;
    bool operator==(const ShownMessage&) const = default;
};

struct FakeDialogView final : IDialogView {
    std::map<int, FakeControl> controls;
    std::map<int, FakeListView> lists;
    FakeFolderShell folderShell;
    std::vector<int> hiddenUnnamed;
    int changed = 0, unchanged = 0;
    std::vector<ShownMessage> messages;

    FakeControl& Control(int id) override { return controls[id]; }
    FakeListView& ListView(int id) override { return lists[id]; }
    IFolderShell& FolderShell() override { return folderShell; }
    void HideUnnamedChild(int n) override { hiddenUnnamed.push_back(n); }
    void MarkChanged() override { ++changed; }
    void MarkUnchanged() override { ++unchanged; }
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override {
        messages.push_back({owner, std::u16string(text), std::u16string(caption), flags});
    }
};

struct FakeShell final : IShell {
    std::vector<std::pair<std::u16string, std::u16string>> helpOpened;  // topic, format

    void OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) override {
        helpOpened.emplace_back(topic, folderFormat);
    }
    Text260 ComputerName() override { return Text260(u"WORKSTATION"); }
};
