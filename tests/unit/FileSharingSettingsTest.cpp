#include "FakeEnvironment.h"
#include "settings/FileSharingSettings.h"

namespace {

constexpr auto kKey = sys::kFileSharingKey;

class FileSharingSettingsTest : public RegistryTest {
protected:
    void PutPassword(RegistryRoot root, std::string_view bytes) {
        registry.PutValue(root, kKey, sys::kTPassword, reg::kBinary, bytes);
    }
    std::optional<std::string> Stored(const char16_t* name) { return registry.Bytes(kUser, kKey, name); }
    // What start-up resolves: the two switches, the servers switch, the
    // password and the exchange folder.
    auto Resolve() {
        const FileSharingValues v = ResolveFileSharingAtStartup(registry);
        return std::tuple(v.openArrivedImage, v.transferPasswordRequired, v.obexServersDisabled, v.transferPassword,
                          v.exchangeFolder);
    }
};

// Read alone, the user key gives everything; once a machine key exists, it
// gives the folder and the servers switch, even when it holds neither.
TEST_F(FileSharingSettingsTest, UserKeyGivesSwitchesAndPasswordMachineKeyGivesFolderAndServers) {
    registry.PutString(kUser, kKey, sys::kFtspath, u"%USERPROFILE%\\In", reg::kExpandSz);
    registry.PutDword(kUser, kKey, sys::kDisableObexServers, 2);
    registry.PutString(kUser, kKey, sys::kOpenArrivedImage, u"1");  // not a REG_DWORD
    registry.PutDword(kUser, kKey, sys::kTPasswordRequired, 7);
    PutPassword(kUser, "mine");
    EXPECT_EQ(Resolve(), std::tuple(false, true, true, u"mine", u"%USERPROFILE%\\In"));

    registry.PutDword(kUser, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 0);
    PutPassword(kMachine, "machine");
    EXPECT_EQ(Resolve(), std::tuple(true, true, false, u"mine", u""));
    EXPECT_FALSE(Stored(sys::kImagePath)) << "nothing written";

    // A folder is read whole, however long, also with an odd byte and no terminator.
    const std::u16string longPath = u"E:\\" + std::u16string(600, u'd');
    registry.PutValue(kMachine, kKey, sys::kFtspath, reg::kSz, Utf16Bytes(longPath) + "y");
    EXPECT_EQ(Resolve(), std::tuple(true, true, false, u"mine", longPath));
}

TEST_F(FileSharingSettingsTest, AMissingUserKeyIsSeededFromTheMachineKey) {
    registry.PutDword(kMachine, kKey, sys::kOpenArrivedImage, 1);
    registry.PutDword(kMachine, kKey, sys::kTPasswordRequired, 1);
    PutPassword(kMachine, "secret");
    EXPECT_EQ(Resolve(), std::tuple(true, true, false, u"secret", u"")) << "not the new user's default password";
    EXPECT_EQ(Stored(sys::kFtspath), SzBytes(u""));
    EXPECT_EQ(Stored(sys::kImagePath), SzBytes(u""));
    EXPECT_EQ(Stored(sys::kOpenArrivedImage), DwordBytes(1));
    EXPECT_EQ(Stored(sys::kTPasswordRequired), DwordBytes(1));
    EXPECT_EQ(registry.GetValue(kUser, kKey, sys::kTPassword)->type, reg::kBinary);
    EXPECT_EQ(Stored(sys::kTPassword), "QZX");
    EXPECT_EQ(Resolve(), std::tuple(true, true, false, u"QZX", u"")) << "the next start";
}

// A restricted user may only read the machine key, so nothing else is asked of it.
TEST_F(FileSharingSettingsTest, FirstStartWithNoKeysCreatesTheUserKeyAndOnlyReadsTheMachineKey) {
    EXPECT_EQ(Resolve(), std::tuple(false, false, false, u"", u""));
    EXPECT_EQ(Stored(sys::kTPasswordRequired), DwordBytes(0));
    for (const auto& request : registry.KeyRequests())
        EXPECT_TRUE(request.root == kUser || (request.access == reg::kRead && !request.create));

    registry = MemoryRegistry();
    registry.Refuse(kUser, kKey, MemoryRegistry::Refusal::Create);
    registry.PutDword(kMachine, kKey, sys::kTPasswordRequired, 1);
    // A user key that cannot be made leaves the machine's values.
    EXPECT_EQ(Resolve(), std::tuple(false, true, false, u"", u""));
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
    registry.PutKey(kUser, kKey);
    RegKey reader(registry);
    ASSERT_TRUE(reader.Open(kUser, kKey, reg::kRead));
    for (const auto& c : cases) {
        PutPassword(kUser, c.stored);
        EXPECT_EQ(ReadTransferPassword(reader), c.read) << c.stored.size();
    }

    RegKey key(registry);
    ASSERT_TRUE(key.Open(kUser, kKey, reg::kReadWrite));
    EXPECT_TRUE(WriteTransferPassword(key, u""));
    EXPECT_EQ(Stored(sys::kTPassword), "");
    EXPECT_TRUE(WriteTransferPassword(key, std::u16string(100, u'\u20AC')));  // 300 bytes of UTF-8
    EXPECT_EQ(Stored(sys::kTPassword)->size(), 258u);
}

}  // namespace
