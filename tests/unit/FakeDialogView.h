#pragma once
// A page window for the unit tests: controls by id, created on first use
// with the state the templates give them, and a record of what the page
// asked of the window and the shell.

#include <map>
#include <string>
#include <vector>

#include "pages/IDialogView.h"
#include "pages/PageServices.h"

struct FakeControl final : IControlView {
    bool checked = false;
    std::u16string text;
    bool enabled = true;
    bool shown = true;
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
};

struct ShownMessage {
    MessageOwner owner;
    std::u16string text;
    std::u16string caption;
    unsigned flags;
};

class FakeDialogView final : public IDialogView {
public:
    std::map<int, FakeControl> controls;
    std::vector<int> hiddenUnnamed;
    int changed = 0, unchanged = 0;
    std::vector<ShownMessage> messages;

    FakeControl& control(int id) { return controls[id]; }

    IControlView& Control(int id) override { return controls[id]; }
    void HideUnnamedChild(int n) override { hiddenUnnamed.push_back(n); }
    void MarkChanged() override { ++changed; }
    void MarkUnchanged() override { ++unchanged; }
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override {
        messages.push_back({owner, std::u16string(text), std::u16string(caption), flags});
    }
};

class FakeShell final : public IShell {
public:
    std::u16string computerName = u"WORKSTATION";
    std::vector<std::pair<std::u16string, std::u16string>> helpOpened;  // topic, format

    void OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) override {
        helpOpened.emplace_back(topic, folderFormat);
    }
    Text260 ComputerName() override { return Text260(computerName); }
};
