#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/FileSharingSettings.h"

namespace {

constexpr auto kKey = sys::kFileSharingKey;

class FileSharingSettingsTest : public RegistryTest {
protected:
    void PutPassword(RegistryRoot root, std::string_view bytes, std::uint32_t type = reg::kBinary) {
        registry.PutValue(root, kKey, sys::kTPassword, type, bytes);
    }
    std::optional<std::u16string> ReadBackPassword() {
        RegKey key(registry);
        EXPECT_TRUE(key.Open(kUser, kKey, reg::kRead));
        return ReadTransferPassword(key);
    }
    std::string Stored(const char16_t* name) { return registry.GetValue(kUser, kKey, name)->bytes; }
    FileSharingValues Resolve() { return ResolveFileSharingAtStartup(registry); }
};

TEST_F(FileSharingSettingsTest, UserKeyGivesSwitchesAndPasswordMachineKeyGivesFolderAndServers) {
    registry.PutDword(kUser, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kUser, kKey, sys::kTPasswordRequired, 7);
    PutPassword(kUser, "mine");
    registry.PutString(kUser, kKey, sys::kFtspath, u"C:\\User");
    registry.PutDword(kUser, kKey, sys::kDisableObexServers, 1);
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 0);
    PutPassword(kMachine, "machine");

    FileSharingValues values = Resolve();
    EXPECT_TRUE(values.openArrivedImage);
    EXPECT_TRUE(values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"mine");
    EXPECT_EQ(values.exchangeFolder, u"") << "a machine key without a folder still hides the user's";
    EXPECT_FALSE(values.obexServersDisabled);
    EXPECT_FALSE(registry.GetValue(kUser, kKey, sys::kImagePath)) << "nothing written";

    registry.PutString(kMachine, kKey, sys::kFtspath, u"D:\\Shared");
    EXPECT_EQ(Resolve().exchangeFolder, u"D:\\Shared");
}

TEST_F(FileSharingSettingsTest, WithoutAMachineKeyTheUserKeyGivesEverything) {
    registry.PutString(kUser, kKey, sys::kFtspath, u"%USERPROFILE%\\In", reg::kExpandSz);
    registry.PutDword(kUser, kKey, sys::kDisableObexServers, 2);
    registry.PutString(kUser, kKey, sys::kOpenArrivedImage, u"1");  // not a REG_DWORD
    FileSharingValues values = Resolve();
    EXPECT_EQ(values.exchangeFolder, u"%USERPROFILE%\\In");
    EXPECT_TRUE(values.obexServersDisabled);
    EXPECT_FALSE(values.openArrivedImage);
}

TEST_F(FileSharingSettingsTest, AMissingUserKeyIsSeededFromTheMachineKey) {
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kMachine, kKey, sys::kTPasswordRequired, 1);
    PutPassword(kMachine, "secret");

    FileSharingValues values = Resolve();
    EXPECT_TRUE(values.openArrivedImage && values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"secret") << "not the new user's default";
    EXPECT_EQ(Stored(sys::kFtspath), std::string(2, '\0'));
    EXPECT_EQ(Stored(sys::kImagePath), std::string(2, '\0'));
    EXPECT_EQ(Stored(sys::kOpenArrivedImage), std::string("\1\0\0\0", 4));
    EXPECT_EQ(Stored(sys::kTPasswordRequired), std::string("\1\0\0\0", 4));
    EXPECT_EQ(registry.GetValue(kUser, kKey, sys::kTPassword)->type, reg::kBinary);
    EXPECT_EQ(Stored(sys::kTPassword), "QZX");
    EXPECT_EQ(Resolve().transferPassword, u"QZX") << "the next start";
}

TEST_F(FileSharingSettingsTest, FirstStartWithNoKeysOpensInOrderAndCreatesTheUserKey) {
    FileSharingValues values = Resolve();
    EXPECT_FALSE(values.openArrivedImage || values.transferPasswordRequired);
    EXPECT_EQ(Stored(sys::kTPasswordRequired), std::string(4, '\0'));
    const std::vector<MemoryRegistry::KeyRequest> expected = {
        {false, kUser, kKey, reg::kRead},     {false, kMachine, kKey, reg::kRead},
        {false, kUser, kKey, reg::kReadWrite}, {true, kUser, kKey, reg::kReadWrite},
        {false, kMachine, kKey, reg::kRead},
    };
    EXPECT_EQ(registry.KeyRequests(), expected);

    registry = MemoryRegistry();
    registry.RefuseCreate(kUser, kKey);
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
    EXPECT_TRUE(WriteTransferPassword(key, u"p\u00E4ss"));
    EXPECT_EQ(Stored(sys::kTPassword), "p\xC3\xA4ss") << "UTF-8 without terminator";
    EXPECT_TRUE(WriteTransferPassword(key, u""));
    EXPECT_EQ(Stored(sys::kTPassword), "");
    EXPECT_TRUE(WriteTransferPassword(key, std::u16string(100, u'\u20AC')));  // 300 bytes of UTF-8
    EXPECT_EQ(Stored(sys::kTPassword).size(), 258u);
}

TEST_F(FileSharingSettingsTest, LongOddOrUnterminatedFoldersAreReadWhole) {
    std::u16string longPath = u"E:\\" + std::u16string(600, u'd');
    registry.PutValue(kMachine, kKey, sys::kFtspath, reg::kSz, Utf16Bytes(longPath) + "y");
    EXPECT_EQ(Resolve().exchangeFolder, longPath);
}

}  // namespace
