#pragma once
// What every page test needs: the fakes of the page's services, a record on
// the fake stack, and the page's window.

#include "FakeDialogView.h"
#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "applet/CpropertySheetInfo.h"
#include "pages/SheetPages.h"

#include <initializer_list>
#include <stdexcept>

class PageFixture : public RegistryTest {
protected:
    FakeStack stack;
    CpropertySheetInfo info{&stack};
    FakeShell shell;
    FakeFileSystem files;
    PageServices services{stack, registry, strings, shell, files, folders};
    FakeDialogView view;

    // The next case of a table starts as the test did: a fresh registry,
    // stack and window, set up again.
    void Fresh() {
        registry = MemoryRegistry();
        stack = FakeStack();
        view = FakeDialogView();
        SetUp();
    }
    FakeControl& Control(int id) { return view.Control(id); }
    std::vector<bool> Checks(std::initializer_list<int> ids) { return States(ids, &FakeControl::checked); }
    std::vector<bool> Enabled(std::initializer_list<int> ids) { return States(ids, &FakeControl::enabled); }
    std::vector<bool> States(std::initializer_list<int> ids, bool FakeControl::*state) {
        std::vector<bool> states;
        for (int id : ids) states.push_back(Control(id).*state);
        return states;
    }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& message : view.messages) texts.push_back(message.text);
        return texts;
    }
};

// A page of the page table by its template id.
inline PropertyPage& PageOf(SheetPages& pages, unsigned templateId) {
    for (const PageRow& row : pages.Rows())
        if (row.page.TemplateId() == templateId) return row.page;
    throw std::logic_error("no page of that template");
}

// The same with the page under test, over the record: opened with a clean
// record of calls and messages.
template <typename Page>
class PageTest : public PageFixture {
protected:
    PageTest() { page.SetSheetInfo(&info); }
    void Open() {
        page.OnInitDialog(view);
        stack.calls.clear();
        view.messages.clear();
    }
    Page page{services};
};
