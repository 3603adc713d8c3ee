// Every control of the pages that enable and disable controls, after each
// change that switches any: the controls a change governs follow it, and
// every other control of the page stays enabled.

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "PageFixture.h"

namespace {

using EnabledStatesTest = PageFixture;

TEST_F(EnabledStatesTest, OnlyTheGovernedControlsAreDisabledAfterEachChange) {
    SheetPages pages(services);
    for (const PageRow& row : pages.Rows())
        if (row.record) row.record->SetSheetInfo(&info);
    auto page = [&](unsigned id) -> PropertyPage& { return PageOf(pages, id); };
    auto click = [&](unsigned id, int control, bool checked) {
        view.Control(control).checked = checked;
        page(id).OnCommand(view, control);
    };
    auto open = [&](unsigned id) {
        view = FakeDialogView();
        page(id).OnInitDialog(view);
    };
    registry.PutKey(kUser, sys::kFileSharingKey);
    files.folders = {u"C:\\Share", u"C:\\Users\\Alice\\Pictures"};
    info.SetExchangeFolderPath(u"C:\\Share");
    info.SetStackAvailable(true);

    const std::set<int> sharingFolders = {IDC_EXCHANGE_FOLDER, IDC_EXCHANGE_BROWSE, IDC_IMAGING_FOLDER, IDC_IMAGING_BROWSE};
    const std::set<int> pimItems = {IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL, IDC_PIM_NOTES};
    const struct {
        unsigned page;
        const char* what;
        std::function<void()> change;
        std::set<int> disabled;
    } steps[] = {
        {IDD_GENERAL, "opened with the radio on", [&] { info.SetRadioOn(1); open(IDD_GENERAL); }, {}},
        {IDD_GENERAL, "opened with the radio off", [&] { info.SetRadioOn(0); open(IDD_GENERAL); }, {IDC_DISCOVERABLE}},
        {IDD_GENERAL, "radio ticked: discoverability waits for the next opening",
         [&] { click(IDD_GENERAL, IDC_RADIO_ON, true); }, {IDC_DISCOVERABLE}},
        {IDD_GENERAL, "defaults restored", [&] { page(IDD_GENERAL).OnCommand(view, IDC_RESTORE_DEFAULT); },
         {IDC_DISCOVERABLE}},
        {IDD_FILE_SHARING, "opened sharing", [&] { info.SetObexServersDisabled(0); open(IDD_FILE_SHARING); }, {}},
        {IDD_FILE_SHARING, "opened not sharing",
         [&] { info.SetObexServersDisabled(1); open(IDD_FILE_SHARING); }, sharingFolders},
        {IDD_FILE_SHARING, "sharing ticked", [&] { click(IDD_FILE_SHARING, IDC_SHARING_ENABLED, true); }, {}},
        {IDD_FILE_SHARING, "sharing cleared", [&] { click(IDD_FILE_SHARING, IDC_SHARING_ENABLED, false); },
         sharingFolders},
        {IDD_FILE_SHARING, "the servers refuse to stop: sharing stays on",
         [&] {
             info.SetObexServersDisabled(0);
             stack.results["ObexServersDeActivate"] = -1;
             page(IDD_FILE_SHARING).OnApply(view);
         },
         {}},
        {IDD_PIM_SETTINGS, "opened allowing", [&] { open(IDD_PIM_SETTINGS); }, {}},
        {IDD_PIM_SETTINGS, "allowing cleared", [&] { click(IDD_PIM_SETTINGS, IDC_PIM_ALLOW_SEND, false); }, pimItems},
        {IDD_PIM_SETTINGS, "allowing ticked", [&] { click(IDD_PIM_SETTINGS, IDC_PIM_ALLOW_SEND, true); }, {}},
    };
    const std::map<unsigned, std::vector<int>> controls = {
        {IDD_GENERAL, {IDC_DEVICE_NAME, IDC_RADIO_ON, IDC_DISCOVERABLE, IDC_CONNECTABLE, IDC_HIGH_SPEED,
                       IDC_PROXIMITY_PAIRING, IDC_HELP_LINK, IDC_RESTORE_DEFAULT}},
        {IDD_FILE_SHARING, {IDC_SHARING_ENABLED, IDC_EXCHANGE_FOLDER, IDC_EXCHANGE_BROWSE, IDC_OPEN_EXCHANGE_LINK,
                            IDC_IMAGING_FOLDER, IDC_IMAGING_BROWSE, IDC_OPEN_IMAGING_LINK}},
        {IDD_PIM_SETTINGS, {IDC_PIM_ALLOW_SEND, IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL,
                            IDC_PIM_NOTES, IDC_PIM_ATTACHMENTS, IDC_PIM_HELP_LINK}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        for (int id : controls.at(step.page)) EXPECT_EQ(view.Control(id).enabled, !step.disabled.contains(id)) << id;
    }
}

}  // namespace
