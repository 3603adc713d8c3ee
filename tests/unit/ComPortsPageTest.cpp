#include <gtest/gtest.h>

#include "PageFixture.h"
#include "PortBytes.h"
#include "pages/CDeviceCOMPortProps.h"

namespace {

constexpr std::uint64_t kPhone = 0x0A1B2B3C4D5E, kScanner = 0x0C0D66778899, kOther = 0x0102030405;

class ComPortsPageTest : public PageFixture {
protected:
    void SetUp() override {
        SetPorts({Port(kPhone, 5, kSppPortOutgoing, "Phone"), Port(kScanner, 6, kSppPortIncoming, "Scanner"),
                  Port(kOther, 5, kSppPortOutgoing, "Twin"), Port(kOther, 0, kSppPortOutgoing, "Zero"),
                  Port(kOther, 9, 7, "Odd kind")});
    }
    void SetPorts(std::initializer_list<_SPP_PORT_INFO> ports) {
        stack.portBytes = PortBytes(ports);
        stack.portCount = static_cast<std::uint32_t>(ports.size());
    }
    FakeListView& List() { return view.list(IDC_COM_PORTS_LIST); }
    std::vector<std::u16string> Row(int row) { return {List().Cell(row, 0), List().Cell(row, 1), List().Cell(row, 2)}; }
    // Selects a row as the user does: the list's selection and its notification.
    void Select(int row) {
        List().selected = row;
        page.OnNotify(view, {IDC_COM_PORTS_LIST, NotifyCode::ItemChanged, row, true, true});
    }

    CDeviceCOMPortProps page{services};
};

TEST_F(ComPortsPageTest, ListsEveryRecordWithItsPortAsItemData) {
    strings.texts[IDS_COM_PORTS_INFO] = std::u16string(600, u'i');  // longer than the usual 259 units
    page.OnInitDialog(view);
    EXPECT_EQ(view.control(IDC_COM_PORTS_INFO).text, std::u16string(600, u'i'));
    EXPECT_EQ(List().extendedStyle, 0x20u) << "full-row selection";
    EXPECT_EQ(List().columns, (std::vector<std::pair<std::u16string, int>>{
                                  {TextOf(IDS_COLUMN_PORT), 60}, {TextOf(IDS_COLUMN_DIRECTION), 90}, {TextOf(IDS_COLUMN_NAME), 200}}));
    ASSERT_EQ(List().ItemCount(), 5);
    const std::u16string out = TextOf(IDS_DIRECTION_OUTGOING), in = TextOf(IDS_DIRECTION_INCOMING);
    EXPECT_EQ(Row(0), (std::vector<std::u16string>{u"COM5", out, u"Phone"}));
    EXPECT_EQ(Row(1), (std::vector<std::u16string>{u"COM6", in, u"Scanner"}));
    EXPECT_EQ(Row(3), (std::vector<std::u16string>{u"COM0", out, u"Zero"}));
    EXPECT_EQ(Row(4), (std::vector<std::u16string>{u"COM9", u"", u"Odd kind"})) << "an unknown kind has no direction";
    EXPECT_EQ(List().rows[1].data, 6);

    stack.results["GetSppPortInfo"] = -1;
    EXPECT_TRUE(page.OnCommand(view, IDC_COM_PORTS_REFRESH));
    EXPECT_EQ(List().ItemCount(), 0) << "a failed refresh leaves the list empty";
}

// Remove deactivates only a selected outgoing port that the last fill read,
// with the address of its port's first record, and then reads the list again.
TEST_F(ComPortsPageTest, RemoveDeactivatesOnlyASelectedOutgoingPort) {
    const struct {
        const char* what;
        int row;
        std::optional<std::uint64_t> address;
    } cases[] = {
        {"nothing selected", -1, std::nullopt},
        {"incoming", 1, std::nullopt},
        {"port 0", 3, std::nullopt},
        {"unknown kind", 4, std::nullopt},
        {"outgoing", 0, kPhone},
        {"second record of a port", 2, kPhone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        stack.deactivated.clear();
        page.OnInitDialog(view);
        List().selected = c.row;
        stack.calls.clear();
        EXPECT_TRUE(page.OnCommand(view, IDC_COM_PORTS_REMOVE));
        ASSERT_EQ(stack.deactivated.size(), c.address ? 1u : 0u);
        if (!c.address) continue;
        const auto& call = stack.deactivated[0];
        EXPECT_EQ(call.address.lap, *c.address & 0xFFFFFF);
        EXPECT_EQ(call.address.uap, (*c.address >> 24) & 0xFF);
        EXPECT_EQ(call.address.nap, *c.address >> 32);
        EXPECT_EQ(call.kind, kSppPortOutgoing);
        EXPECT_EQ(call.port, 5u);
        EXPECT_EQ(stack.calls, (std::vector<std::string>{"DeactivateService", "GetSppPortInfo"}));
        EXPECT_EQ(List().selected, -1) << "the list was filled again";
    }
}

TEST_F(ComPortsPageTest, RemoveIsEnabledOnlyForASelectedOutgoingRow) {
    page.OnInitDialog(view);
    FakeControl& remove = view.control(IDC_COM_PORTS_REMOVE);
    Select(1);
    EXPECT_FALSE(remove.enabled) << "incoming";
    Select(0);
    EXPECT_TRUE(remove.enabled);
    page.OnNotify(view, {IDC_COM_PORTS_LIST, NotifyCode::ItemChanged, 0, false, false});
    EXPECT_TRUE(remove.enabled) << "no state change: the item's data was set";
    Select(4);
    EXPECT_FALSE(remove.enabled) << "unknown kind";
    page.OnNotify(view, {IDC_COM_PORTS_LIST, NotifyCode::ItemChanged, 0, true, false});
    EXPECT_FALSE(remove.enabled) << "deselected";
}

}  // namespace
