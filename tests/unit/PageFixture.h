#pragma once
// What every page test needs: the fakes of the page's services, a record on
// the fake stack, and the page's window.

#include "FakeDialogView.h"
#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "applet/CpropertySheetInfo.h"

class PageFixture : public RegistryTest {
protected:
    FakeStack stack;
    CpropertySheetInfo info{&stack};
    FakeShell shell;
    FakeFileSystem files;
    PageServices services{stack, registry, strings, shell, files, folders};
    FakeDialogView view;
};

// The same with the page under test, over the record.
template <typename Page>
class PageTest : public PageFixture {
protected:
    PageTest() { page.SetSheetInfo(&info); }
    Page page{services};
};
