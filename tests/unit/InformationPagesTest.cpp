// The pages that show what the record and the stack say: Hardware, My
// Bluetooth Services, and the one switch of Audio/Video.

#include "PageFixture.h"
#include "pages/CDevSCMSSettings.h"
#include "pages/CDeviceBthServices.h"
#include "pages/CDeviceHardwareProps.h"
#include "settings/RadioSettings.h"

namespace {

class HardwarePageTest : public PageTest<CDeviceHardwareProps> {
protected:
    void SetUp() override {
        info.LocalDeviceInfo() = {0xFFDA7113, 0x7D, 0, 0x021A, {}, 6, 0};  // the LAP's top byte is no part of it
        info.SetFirmwareVersionText(u"4135");
    }
    FakeListView& List() { return view.ListView(IDC_HARDWARE_LIST); }
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
        {false, 1, status, {maker, unavailable, unavailable, unavailable}},
        {true, 0, status, {maker, unavailable, unavailable, u""}},
        {true, 1, u"", {maker, u"02:1a:7d:da:71:13", u"4.0", u"4135"}},
    };
    page.OnInitDialog(view);
    for (const auto& c : cases) {
        info.SetStackAvailable(c.available);
        info.SetRadioOn(c.radio);
        Control(IDC_HARDWARE_STATUS).text = u"stale";
        EXPECT_TRUE(page.OnCommand(view, IDC_HARDWARE_REFRESH));
        EXPECT_EQ(List().Column(1), c.values) << c.available << c.radio;
        EXPECT_EQ(Control(IDC_HARDWARE_STATUS).text, c.status);
    }
    info.LocalDeviceInfo().btVersion = 7;  // any version after 4.0
    page.OnCommand(view, IDC_HARDWARE_REFRESH);
    EXPECT_EQ(List().Cell(2, 1), TextOf(IDS_UNKNOWN_VERSION));
    EXPECT_EQ(List().Cell(3, 0), TextOf(IDS_FIRMWARE_VERSION));
    EXPECT_EQ(view.changed, 0) << "Refresh changes nothing";
    EXPECT_TRUE(stack.calls.empty()) << "the record, not the stack";
}

class ServicesPageTest : public PageTest<CDeviceBthServices> {
protected:
    FakeListView& List() { return view.ListView(IDC_SERVICES_LIST); }
};

// The fifteen services with the stack there, else one row that says it is
// not; the stack's name is asked afresh, and only with the stack there and
// the radio on.
TEST_F(ServicesPageTest, ListsTheFifteenServicesAndTheStacksNameElseTheUnavailableTexts) {
    stack.friendlyName = "Caf\xC3\xA9" + std::string(252, 'n') + "\xE2\x82\xAC";  // all 260 bytes, no zero
    const std::u16string unavailable = TextOf(IDS_DEVICE_NAME_UNAVAILABLE), na = TextOf(IDS_NOT_AVAILABLE);
    const struct {
        const char* what;
        bool available;
        int radio;
        std::int32_t nameResult;
        int rows;
        std::u16string name;
    } cases[] = {
        {"radio off", true, 0, 0, 15, unavailable},
        {"name refused", true, 1, -1, 15, unavailable},
        {"no stack", false, 1, 0, 1, unavailable},
        // The stack's name, ended by its field.
        {"stack and radio", true, 1, 0, 15, u"Caf\u00E9" + std::u16string(252, u'n') + u"\u20AC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        info.SetStackAvailable(c.available);
        info.SetRadioOn(c.radio);
        stack.results["GetDeviceFriendlyName"] = c.nameResult;
        stack.calls.clear();
        page.OnInitDialog(view);
        EXPECT_EQ(List().ItemCount(), c.rows) << "the list is built anew";
        EXPECT_EQ(Control(IDC_SERVICES_DEVICE_NAME).text, c.name);
        EXPECT_EQ(stack.calls, c.available && c.radio ? std::vector<std::string>{"GetDeviceFriendlyName"}
                                                      : std::vector<std::string>());
        if (!c.available) {
            EXPECT_EQ(std::tuple(List().Cell(0, 0), List().Cell(0, 1)), std::tuple(na, na));
        }
    }
}

using AudioVideoPageTest = PageTest<CDevSCMSSettings>;

// The sheet adds the page only when the machine says exactly 1.
TEST_F(AudioVideoPageTest, IsAddedOnlyWhenTheMachineSaysExactlyOne) {
    EXPECT_FALSE(IsScmstSupported(registry)) << "no key";
    for (std::uint32_t value : {0u, 2u, 1u}) {
        registry.PutDword(kMachine, sys::kMachineDefaultKey, sys::kIsScmstSupported, value);
        EXPECT_EQ(IsScmstSupported(registry), value == 1) << value;
    }
}

// Every apply passes the box to the stack, changed or not and whatever the
// stack's availability says.
TEST_F(AudioVideoPageTest, ApplyStoresAndSendsTheBoxEveryTime) {
    info.SetContentProtectionOn(true);
    page.OnInitDialog(view);
    EXPECT_TRUE(Control(IDC_CONTENT_PROTECTION).checked);
    EXPECT_TRUE(page.OnApply(view));
    Control(IDC_CONTENT_PROTECTION).checked = false;
    stack.results["SetScmstValue"] = -1;
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_EQ(stack.scmstSent, (std::vector<bool>{true, false}));
    EXPECT_FALSE(info.GetContentProtectionOn());
}

}  // namespace
