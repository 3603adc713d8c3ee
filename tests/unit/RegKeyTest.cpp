#include <gtest/gtest.h>

#include <utility>

#include "FakeEnvironment.h"
#include "settings/RegKey.h"

namespace {

constexpr char16_t kPath[] = u"Software\\Test";

class RegKeyTest : public RegistryTest {
protected:
    RegKey OpenTestKey(std::uint32_t access = reg::kReadWrite) {
        registry.PutKey(kUser, kPath);
        RegKey key(registry);
        EXPECT_TRUE(key.Open(kUser, kPath, access));
        return key;
    }
    void Put(std::uint32_t type, std::string_view bytes) { registry.PutValue(kUser, kPath, u"v", type, bytes); }
    static std::string Units(std::u16string_view text) { return Utf16Bytes(text); }
};

TEST_F(RegKeyTest, EveryKeyIsClosedExactlyOnce) {
    {
        RegKey key = OpenTestKey();
        RegKey other(registry);
        EXPECT_TRUE(other.Open(kUser, kPath, reg::kRead));
        key = std::move(other);  // the replaced key is closed
        EXPECT_EQ(registry.OpenHandleCount(), 1u);
        EXPECT_TRUE(key.Close());
        EXPECT_TRUE(key.Close());
        EXPECT_TRUE(key.Open(kUser, kPath, reg::kRead));
        EXPECT_FALSE(key.Open(kUser, u"Software\\Missing", reg::kRead));  // closes the old one
        EXPECT_FALSE(key.ReadDword(u"v", false));
        EXPECT_FALSE(key.WriteDword(u"v", 1));
    }
}

TEST_F(RegKeyTest, DwordsReadFourBytesIntoZero) {
    RegKey key = OpenTestKey();
    EXPECT_FALSE(key.ReadDword(u"v", false));
    const struct {
        std::uint32_t type;
        std::string bytes;
        bool typed;
        std::optional<std::uint32_t> value;
    } cases[] = {
        {reg::kSz, Units(u"1"), true, std::nullopt},
        {reg::kSz, Units(u"1"), false, 0x31u},
        {reg::kBinary, "\x07", false, 7u},
        {reg::kBinary, std::string(8, '\x01'), false, std::nullopt},  // too large for 4 bytes
    };
    for (const auto& c : cases) {
        Put(c.type, c.bytes);
        EXPECT_EQ(key.ReadDword(u"v", c.typed), c.value) << c.bytes.size();
    }
}

TEST_F(RegKeyTest, StringsFollowTheirAcceptanceRules) {
    RegKey key = OpenTestKey();
    const StringReadRules strict{.bufferBytes = 8, .terminatorRequired = true};
    const StringReadRules whole{};
    const struct {
        std::uint32_t type;
        std::string bytes;
        StringReadRules rules;
        std::optional<std::u16string> text;
    } cases[] = {
        {reg::kSz, Units(std::u16string(u"abc\0", 4)), strict, u"abc"},
        {reg::kSz, Units(u"abcd"), strict, std::nullopt},                        // no terminator
        {reg::kSz, Units(u"abcd"), {.bufferBytes = 8}, u"abcd"},
        {reg::kSz, Units(std::u16string(u"abcd\0", 5)), strict, std::nullopt},  // larger than the buffer
        {reg::kSz, Units(std::u16string(u"a\0", 2)) + "b", strict, std::nullopt},  // odd size
        {reg::kSz, Units(std::u16string(u"a\0", 2)) + "b", whole, u"a"},
        {reg::kSz, Units(std::u16string(u"a\0b\0", 4)), strict, u"a"},
        {reg::kExpandSz, Units(std::u16string(u"%X%\0", 4)), whole, u"%X%"},
        {reg::kExpandSz, Units(std::u16string(u"%X%\0", 4)), {.expandSzAccepted = false}, std::nullopt},
        {reg::kBinary, Units(std::u16string(u"a\0", 2)), whole, std::nullopt},
        {reg::kSz, "", strict, u""},
        {reg::kSz, "", {.bufferBytes = 8, .emptyAccepted = false}, std::nullopt},
        {reg::kSz, std::string(2, '\0'), {.bufferBytes = 8, .emptyAccepted = false}, u""},
        {reg::kSz, Units(std::u16string(5000, u'x')), whole, std::u16string(5000, u'x')},  // read whole
        {reg::kSz, Units(std::u16string(5000, u'x')) + "y", whole, std::u16string(5000, u'x')},
    };
    for (const auto& c : cases) {
        Put(c.type, c.bytes);
        EXPECT_EQ(key.ReadString(u"v", c.rules), c.text) << "type " << c.type << ", " << c.bytes.size() << " bytes";
    }
}

TEST_F(RegKeyTest, WritesStoreTheExactTypesAndSizes) {
    RegKey key = OpenTestKey();
    EXPECT_TRUE(key.WriteString(u"s", u"ab"));
    EXPECT_TRUE(key.WriteBinary(u"b", ""));
    EXPECT_TRUE(key.WriteDword(u"d", 0x01020304));
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"s")->type, reg::kSz);
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"s")->bytes, Units(std::u16string(u"ab\0", 3)));
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"b")->type, reg::kBinary);
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"b")->bytes, "");
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"d")->bytes, "\x04\x03\x02\x01");
    EXPECT_TRUE(key.DeleteValue(u"s"));
    EXPECT_FALSE(key.DeleteValue(u"s"));
    EXPECT_FALSE(OpenTestKey(reg::kRead).WriteDword(u"d", 1));
}

}  // namespace
