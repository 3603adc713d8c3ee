// The pages that show what the record and the stack say: Hardware, My
// Bluetooth Services, and the one switch of Audio/Video.

#include <gtest/gtest.h>

#include "PageFixture.h"
#include "pages/CDevSCMSSettings.h"
#include "pages/CDeviceBthServices.h"
#include "pages/CDeviceHardwareProps.h"

namespace {

class HardwarePageTest : public PageFixture {
protected:
    void SetUp() override {
        page.SetSheetInfo(&info);
        info.LocalDeviceInfo() = {0xDA7113, 0x7D, 0, 0x021A, {}, 3, 0};
        info.SetFirmwareVersionText(u"4135");
    }
    FakeListView& List() { return view.list(IDC_HARDWARE_LIST); }
    std::vector<std::u16string> Values() {
        std::vector<std::u16string> values;
        for (int row = 0; row < List().ItemCount(); ++row) values.push_back(List().Cell(row, 1));
        return values;
    }
    CDeviceHardwareProps page{services};
};

TEST_F(HardwarePageTest, ShowsTheRecordsFactsOnlyWhileTheStackIsThereAndTheRadioOn) {
    const std::u16string unavailable = TextOf(IDS_UNAVAILABLE), status = TextOf(IDS_DEVICE_UNAVAILABLE_STATUS);
    const std::u16string maker = TextOf(IDS_MANUFACTURER_NAME);
    const struct {
        bool available;
        int radio;
        std::u16string status;
        std::vector<std::u16string> values;
    } cases[] = {
        {true, 1, u"", {maker, u"02:1a:7d:da:71:13", u"2.0", u"4135"}},
        {true, 0, status, {maker, unavailable, unavailable, u""}},
        {false, 1, status, {maker, unavailable, unavailable, unavailable}},
    };
    page.OnInitDialog(view);
    for (const auto& c : cases) {
        info.SetStackAvailable(c.available);
        info.SetRadioOn(c.radio);
        view.control(IDC_HARDWARE_STATUS).text = u"stale";
        EXPECT_TRUE(page.OnCommand(view, IDC_HARDWARE_REFRESH));
        EXPECT_EQ(Values(), c.values) << c.available << c.radio;
        EXPECT_EQ(view.control(IDC_HARDWARE_STATUS).text, c.status);
    }
    EXPECT_EQ(List().Cell(3, 0), TextOf(IDS_FIRMWARE_VERSION));
    EXPECT_EQ(List().columns, (std::vector<std::pair<std::u16string, int>>{
                                  {TextOf(IDS_COLUMN_PROPERTY), 135}, {TextOf(IDS_COLUMN_VALUE), 190}}));
    EXPECT_EQ(view.changed, 0) << "Refresh changes nothing";
    EXPECT_TRUE(stack.calls.empty()) << "the record, not the stack";
}

TEST_F(HardwarePageTest, VersionsAboveSixAreUnknown) {
    info.SetStackAvailable(true);
    info.SetRadioOn(1);
    const std::u16string texts[] = {u"1.0", u"1.1", u"1.2", u"2.0", u"2.1", u"3.0", u"4.0", TextOf(IDS_UNKNOWN_VERSION)};
    for (std::uint16_t version : {0, 1, 2, 3, 4, 5, 6, 7, 65535}) {
        info.LocalDeviceInfo().btVersion = version;
        page.OnInitDialog(view);
        EXPECT_EQ(List().Cell(2, 1), texts[std::min<std::uint16_t>(version, 7)]) << version;
    }
}

class ServicesPageTest : public PageFixture {
protected:
    void SetUp() override {
        page.SetSheetInfo(&info);
        info.SetStackAvailable(true);
        info.SetRadioOn(1);
    }
    FakeListView& List() { return view.list(IDC_SERVICES_LIST); }
    std::u16string Name() { return view.control(IDC_SERVICES_DEVICE_NAME).text; }
    CDeviceBthServices page{services};
};

TEST_F(ServicesPageTest, ListsTheFifteenServicesInTableOrderAndTheStacksName) {
    stack.friendlyName = "Caf\xC3\xA9";
    page.OnInitDialog(view);
    const std::pair<unsigned, unsigned> rows[] = {{138, 139}, {118, 119}, {121, 122}, {127, 128}, {123, 124},
                                                  {125, 126}, {130, 131}, {132, 133}, {134, 135}, {160, 161},
                                                  {187, 188}, {183, 184}, {185, 186}, {120, 223}, {189, 190}};
    ASSERT_EQ(List().ItemCount(), 15);
    for (int row = 0; row < 15; ++row) {
        EXPECT_EQ(List().Cell(row, 0), TextOf(rows[row].first)) << row;
        EXPECT_EQ(List().Cell(row, 1), TextOf(rows[row].second)) << row;
    }
    EXPECT_EQ(List().columns, (std::vector<std::pair<std::u16string, int>>{
                                  {TextOf(IDS_COLUMN_PROFILE), 135}, {TextOf(IDS_COLUMN_DESCRIPTION), 220}}));
    EXPECT_EQ(Name(), u"Caf\u00E9") << "asked afresh, not the record's copy";
    EXPECT_EQ(stack.calls, std::vector<std::string>{"GetDeviceFriendlyName"});
}

TEST_F(ServicesPageTest, WithoutTheStackOrItsNameTheUnavailableTextsShow) {
    const struct {
        const char* what;
        bool available;
        int radio;
        std::int32_t nameResult;
        int rows;
    } cases[] = {
        {"no stack", false, 1, 0, 1},
        {"radio off", true, 0, 0, 15},
        {"name refused", true, 1, -1, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        info.SetStackAvailable(c.available);
        info.SetRadioOn(c.radio);
        stack.results["GetDeviceFriendlyName"] = c.nameResult;
        page.OnInitDialog(view);
        EXPECT_EQ(List().ItemCount(), c.rows) << "the list is built anew";
        EXPECT_EQ(Name(), TextOf(IDS_DEVICE_NAME_UNAVAILABLE));
        EXPECT_EQ(stack.Called("GetDeviceFriendlyName"), c.nameResult != 0) << "asked only with stack and radio";
        stack.calls.clear();
    }
    EXPECT_EQ(List().Cell(0, 0), TextOf(IDS_PROFILE_HID_HOST));
    info.SetStackAvailable(false);
    page.OnInitDialog(view);
    EXPECT_EQ(List().Cell(0, 0), TextOf(IDS_NOT_AVAILABLE));
    EXPECT_EQ(List().Cell(0, 1), TextOf(IDS_NOT_AVAILABLE));
}

TEST_F(ServicesPageTest, ALongNameWithoutItsZeroIsCutInsideTheBuffer) {
    stack.friendlyName = std::string(300, 'n');  // the fake fills all 260 bytes
    page.OnInitDialog(view);
    EXPECT_EQ(Name(), std::u16string(259, u'n'));
}

TEST_F(ServicesPageTest, LinksAndHelpOpenTheirTopicsAndListClicksDoNothing) {
    const std::u16string services = TextOf(IDS_TOPIC_SUPPORTED_SERVICES);
    EXPECT_TRUE(page.OnNotify(view, {.controlId = IDC_SERVICES_HELP_LINK, .code = NotifyCode::Click}));
    EXPECT_TRUE(page.OnNotify(view, {.controlId = IDC_LOW_ENERGY_HELP_LINK, .code = NotifyCode::Return}));
    EXPECT_TRUE(page.OnNotify(view, {.controlId = IDC_SERVICES_LIST, .code = NotifyCode::Click}));
    EXPECT_FALSE(page.OnNotify(view, {.controlId = IDC_SERVICES_LIST, .code = NotifyCode::ItemChanged}));
    page.OnHelp(view);
    const std::u16string format = TextOf(IDS_HELP_FOLDER_FORMAT);
    EXPECT_EQ(shell.helpOpened, (std::vector<std::pair<std::u16string, std::u16string>>{
                                    {services, format}, {u"faq-blefob.html", format}, {services, format}}));
}

class AudioVideoPageTest : public PageFixture {
protected:
    void SetUp() override { page.SetSheetInfo(&info); }
    CDevSCMSSettings page{services};
};

// Every apply passes the box to the stack, changed or not and whatever the
// stack's availability says.
TEST_F(AudioVideoPageTest, ApplyStoresAndSendsTheBoxEveryTime) {
    info.SetContentProtectionOn(true);
    page.OnInitDialog(view);
    EXPECT_TRUE(view.control(IDC_CONTENT_PROTECTION).checked);
    EXPECT_TRUE(page.OnApply(view));
    view.control(IDC_CONTENT_PROTECTION).checked = false;
    stack.results["SetScmstValue"] = -1;
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_EQ(stack.scmstSent, (std::vector<bool>{true, false}));
    EXPECT_FALSE(info.GetContentProtectionOn());
}

}  // namespace
