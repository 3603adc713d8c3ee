// The Control Panel protocol as a host drives it, against the real DLL.

#include "TestSupport.h"

#include <cpl.h>

namespace {

using CPlAppletFn = LONG(APIENTRY*)(HWND, UINT, LPARAM, LPARAM);

class ControlPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        cplApplet = applet.export_<CPlAppletFn>("CPlApplet");
        ASSERT_NE(cplApplet, nullptr);
    }

    LONG Send(UINT message, LPARAM item = 0, LPARAM data = 0) {
        return cplApplet(nullptr, message, item, data);
    }

    LoadedApplet applet;
    CPlAppletFn cplApplet = nullptr;
};

constexpr char kOneRunLog[] =
    "BtRegisterApplication(callback=set)\n"
    "BtOBEXRegisterApplication(callback=null)\n";

TEST_F(ControlPanelTest, InquireFillsTheItemDescriptionForItemZeroOnly) {
    CPLINFO info{}, untouched{-7, -7, -7, 77};
    EXPECT_EQ(Send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(std::tie(info.idIcon, info.idName, info.idInfo, info.lData), std::make_tuple(215, 102, 101, LONG_PTR{0}));
    EXPECT_EQ(Send(CPL_INQUIRE, 1, reinterpret_cast<LPARAM>(&untouched)), 1);
    EXPECT_EQ(std::tie(untouched.idIcon, untouched.lData), std::make_tuple(-7, LONG_PTR{77}));
    EXPECT_EQ(Send(CPL_INQUIRE, 0, 0), 1);
}

// Only item 0 runs the sheet.  Wine's host sends CPL_STARTWPARMSW with a null
// text when started without parameters and goes on to CPL_DBLCLK only when
// the answer is 0; a text names the zero-based start page.
TEST_F(ControlPanelTest, DoubleClickAndStartWithTextRunTheSheetForItemZeroOnly) {
    {
        SheetWatcher watcher;  // closes a sheet that opens by mistake, so the test fails instead of hanging
        EXPECT_EQ(Send(CPL_DBLCLK, 1), 1);
        EXPECT_EQ(Send(CPL_STARTWPARMSW, 0, 0), 0);
        EXPECT_EQ(Send(CPL_STARTWPARMSW, 1, reinterpret_cast<LPARAM>(L"2")), 0);
        EXPECT_FALSE(watcher.SawSheet());
    }
    EXPECT_EQ(StubLog(), "");

    const struct {
        UINT message;
        LPARAM text;
        LONG answer;
        LRESULT page;
    } runs[] = {{CPL_DBLCLK, 0, 0, 0}, {CPL_STARTWPARMSW, reinterpret_cast<LPARAM>(L"2"), 1, 2}};
    for (const auto& run : runs) {
        VmrStubReset();
        LRESULT openedOn = -1;
        {
            SheetWatcher watcher([&](HWND sheet) {
                openedOn = SendMessageW(PropSheet_GetTabControl(sheet), TCM_GETCURSEL, 0, 0);
            });
            EXPECT_EQ(Send(run.message, 0, run.text), run.answer);
        }
        EXPECT_EQ(openedOn, run.page);
        EXPECT_EQ(StubLog().rfind(kOneRunLog, 0), 0u) << StubLog();
        EXPECT_EQ(DrainQuitMessages(), 1);
    }
}

}  // namespace
