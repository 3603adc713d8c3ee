// The serial port records as the stack packs them, and the COM Ports page
// that lists them.

#include "PageFixture.h"
#include "pages/CDeviceCOMPortProps.h"
#include "stack/PortRecords.h"

namespace {

// Serial port records packed as the stack packs them.  Their padding is not
// zero, so a name read past its field shows.
_SPP_PORT_INFO Port(std::uint64_t address, std::uint32_t comPort, std::uint16_t kind, const std::string& name) {
    _SPP_PORT_INFO port{};
    std::memset(port.padding, 0xAC, sizeof port.padding);
    port.address = address;
    port.comPort = comPort;
    port.kind = kind;
    std::memcpy(port.remoteName, name.data(), std::min(name.size(), sizeof port.remoteName));
    return port;
}

std::vector<std::uint8_t> PortBytes(std::initializer_list<_SPP_PORT_INFO> ports) {
    std::vector<std::uint8_t> bytes(ports.size() * sizeof(_SPP_PORT_INFO));
    std::memcpy(bytes.data(), std::data(ports), bytes.size());
    return bytes;
}

// Only the whole records that the bytes hold are read, whatever the count
// says; names are UTF-8, ended by their zero or cut inside their buffer.
TEST(PortRecords, ReadOnlyTheWholeRecordsThatTheBytesHoldAndTheirNamesAsUtf8) {
    const auto two = PortBytes({Port(0x0A1B2B3C4D5E, 5, kSppPortOutgoing, "Phone"),
                                Port(0x0C0D66778899, 6, kSppPortIncoming, "Scanner")});
    auto one = [](const std::string& field) { return PortBytes({Port(1, 3, kSppPortOutgoing, field)}); };
    using Names = std::vector<std::u16string>;
    const struct {
        const char* what;
        std::uint32_t count;
        std::vector<std::uint8_t> bytes;
        Names names;
    } cases[] = {
        {"as announced", 2, two, {u"Phone", u"Scanner"}},
        {"fewer than the bytes hold", 1, two, {u"Phone"}},
        {"more than the bytes hold", 5, two, {u"Phone", u"Scanner"}},
        {"a huge count", 0xFFFFFFFF, std::vector<std::uint8_t>(kSppPortArrayBytes, 0), Names(10)},
        {"a cut record", 2, std::vector<std::uint8_t>(two.begin(), two.end() - 1), {u"Phone"}},
        {"less than one record", 1, std::vector<std::uint8_t>(two.begin(), two.begin() + 279), {}},
        {"nothing", 3, {}, {}},
        {"UTF-8", 1, one("Caf\xC3\xA9 \xE2\x82\xAC"), {u"Caf\u00E9 \u20AC"}},
        {"ended by its zero", 1, one(std::string("ab\0cd", 5)), {u"ab"}},
        {"no zero byte in the field", 1, one(std::string(260, 'x')), {std::u16string(259, u'x')}},
        {"a whole character at the end", 1, one(std::string(257, 'x') + "\xE2\x82\xAC"),
         {std::u16string(257, u'x') + u"\u20AC"}},
    };
    for (const auto& c : cases) {
        Names names;
        for (const SerialPortRecord& record : ParsePortRecords(c.count, c.bytes))
            names.emplace_back(record.remoteName.view());
        EXPECT_EQ(names, c.names) << c.what;
    }
}

constexpr std::uint64_t kPhone = 0x0A1B2B3C4D5E, kScanner = 0x0C0D66778899, kOther = 0x0102030405;

class ComPortsPageTest : public PageFixture {
protected:
    void SetUp() override {
        stack.portBytes = PortBytes({Port(kPhone, 5, kSppPortOutgoing, "Phone"),
                                     Port(kScanner, 6, kSppPortIncoming, "Scanner"),
                                     Port(kOther, 5, kSppPortOutgoing, "Twin"), Port(kOther, 0, kSppPortOutgoing, "Zero"),
                                     Port(kOther, 9, 7, "Odd kind")});
        stack.portCount = 5;
    }
    FakeListView& List() { return view.ListView(IDC_COM_PORTS_LIST); }
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
    EXPECT_EQ(Control(IDC_COM_PORTS_INFO).text, std::u16string(600, u'i'));
    const std::u16string out = TextOf(IDS_DIRECTION_OUTGOING), in = TextOf(IDS_DIRECTION_INCOMING);
    using Texts = std::vector<std::u16string>;
    EXPECT_EQ(List().Column(0), (Texts{u"COM5", u"COM6", u"COM5", u"COM0", u"COM9"}));
    EXPECT_EQ(List().Column(1), (Texts{out, in, out, out, u""})) << "an unknown kind has no direction";
    EXPECT_EQ(List().Column(2), (Texts{u"Phone", u"Scanner", u"Twin", u"Zero", u"Odd kind"}));

    stack.results["GetSppPortInfo"] = -1;
    EXPECT_TRUE(page.OnCommand(view, IDC_COM_PORTS_REFRESH));
    EXPECT_EQ(List().ItemCount(), 0) << "a failed refresh leaves the list empty";
}

// Remove is offered for a selected outgoing row, and deactivates only such a
// port that the last fill read, with the address of its port's first record;
// then it reads the list again.
TEST_F(ComPortsPageTest, RemoveIsOfferedAndDoneOnlyForASelectedOutgoingPort) {
    const struct {
        const char* what;
        int row;
        bool offered;
        std::optional<std::uint64_t> address;
    } cases[] = {
        {"nothing selected", -1, false, std::nullopt},
        {"incoming", 1, false, std::nullopt},
        {"port 0", 3, true, std::nullopt},
        {"unknown kind", 4, false, std::nullopt},
        {"outgoing", 0, true, kPhone},
        {"second record of a port", 2, true, kPhone},
    };
    FakeControl& remove = Control(IDC_COM_PORTS_REMOVE);
    using Deactivations = decltype(stack.deactivated);
    using Calls = std::vector<std::string>;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        stack.deactivated.clear();
        page.OnInitDialog(view);
        Select(c.row);
        EXPECT_EQ(remove.enabled, c.offered);
        stack.calls.clear();
        EXPECT_TRUE(page.OnCommand(view, IDC_COM_PORTS_REMOVE));
        EXPECT_EQ(stack.deactivated, (c.address ? Deactivations{{*c.address, kSppPortOutgoing, 5}} : Deactivations()));
        EXPECT_EQ(stack.calls, (c.address ? Calls{"DeactivateService", "GetSppPortInfo"} : Calls()));
        EXPECT_EQ(List().selected, c.address ? -1 : c.row) << "a removal fills the list again";
    }
    Select(0);
    page.OnNotify(view, {IDC_COM_PORTS_LIST, NotifyCode::ItemChanged, 0, false, false});
    EXPECT_TRUE(remove.enabled) << "no state change: the item's data was set";
    page.OnNotify(view, {IDC_COM_PORTS_LIST, NotifyCode::ItemChanged, 0, true, false});
    EXPECT_FALSE(remove.enabled) << "deselected";
}

}  // namespace
