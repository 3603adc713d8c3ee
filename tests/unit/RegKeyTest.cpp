#include <gtest/gtest.h>

#include <utility>

#include "FakeEnvironment.h"
#include "settings/RegKey.h"

namespace {

constexpr char16_t kPath[] = u"Software\\Test";

}  // namespace

class RegKeyTest : public RegistryTest {
protected:
    RegKey OpenTestKey(std::uint32_t access = reg::kReadWrite) {
        registry.PutKey(kUser, kPath);
        RegKey key(registry);
        EXPECT_TRUE(key.Open(kUser, kPath, access));
        return key;
    }
    void Put(std::uint32_t type, std::string_view bytes) {
        registry.PutValue(kUser, kPath, u"v", type, bytes);
    }
};

TEST_F(RegKeyTest, EveryKeyIsClosedExactlyOnce) {
    {
        RegKey key = OpenTestKey();
        EXPECT_EQ(registry.OpenHandleCount(), 1u);
        RegKey other(registry);
        EXPECT_TRUE(other.Open(kUser, kPath, reg::kRead));
        key = std::move(other);  // the replaced key is closed
        EXPECT_EQ(registry.OpenHandleCount(), 1u);
        EXPECT_FALSE(other.IsOpen());
        EXPECT_TRUE(key.Close());
        EXPECT_TRUE(key.Close());
        EXPECT_TRUE(key.Open(kUser, kPath, reg::kRead));
        EXPECT_FALSE(key.Open(kUser, u"Software\\Missing", reg::kRead));  // closes the old one
    }
    RegKey closed(registry);
    EXPECT_FALSE(closed.ReadDword(u"v", false));
    EXPECT_FALSE(closed.WriteDword(u"v", 1));
}

TEST_F(RegKeyTest, DwordsReadFourBytesIntoZero) {
    RegKey key = OpenTestKey();
    EXPECT_FALSE(key.ReadDword(u"v", false));
    Put(reg::kSz, Utf16Bytes(u"1"));
    EXPECT_FALSE(key.ReadDword(u"v", true));
    EXPECT_EQ(key.ReadDword(u"v", false), 0x31u);
    Put(reg::kBinary, "\x07");
    EXPECT_EQ(key.ReadDword(u"v", false), 7u);
    Put(reg::kBinary, std::string(8, '\x01'));
    EXPECT_FALSE(key.ReadDword(u"v", false));
}

TEST_F(RegKeyTest, StringsFollowTheirAcceptanceRules) {
    RegKey key = OpenTestKey();
    const StringReadRules strict{.bufferBytes = 8, .terminatorRequired = true};
    Put(reg::kSz, Utf16Bytes(std::u16string(u"abc\0", 4)));
    EXPECT_EQ(key.ReadString(u"v", strict), u"abc");
    Put(reg::kSz, Utf16Bytes(u"abcd"));  // fits, but no terminator
    EXPECT_FALSE(key.ReadString(u"v", strict));
    EXPECT_EQ(key.ReadString(u"v", {.bufferBytes = 8}), u"abcd");
    Put(reg::kSz, Utf16Bytes(std::u16string(u"abcd\0", 5)));  // larger than the buffer
    EXPECT_FALSE(key.ReadString(u"v", strict));
    Put(reg::kSz, Utf16Bytes(std::u16string(u"a\0", 2)) + "b");  // odd size
    EXPECT_FALSE(key.ReadString(u"v", strict));
    EXPECT_EQ(key.ReadString(u"v", {}), u"a");
    Put(reg::kSz, Utf16Bytes(std::u16string(u"a\0b\0", 4)));
    EXPECT_EQ(key.ReadString(u"v", strict), u"a");

    Put(reg::kExpandSz, Utf16Bytes(std::u16string(u"%X%\0", 4)));
    EXPECT_EQ(key.ReadString(u"v", {}), u"%X%");
    EXPECT_FALSE(key.ReadString(u"v", {.expandSzAccepted = false}));
    Put(reg::kBinary, Utf16Bytes(std::u16string(u"a\0", 2)));
    EXPECT_FALSE(key.ReadString(u"v", {}));

    Put(reg::kSz, "");
    EXPECT_EQ(key.ReadString(u"v", strict), u"");
    EXPECT_FALSE(key.ReadString(u"v", {.bufferBytes = 8, .emptyAccepted = false}));
    Put(reg::kSz, std::string(2, '\0'));
    EXPECT_EQ(key.ReadString(u"v", {.bufferBytes = 8, .emptyAccepted = false}), u"");
}

TEST_F(RegKeyTest, WholeStringsOfAnyLengthAreReadWithoutOverrun) {
    RegKey key = OpenTestKey();
    std::u16string longText(5000, u'x');
    Put(reg::kSz, Utf16Bytes(longText));  // no terminator
    EXPECT_EQ(key.ReadString(u"v", {}), longText);
    Put(reg::kSz, Utf16Bytes(longText) + "y");
    EXPECT_EQ(key.ReadString(u"v", {}), longText);
}

TEST_F(RegKeyTest, WritesStoreTheExactTypesAndSizes) {
    RegKey key = OpenTestKey();
    EXPECT_TRUE(key.WriteString(u"s", u"ab"));
    EXPECT_TRUE(key.WriteBinary(u"b", ""));
    EXPECT_TRUE(key.WriteDword(u"d", 0x01020304));
    auto text = registry.GetValue(kUser, kPath, u"s");
    EXPECT_EQ(text->type, reg::kSz);
    EXPECT_EQ(text->bytes, Utf16Bytes(std::u16string(u"ab\0", 3)));
    auto empty = registry.GetValue(kUser, kPath, u"b");
    EXPECT_EQ(empty->type, reg::kBinary);
    EXPECT_EQ(empty->bytes.size(), 0u);
    EXPECT_EQ(registry.GetValue(kUser, kPath, u"d")->bytes, "\x04\x03\x02\x01");
    EXPECT_TRUE(key.DeleteValue(u"s"));
    EXPECT_FALSE(key.DeleteValue(u"s"));

    RegKey readOnly = OpenTestKey(reg::kRead);
    EXPECT_FALSE(readOnly.WriteDword(u"d", 1));
}
