#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/FileSharingSettings.h"

namespace {

constexpr auto kKey = sys::kFileSharingKey;

class FileSharingSettingsTest : public RegistryTest {
protected:
    void PutPassword(RegistryRoot root, std::string_view bytes) {
        registry.PutValue(root, kKey, sys::kTPassword, reg::kBinary, bytes);
    }
    std::optional<std::u16string> ReadBackPassword() {
        RegKey key(registry);
        EXPECT_TRUE(key.Open(kUser, kKey, reg::kRead));
        return ReadTransferPassword(key);
    }
    std::optional<std::string> Stored(const char16_t* name) { return registry.Bytes(kUser, kKey, name); }
    FileSharingValues Resolve() { return ResolveFileSharingAtStartup(registry); }
};

// Read alone, the user key gives everything; once a machine key exists, it
// gives the folder and the servers switch, even when it holds neither.
TEST_F(FileSharingSettingsTest, UserKeyGivesSwitchesAndPasswordMachineKeyGivesFolderAndServers) {
    registry.PutString(kUser, kKey, sys::kFtspath, u"%USERPROFILE%\\In", reg::kExpandSz);
    registry.PutDword(kUser, kKey, sys::kDisableObexServers, 2);
    registry.PutString(kUser, kKey, sys::kOpenArrivedImage, u"1");  // not a REG_DWORD
    registry.PutDword(kUser, kKey, sys::kTPasswordRequired, 7);
    PutPassword(kUser, "mine");
    FileSharingValues values = Resolve();
    EXPECT_EQ(values.exchangeFolder, u"%USERPROFILE%\\In");
    EXPECT_TRUE(values.obexServersDisabled);
    EXPECT_FALSE(values.openArrivedImage);
    EXPECT_TRUE(values.transferPasswordRequired);

    registry.PutDword(kUser, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 0);
    PutPassword(kMachine, "machine");
    values = Resolve();
    EXPECT_TRUE(values.openArrivedImage);
    EXPECT_EQ(values.transferPassword, u"mine");
    EXPECT_EQ(values.exchangeFolder, u"");
    EXPECT_FALSE(values.obexServersDisabled);
    EXPECT_FALSE(Stored(sys::kImagePath)) << "nothing written";

    // A folder is read whole, however long, also with an odd byte and no terminator.
    const std::u16string longPath = u"E:\\" + std::u16string(600, u'd');
    registry.PutValue(kMachine, kKey, sys::kFtspath, reg::kSz, Utf16Bytes(longPath) + "y");
    EXPECT_EQ(Resolve().exchangeFolder, longPath);
}

TEST_F(FileSharingSettingsTest, AMissingUserKeyIsSeededFromTheMachineKey) {
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kMachine, kKey, sys::kTPasswordRequired, 1);
    PutPassword(kMachine, "secret");

    FileSharingValues values = Resolve();
    EXPECT_TRUE(values.openArrivedImage && values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"secret") << "not the new user's default";
    EXPECT_EQ(Stored(sys::kFtspath), SzBytes(u""));
    EXPECT_EQ(Stored(sys::kImagePath), SzBytes(u""));
    EXPECT_EQ(Stored(sys::kOpenArrivedImage), DwordBytes(1));
    EXPECT_EQ(Stored(sys::kTPasswordRequired), DwordBytes(1));
    EXPECT_EQ(registry.GetValue(kUser, kKey, sys::kTPassword)->type, reg::kBinary);
    EXPECT_EQ(Stored(sys::kTPassword), "QZX");
    EXPECT_EQ(Resolve().transferPassword, u"QZX") << "the next start";
}

// A restricted user may only read the machine key, so nothing else is asked of it.
TEST_F(FileSharingSettingsTest, FirstStartWithNoKeysCreatesTheUserKeyAndOnlyReadsTheMachineKey) {
    FileSharingValues values = Resolve();
    EXPECT_FALSE(values.openArrivedImage || values.transferPasswordRequired);
    EXPECT_EQ(Stored(sys::kTPasswordRequired), DwordBytes(0));
    for (const auto& request : registry.KeyRequests())
        EXPECT_TRUE(request.root == kUser || (request.access == reg::kRead && !request.create));

    registry = MemoryRegistry();
    registry.Refuse(kUser, kKey, MemoryRegistry::Refusal::Create);
    registry.PutDword(kMachine, kKey, sys::kTPasswordRequired, 1);
    EXPECT_TRUE(Resolve().transferPasswordRequired) << "a user key that cannot be made leaves the machine's";
}

TEST_F(FileSharingSettingsTest, PasswordsAreCutInsideTheirBufferAndNeverSplitACharacter) {
    const struct {
        std::string stored;
        std::optional<std::u16string> read;
    } cases[] = {
        {std::string(300, 'a'), std::u16string(259, u'a')},
        {std::string(257, 'a') + "\xE2\x82\xAC", std::u16string(257, u'a')},  // 260 bytes, no zero
        {std::string("ab\0cd", 5), u"ab"},
        {"p\xFFw", u"p\uFFFDw"},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        PutPassword(kUser, c.stored);
        EXPECT_EQ(ReadBackPassword(), c.read) << c.stored.size();
    }

    RegKey key(registry);
    ASSERT_TRUE(key.Open(kUser, kKey, reg::kReadWrite));
    EXPECT_TRUE(WriteTransferPassword(key, u""));
    EXPECT_EQ(Stored(sys::kTPassword), "");
    EXPECT_TRUE(WriteTransferPassword(key, std::u16string(100, u'\u20AC')));  // 300 bytes of UTF-8
    EXPECT_EQ(Stored(sys::kTPassword)->size(), 258u);
}

}  // namespace
