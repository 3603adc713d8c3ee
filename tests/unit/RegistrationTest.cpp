// The registry script engine and the Control Panel values of registration.

#include "FakeEnvironment.h"
#include "applet/Registration.h"
#include "applet/RegistryScript.h"

namespace {

constexpr char16_t kScript[] =
    u"HKCR\n{\nNoRemove AppID\n{\n'%APPID%' = s 'QuorvelCpl'\n'QuorvelCpl.DLL'\n{\nval AppID = s '%APPID%'\n}\n}\n}\n";
constexpr auto kClasses = RegistryRoot::ClassesRoot;
constexpr char16_t kModule[] = u"C:\\Program Files\\QuorvelCpl\\QuorvelCpl.dll";

TEST(RegistryScript, RefusesWhatItCannotParseWhole) {
    const char16_t* malformed[] = {
        u"HKCR { 'a' ", u"HKXX { }", u"HKCR { 'a' = s 'b }", u"HKCR { 'a' = d '1' }", u"HKCR { '%NOPE%' }",
        u"HKCR { 'a' { val = s 'x' } }", u"HKCR { = s 'x' }", u"HKCR { '50%' }", u"HKCR } {",
    };
    for (const char16_t* text : malformed)
        EXPECT_FALSE(ParseRegistryScript(text, {{u"APPID", sys::kAppId}})) << std::u16string(text).size();
    std::u16string deep = u"HKCR {";
    for (int i = 0; i < 40; ++i) deep += u" k {";
    EXPECT_FALSE(ParseRegistryScript(deep + std::u16string(41, u'}'), {})) << "nested beyond reason";

    auto script = ParseRegistryScript(u"hkey_local_machine { ForceRemove 'It''s' = s '100%%' { Delete Old } }", {});
    ASSERT_TRUE(script);
    const ScriptKey& key = (*script)[0].keys[0];
    EXPECT_EQ(std::tuple(key.flag, key.name, key.defaultValue, key.subkeys.at(0).flag),
              std::tuple(ScriptKey::Flag::ForceRemove, u"It's", u"100%", ScriptKey::Flag::Delete));
}

using ScriptApplyTest = RegistryTest;

TEST_F(ScriptApplyTest, RegistersTheAppIdAndRemovesItAgainButNeverTheAppIdKey) {
    auto apply = [&](bool registering, std::u16string_view text = kScript) {
        return ApplyRegistrationScript(registry, text, {{u"APPID", sys::kAppId}}, registering);
    };
    const std::u16string appIdKey = u"AppID\\" + std::u16string(sys::kAppId);
    registry.PutString(kClasses, u"AppID\\{Other}", u"", u"Other");
    for (int pass = 0; pass < 2; ++pass) EXPECT_EQ(apply(true), 0);
    EXPECT_EQ(registry.Bytes(kClasses, appIdKey, u""), SzBytes(u"QuorvelCpl"));
    EXPECT_EQ(registry.Bytes(kClasses, u"AppID\\QuorvelCpl.DLL", u"AppID"), SzBytes(sys::kAppId));

    EXPECT_EQ(apply(false), 0);
    EXPECT_FALSE(registry.HasKey(kClasses, appIdKey));
    EXPECT_FALSE(registry.HasKey(kClasses, u"AppID\\QuorvelCpl.DLL"));
    EXPECT_TRUE(registry.HasKey(kClasses, u"AppID\\{Other}"));
    EXPECT_EQ(apply(false), 0) << "nothing left to remove is no failure";

    registry.Refuse(kClasses, u"AppID\\QuorvelCpl.DLL", MemoryRegistry::Refusal::Create);
    EXPECT_EQ(apply(true), static_cast<long>(0x80070005)) << "access denied reads as access denied";
    EXPECT_FALSE(registry.HasKey(kClasses, appIdKey)) << "a failed registration is taken back";

    // A module whose script is missing, names no key or cannot be read says so.
    EXPECT_EQ(apply(true, u""), kScriptMissing);
    EXPECT_EQ(apply(false, u" \n"), kScriptMissing);
    EXPECT_EQ(apply(true, u"HKCR { } HKLM { }"), kScriptMissing) << "roots that name no key";
    EXPECT_EQ(apply(true, u"HKCR {"), kScriptMalformed);
}

// Each flag against a key that is there (with something of someone else's
// in it) and one that is not.  Unregistering reports what it could not take
// away from a kept key, however the keys around it went.
TEST_F(ScriptApplyTest, EachKeyFlagDoesWhatItSaysToKeysThatExistAndDoNotAndAKeptKeyThatRefusesIsReported) {
    const auto script = ParseRegistryScript(
        u"HKCR { ForceRemove Fresh = s 'new' { val V = s 'x' } Delete Gone NoRemove Kept { val Mine = s 'm' Sub } "
        u"Plain { val P = s 'p' } }", {});
    ASSERT_TRUE(script);
    for (bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "the keys exist" : "no key exists");
        registry = MemoryRegistry();
        if (existing) {
            for (const char16_t* key : {u"Fresh\\Old", u"Gone\\Deep", u"Kept\\Theirs", u"Plain\\Theirs"})
                registry.PutString(kClasses, key, u"", u"theirs");
            registry.PutString(kClasses, u"Fresh", u"Stale", u"theirs");
            registry.PutString(kClasses, u"Kept", u"Other", u"theirs");
        }
        EXPECT_EQ(ApplyRegistryScript(registry, *script, true), 0);
        EXPECT_EQ(registry.Bytes(kClasses, u"Fresh", u""), SzBytes(u"new"));
        EXPECT_EQ(registry.Bytes(kClasses, u"Fresh", u"V"), SzBytes(u"x"));
        EXPECT_FALSE(registry.HasKey(kClasses, u"Fresh\\Old") || registry.Bytes(kClasses, u"Fresh", u"Stale"))
            << "ForceRemove starts the key afresh";
        EXPECT_FALSE(registry.HasKey(kClasses, u"Gone")) << "Delete removes the key with its subkeys";
        EXPECT_EQ(registry.Bytes(kClasses, u"Kept", u"Mine"), SzBytes(u"m"));
        EXPECT_TRUE(registry.HasKey(kClasses, u"Kept\\Sub"));
        EXPECT_EQ(registry.Bytes(kClasses, u"Plain", u"P"), SzBytes(u"p"));

        EXPECT_EQ(ApplyRegistryScript(registry, *script, false), 0);
        EXPECT_FALSE(registry.HasKey(kClasses, u"Fresh") || registry.HasKey(kClasses, u"Plain"))
            << "keys without NoRemove go with all they hold";
        EXPECT_TRUE(registry.HasKey(kClasses, u"Kept")) << "NoRemove keeps the key";
        EXPECT_FALSE(registry.Bytes(kClasses, u"Kept", u"Mine") || registry.HasKey(kClasses, u"Kept\\Sub"))
            << "but not the script's values and subkeys";
        EXPECT_EQ(registry.HasKey(kClasses, u"Kept\\Theirs"), existing);
        EXPECT_EQ(registry.Bytes(kClasses, u"Kept", u"Other").has_value(), existing);
        EXPECT_FALSE(registry.HasKey(kClasses, u"Gone")) << "Delete keys are not recreated";
    }
    for (auto refusal : {MemoryRegistry::Refusal::WriteAccess, MemoryRegistry::Refusal::DeleteValue}) {
        registry = MemoryRegistry();
        ASSERT_EQ(ApplyRegistryScript(registry, *script, true), 0);
        registry.Refuse(kClasses, u"Kept", refusal);
        EXPECT_EQ(ApplyRegistryScript(registry, *script, false), static_cast<long>(0x80070005));
        EXPECT_TRUE(registry.Bytes(kClasses, u"Kept", u"Mine"));
    }
}

using ControlPanelValuesTest = RegistryTest;

// Registering writes the item under the applet's name in the current
// language; without the module path, the result is an invalid argument.
TEST_F(ControlPanelValuesTest, WritesAndDeletesTheItemUnderTheNameOfTheCurrentLanguage) {
    EXPECT_EQ(RegisterControlPanelItem(registry, strings, std::nullopt, 0), 0) << "no keys: nothing needs the path";
    EXPECT_FALSE(registry.HasKey(kMachine, sys::kCplsKey));
    registry.PutKey(kMachine, sys::kCplsKey);
    EXPECT_EQ(RegisterControlPanelItem(registry, strings, std::nullopt, 0), kInvalidArgument) << "the item needs it";
    registry.PutKey(kMachine, sys::kCategoriesKey);
    EXPECT_EQ(RegisterControlPanelItem(registry, strings, std::nullopt, 0), kInvalidArgument);
    EXPECT_EQ(UnregisterControlPanelItem(registry, strings, std::nullopt, 0), kInvalidArgument);

    strings.texts[IDS_APPLET_NAME] = u"Bluetooth-Einstellungen";
    for (int pass = 0; pass < 2; ++pass) EXPECT_EQ(RegisterControlPanelItem(registry, strings, Text260(kModule), 0), 0);
    EXPECT_EQ(registry.Bytes(kMachine, sys::kCplsKey, u"Bluetooth-Einstellungen"), SzBytes(kModule));
    EXPECT_EQ(registry.Bytes(kMachine, sys::kCategoriesKey, kModule), SzBytes(u"2,3,4"));
    for (const auto& request : registry.KeyRequests())
        EXPECT_EQ(std::tuple(request.create, request.access), std::tuple(false, reg::kWrite)) << "never created";
    EXPECT_EQ(UnregisterControlPanelItem(registry, strings, Text260(kModule), 5), 5) << "the script's result stands";
    EXPECT_FALSE(registry.Bytes(kMachine, sys::kCplsKey, u"Bluetooth-Einstellungen"));
    EXPECT_FALSE(registry.Bytes(kMachine, sys::kCategoriesKey, kModule));
}

// A key that is there but refuses (no administrator rights), or a value that
// cannot be written or deleted, gives its error; the other key is still done.
TEST_F(ControlPanelValuesTest, ARefusedKeyOrValueIsReportedAndTheOtherKeyStillDone) {
    using R = MemoryRegistry::Refusal;
    const struct {
        const char16_t* refusingKey;
        R refusal;
        bool registering;
    } cases[] = {
        {sys::kCplsKey, R::WriteAccess, true},      {sys::kCplsKey, R::WriteAccess, false},
        {sys::kCplsKey, R::SetValue, true},         {sys::kCplsKey, R::DeleteValue, false},
        {sys::kCategoriesKey, R::WriteAccess, true}, {sys::kCategoriesKey, R::WriteAccess, false},
        {sys::kCategoriesKey, R::SetValue, true},   {sys::kCategoriesKey, R::DeleteValue, false},
    };
    strings.texts[IDS_APPLET_NAME] = u"Bluetooth Settings";
    for (const auto& c : cases) {
        const bool cpls = c.refusingKey == sys::kCplsKey;
        SCOPED_TRACE(std::string(cpls ? "Cpls " : "categories ") + std::to_string(static_cast<int>(c.refusal)) +
                     (c.registering ? " registering" : " unregistering"));
        registry = MemoryRegistry();
        registry.PutString(kMachine, sys::kCplsKey, u"Bluetooth Settings", u"old");
        registry.PutString(kMachine, sys::kCategoriesKey, kModule, u"old");
        registry.Refuse(kMachine, c.refusingKey, c.refusal);
        auto update = c.registering ? RegisterControlPanelItem : UnregisterControlPanelItem;
        EXPECT_EQ(update(registry, strings, Text260(kModule), 0), static_cast<long>(0x80070005));
        // The other key's value is written anew or deleted.
        auto other = cpls ? registry.Bytes(kMachine, sys::kCategoriesKey, kModule)
                          : registry.Bytes(kMachine, sys::kCplsKey, u"Bluetooth Settings");
        EXPECT_EQ(other, c.registering ? std::optional(SzBytes(cpls ? u"2,3,4" : kModule)) : std::nullopt);
    }
    registry = MemoryRegistry();
    registry.PutKey(kMachine, sys::kCplsKey);
    registry.PutKey(kMachine, sys::kCategoriesKey);
    EXPECT_EQ(UnregisterControlPanelItem(registry, strings, Text260(kModule), 0), 0) << "no value is no failure";
}

}  // namespace
