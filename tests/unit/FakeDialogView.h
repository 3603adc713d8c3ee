#pragma once
// A page window for the unit tests: control states by id, and a record of
// what the page asked of the window and the shell.

#include <map>
#include <string>
#include <vector>

#include "pages/IDialogView.h"
#include "pages/PageServices.h"

struct ShownMessage {
    MessageOwner owner;
    std::u16string text;
    std::u16string caption;
    unsigned flags;
};

class FakeDialogView final : public IDialogView {
public:
    std::map<int, bool> checked;
    std::map<int, std::u16string> texts;
    std::map<int, bool> enabled;  // absent: enabled, as the templates have it
    std::map<int, bool> shown;    // absent: shown
    std::map<int, unsigned> limits;
    std::vector<int> hiddenUnnamed;
    std::vector<int> focused;
    int changed = 0, unchanged = 0;
    std::vector<ShownMessage> messages;

    bool IsChecked(int id) const override { return checked.count(id) && checked.at(id); }
    void SetChecked(int id, bool on) override { checked[id] = on; }
    Text260 GetText(int id) const override { return texts.count(id) ? Text260(texts.at(id)) : Text260(); }
    void SetText(int id, std::u16string_view text) override { texts[id] = text; }
    void Enable(int id, bool on) override { enabled[id] = on; }
    void Show(int id, bool on) override { shown[id] = on; }
    void LimitText(int id, unsigned units) override { limits[id] = units; }
    void SelectAllAndFocus(int id) override { focused.push_back(id); }
    void HideUnnamedChild(int n) override { hiddenUnnamed.push_back(n); }
    void MarkChanged() override { ++changed; }
    void MarkUnchanged() override { ++unchanged; }
    void ShowMessage(MessageOwner owner, std::u16string_view text, std::u16string_view caption,
                     unsigned flags) override {
        messages.push_back({owner, std::u16string(text), std::u16string(caption), flags});
    }

    bool IsEnabled(int id) const { return !enabled.count(id) || enabled.at(id); }
    bool IsShown(int id) const { return !shown.count(id) || shown.at(id); }
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
