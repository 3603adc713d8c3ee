#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/FileSharingSettings.h"
#include "settings/SettingsSchema.h"

namespace {

constexpr char16_t kKey[] = u"SOFTWARE\\Velmora\\Default\\FileSharing";

}  // namespace

class FileSharingSettingsTest : public RegistryTest {
protected:
    void PutPassword(RegistryRoot root, std::string_view bytes, std::uint32_t type = reg::kBinary) {
        registry.PutValue(root, kKey, u"TPassword", type, bytes);
    }
    std::optional<std::u16string> ReadBackPassword(RegistryRoot root = kUser) {
        RegKey key(registry);
        EXPECT_TRUE(key.Open(root, kKey, reg::kRead));
        return ReadTransferPassword(key);
    }
};

TEST_F(FileSharingSettingsTest, UserKeyGivesSwitchesAndPasswordMachineKeyGivesFolderAndServers) {
    registry.PutDword(kUser, kKey, u"OpenArrivedImage", 1);
    registry.PutDword(kUser, kKey, u"TPasswordRequired", 7);
    PutPassword(kUser, "mine");
    registry.PutString(kUser, kKey, u"Ftspath", u"C:\\User");
    registry.PutDword(kUser, kKey, u"DisableObexServers", 1);
    registry.PutDword(kMachine, kKey, u"OpenArrivedImage", 0);
    PutPassword(kMachine, "machine");
    registry.PutString(kMachine, kKey, u"Ftspath", u"D:\\Shared");

    FileSharingValues values = ResolveFileSharingAtStartup(registry);
    EXPECT_TRUE(values.openArrivedImage);
    EXPECT_TRUE(values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"mine");
    EXPECT_EQ(values.exchangeFolder, u"D:\\Shared");
    EXPECT_FALSE(values.obexServersDisabled);  // the machine key has none
    EXPECT_FALSE(registry.GetValue(kUser, kKey, u"ImagePath"));  // nothing written

    registry.PutString(kMachine, kKey, u"Ftspath", u"");
    EXPECT_EQ(ResolveFileSharingAtStartup(registry).exchangeFolder, u"");
}

TEST_F(FileSharingSettingsTest, AnEmptyMachineKeyStillHidesTheUsersFolder) {
    registry.PutString(kUser, kKey, u"Ftspath", u"C:\\User");
    registry.PutDword(kUser, kKey, u"DisableObexServers", 1);
    registry.PutKey(kMachine, kKey);
    FileSharingValues values = ResolveFileSharingAtStartup(registry);
    EXPECT_EQ(values.exchangeFolder, u"");
    EXPECT_FALSE(values.obexServersDisabled);
}

TEST_F(FileSharingSettingsTest, WithoutAMachineKeyTheUserKeyGivesEverything) {
    registry.PutString(kUser, kKey, u"Ftspath", u"%USERPROFILE%\\In", reg::kExpandSz);
    registry.PutDword(kUser, kKey, u"DisableObexServers", 2);
    registry.PutString(kUser, kKey, u"OpenArrivedImage", u"1");  // not a REG_DWORD
    PutPassword(kUser, "\0\0", reg::kSz);

    FileSharingValues values = ResolveFileSharingAtStartup(registry);
    EXPECT_EQ(values.exchangeFolder, u"%USERPROFILE%\\In");
    EXPECT_TRUE(values.obexServersDisabled);
    EXPECT_FALSE(values.openArrivedImage);
    EXPECT_EQ(values.transferPassword, u"");
}

TEST_F(FileSharingSettingsTest, AMissingUserKeyIsSeededFromTheMachineKey) {
    registry.PutDword(kMachine, kKey, u"OpenArrivedImage", 1);
    registry.PutDword(kMachine, kKey, u"TPasswordRequired", 1);
    PutPassword(kMachine, "secret");

    FileSharingValues values = ResolveFileSharingAtStartup(registry);
    EXPECT_TRUE(values.openArrivedImage);
    EXPECT_TRUE(values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"secret");  // not the new user's default

    const std::string emptyText(2, '\0');
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"Ftspath")->bytes, emptyText);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"Ftspath")->type, reg::kSz);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"ImagePath")->bytes, emptyText);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"OpenArrivedImage")->type, reg::kDword);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"OpenArrivedImage")->bytes, std::string("\1\0\0\0", 4));
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPasswordRequired")->bytes, std::string("\1\0\0\0", 4));
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->type, reg::kBinary);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->bytes, "QZX");

    EXPECT_EQ(ResolveFileSharingAtStartup(registry).transferPassword, u"QZX");  // next start
}

TEST_F(FileSharingSettingsTest, FirstStartWithNoKeysOpensInOrderAndCreatesTheUserKey) {
    FileSharingValues values = ResolveFileSharingAtStartup(registry);
    EXPECT_FALSE(values.openArrivedImage || values.transferPasswordRequired);
    EXPECT_EQ(values.transferPassword, u"");
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPasswordRequired")->bytes, std::string(4, '\0'));

    const auto& requests = registry.KeyRequests();
    ASSERT_EQ(requests.size(), 5u);
    auto expect = [&](std::size_t at, bool create, RegistryRoot root, std::uint32_t access) {
        EXPECT_EQ(requests[at].create, create) << at;
        EXPECT_EQ(requests[at].root, root) << at;
        EXPECT_EQ(requests[at].access, access) << at;
        EXPECT_EQ(requests[at].path, kKey) << at;
    };
    expect(0, false, kUser, reg::kRead);
    expect(1, false, kMachine, reg::kRead);
    expect(2, false, kUser, reg::kReadWrite);
    expect(3, true, kUser, reg::kReadWrite);
    expect(4, false, kMachine, reg::kRead);
}

TEST_F(FileSharingSettingsTest, AUserKeyThatCannotBeCreatedLeavesTheMachineValues) {
    registry.RefuseCreate(kUser, kKey);
    registry.PutDword(kMachine, kKey, u"TPasswordRequired", 1);
    EXPECT_TRUE(ResolveFileSharingAtStartup(registry).transferPasswordRequired);
    EXPECT_FALSE(registry.HasKey(kUser, kKey));
}

TEST_F(FileSharingSettingsTest, PasswordsAreCutInsideTheirBufferAndNeverSplitACharacter) {
    PutPassword(kUser, std::string(300, 'a'));
    EXPECT_EQ(ReadBackPassword(), std::u16string(259, u'a'));
    PutPassword(kUser, std::string(257, 'a') + "\xE2\x82\xAC");  // 260 bytes, no zero
    EXPECT_EQ(ReadBackPassword(), std::u16string(257, u'a'));
    PutPassword(kUser, std::string("ab\0cd", 5));
    EXPECT_EQ(ReadBackPassword(), u"ab");
    PutPassword(kUser, "p\xFFw");
    EXPECT_EQ(ReadBackPassword(), u"p\uFFFDw");
    PutPassword(kUser, "");
    EXPECT_FALSE(ReadBackPassword());
}

TEST_F(FileSharingSettingsTest, LongOddOrUnterminatedFoldersAreReadWhole) {
    registry.PutKey(kMachine, kKey);
    std::u16string longPath = u"E:\\" + std::u16string(600, u'd');
    registry.PutValue(kMachine, kKey, u"Ftspath", reg::kSz, Utf16Bytes(longPath));
    EXPECT_EQ(ResolveFileSharingAtStartup(registry).exchangeFolder, longPath);
    registry.PutValue(kMachine, kKey, u"Ftspath", reg::kSz, Utf16Bytes(u"F:\\x") + "y");
    EXPECT_EQ(ResolveFileSharingAtStartup(registry).exchangeFolder, u"F:\\x");
    registry.PutValue(kMachine, kKey, u"Ftspath", reg::kBinary, Utf16Bytes(u"G:\\"));
    EXPECT_EQ(ResolveFileSharingAtStartup(registry).exchangeFolder, u"");
}

TEST_F(FileSharingSettingsTest, PasswordsAreStoredAsUtf8WithoutTerminator) {
    registry.PutKey(kUser, kKey);
    RegKey key(registry);
    ASSERT_TRUE(key.Open(kUser, kKey, reg::kReadWrite));

    EXPECT_TRUE(WriteTransferPassword(key, u"p\u00E4ss"));
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->bytes, "p\xC3\xA4ss");
    EXPECT_TRUE(WriteTransferPassword(key, u""));
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->type, reg::kBinary);
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->bytes, "");

    std::u16string euros(100, u'\u20AC');  // 300 bytes of UTF-8
    EXPECT_TRUE(WriteTransferPassword(key, euros));
    EXPECT_EQ(registry.GetValue(kUser, kKey, u"TPassword")->bytes.size(), 258u);
    EXPECT_EQ(ReadBackPassword(), std::u16string(86, u'\u20AC'));
}
