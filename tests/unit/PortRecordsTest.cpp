#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "stack/DeviceAddress.h"
#include "stack/PortRecords.h"
#include "PortBytes.h"

namespace {

TEST(PortRecords, ReadOnlyTheWholeRecordsThatTheBytesHold) {
    const auto two = PortBytes({Port(0x0A1B2B3C4D5E, 5, kSppPortOutgoing, "Phone"),
                                Port(0x0C0D66778899, 6, kSppPortIncoming, "Scanner")});
    const std::vector<std::uint8_t> full(kSppPortArrayBytes, 0);
    const struct {
        const char* what;
        std::uint32_t count;
        std::vector<std::uint8_t> bytes;
        std::size_t records;
    } cases[] = {
        {"as announced", 2, two, 2},
        {"fewer than the bytes hold", 1, two, 1},
        {"more than the bytes hold", 5, two, 2},
        {"a huge count", 0xFFFFFFFF, full, 10},
        {"a cut record", 2, std::vector<std::uint8_t>(two.begin(), two.end() - 1), 1},
        {"less than one record", 1, std::vector<std::uint8_t>(two.begin(), two.begin() + 279), 0},
        {"nothing", 3, {}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePortRecords(c.count, c.bytes).size(), c.records) << c.what;

    auto records = ParsePortRecords(2, two);
    EXPECT_EQ(records[1].address, 0x0C0D66778899u);
    EXPECT_EQ(records[1].comPort, 6u);
    EXPECT_EQ(records[1].kind, kSppPortIncoming);
    EXPECT_EQ(records[1].remoteName.view(), u"Scanner");
}

TEST(PortRecords, NamesAreUtf8EndedByTheirZeroOrCutInsideTheirBuffer) {
    const struct {
        std::string field;
        std::u16string name;
    } cases[] = {
        {"Caf\xC3\xA9 \xE2\x82\xAC", u"Caf\u00E9 \u20AC"},
        {std::string("ab\0cd", 5), u"ab"},
        {std::string(260, 'x'), std::u16string(259, u'x')},  // no zero byte in the field
    };
    for (const auto& c : cases) {
        auto records = ParsePortRecords(1, PortBytes({Port(1, 3, kSppPortOutgoing, c.field)}));
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].remoteName.view(), c.name);
    }
}

TEST(DeviceAddress, FormsAgreeAndTheLapsTopByteIsIgnored) {
    _BTH_ADDR_T parts = ToBthAddress(0xFFFF0A1B2B3C4D5E);
    EXPECT_EQ(parts.lap, 0x3C4D5Eu);
    EXPECT_EQ(parts.uap, 0x2B);
    EXPECT_EQ(parts.nap, 0x0A1B);

    _VMR_LOCAL_DEVICE_INFO device{};
    device.lap = 0xFFDA7113;
    device.uap = 0x7D;
    device.nap = 0x021A;
    EXPECT_EQ(DeviceAddressText(device).view(), u"02:1a:7d:da:71:13");
}

}  // namespace
