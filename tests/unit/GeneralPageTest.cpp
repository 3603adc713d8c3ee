#include <gtest/gtest.h>

#include "FakeDialogView.h"
#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "pages/CDeviceGenProps.h"

namespace {

constexpr char16_t kUserProduct[] = u"Software\\Velmora\\Quorvel";
constexpr char16_t kUserNotifications[] = u"Software\\Velmora\\Quorvel\\Notifications";
constexpr char16_t kUserDefault[] = u"Software\\Velmora\\Quorvel\\Default";
constexpr char16_t kMachineNotifications[] = u"SOFTWARE\\Velmora\\Quorvel\\Default\\Notifications";
constexpr char16_t kMachineDefault[] = u"SOFTWARE\\Velmora\\Quorvel\\Default";
constexpr char16_t kMachineProximity[] = u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing";
constexpr char16_t kUnavailable[] = u"Device Unavailable. Settings can not be saved.";
constexpr char16_t kConfigCaption[] = u"Bluetooth Configuration Error";

class GeneralPageTest : public RegistryTest {
protected:
    void SetUp() override {
        info.SetStackAvailable(true);
        info.SetRadioOn(1);
        info.SetDiscoverable(1);
        info.SetLocalDeviceName(u"Desk PC");
        page.SetSheetInfo(&info);
        registry.PutKey(kUser, kUserProduct);
    }

    void Open() {
        page.OnInitDialog(view);
        stack.calls.clear();
    }
    bool Apply() { return page.OnApply(view); }

    std::optional<std::u16string> StoredName() {
        auto value = registry.GetValue(kUser, kUserNotifications, u"LocalDeviceName");
        if (!value) return std::nullopt;
        return std::u16string(reinterpret_cast<const char16_t*>(value->bytes.data()),
                              value->bytes.size() / 2 - 1);
    }
    void ExpectOnlyMessage(MessageOwner owner, std::u16string_view text, unsigned flags) {
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].owner, owner);
        EXPECT_EQ(view.messages[0].text, text);
        EXPECT_EQ(view.messages[0].caption, kConfigCaption);
        EXPECT_EQ(view.messages[0].flags, flags);
    }

    FakeStack stack;
    CpropertySheetInfo info{&stack};
    FakeShell shell;
    PageServices services{registry, strings, shell};
    CDeviceGenProps page{services};
    FakeDialogView view;
};

TEST_F(GeneralPageTest, OpensWithTheRecordsStateAndHidesProximityPairing) {
    info.SetRadioOn(0);
    info.SetConnectable(0);
    info.SetHighSpeedOn(false);
    info.SetProximityPairingState(5);
    Open();
    EXPECT_EQ(view.limits[IDC_DEVICE_NAME], 31u);
    EXPECT_FALSE(view.IsChecked(IDC_RADIO_ON));
    EXPECT_TRUE(view.IsChecked(IDC_DISCOVERABLE));
    EXPECT_FALSE(view.IsEnabled(IDC_DISCOVERABLE)) << "discoverability needs the radio";
    EXPECT_FALSE(view.IsChecked(IDC_CONNECTABLE));
    EXPECT_FALSE(view.IsChecked(IDC_HIGH_SPEED));
    EXPECT_TRUE(view.IsChecked(IDC_PROXIMITY_PAIRING));
    EXPECT_FALSE(view.IsShown(IDC_PROXIMITY_PAIRING));
    EXPECT_EQ(view.hiddenUnnamed, std::vector<int>{3});
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"Desk PC");
    EXPECT_TRUE(stack.calls.empty());
}

TEST_F(GeneralPageTest, WithoutANameFromTheStackTheLastAppliedOrTheComputerNameIsShown) {
    info.SetLocalDeviceName(u"");
    Open();
    EXPECT_EQ(view.texts.count(IDC_DEVICE_NAME), 0u) << "no key: the box stays empty";

    registry.PutString(kUser, kUserNotifications, u"LocalDeviceName", u"");
    Open();
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"WORKSTATION");

    registry.PutString(kUser, kUserNotifications, u"LocalDeviceName", u"Study");
    Open();
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"Study");

    // Longer than the 520-byte buffer: the read fails and the computer name serves.
    registry.PutString(kUser, kUserNotifications, u"LocalDeviceName", std::u16string(300, u'n'));
    Open();
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"WORKSTATION");
}

TEST_F(GeneralPageTest, NothingChangedStillSendsTheNameHighSpeedAndProximity) {
    Open();
    EXPECT_TRUE(Apply());
    EXPECT_EQ(stack.calls, (std::vector<std::string>{"GetRadioStatus", "GetDiscoveryModeStatus",
                                                     "SetDeviceFriendlyName", "SetHighSpeedStatus",
                                                     "ProximityPairingOnOff"}));
    EXPECT_EQ(stack.nameSent, "Desk PC");
    EXPECT_EQ(stack.highSpeedSent, std::vector<bool>{true});
    EXPECT_EQ(stack.proximitySent, std::vector<std::int32_t>{0});
    EXPECT_EQ(StoredName(), u"Desk PC");
    EXPECT_EQ(registry.GetValue(kUser, kUserDefault, u"HighSpeed")->type, reg::kDword);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(GeneralPageTest, OnlyBlanksAreTrimmedFromTheName) {
    Open();
    view.texts[IDC_DEVICE_NAME] = u"  \tKitchen PC \t  ";
    EXPECT_TRUE(Apply());
    EXPECT_EQ(stack.nameSent, "\tKitchen PC \t");
    EXPECT_EQ(info.GetLocalDeviceName().view(), u"\tKitchen PC \t");
    EXPECT_EQ(StoredName(), u"\tKitchen PC \t");
}

TEST_F(GeneralPageTest, ANameOfBlanksKeepsTheSheetOpenOnTheNameBox) {
    Open();
    view.texts[IDC_DEVICE_NAME] = u"    ";
    EXPECT_FALSE(Apply());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Device name can not be empty. Please enter.");
    EXPECT_EQ(view.messages[0].caption, u"Error");
    EXPECT_EQ(view.messages[0].flags, kMessageOk);
    EXPECT_EQ(view.focused, std::vector<int>{IDC_DEVICE_NAME});
    EXPECT_EQ(view.unchanged, 1);
    EXPECT_TRUE(stack.calls.empty());
}

TEST_F(GeneralPageTest, AnUnavailableStackSavesNothing) {
    Open();
    info.SetStackAvailable(false);
    view.texts[IDC_DEVICE_NAME] = u"";
    EXPECT_TRUE(Apply()) << "checked before the name";
    ExpectOnlyMessage(MessageOwner::Page, kUnavailable, kMessageError);
    EXPECT_TRUE(stack.calls.empty());
    EXPECT_FALSE(registry.GetValue(kUser, kUserDefault, u"HighSpeed"));
}

TEST_F(GeneralPageTest, SwitchingTheRadioOffSendsNoNameAndStoresNoName) {
    Open();
    view.checked[IDC_RADIO_ON] = false;
    EXPECT_TRUE(Apply());
    EXPECT_TRUE(stack.Called("ToggleRadioOnOff"));
    EXPECT_FALSE(stack.Called("SetDeviceFriendlyName"));
    EXPECT_EQ(info.GetRadioOn(), 0);
    EXPECT_FALSE(StoredName());
    EXPECT_TRUE(registry.GetValue(kUser, kUserDefault, u"HighSpeed"));
}

TEST_F(GeneralPageTest, ARadioOffAtOpeningIsSwitchedOnAndDiscoverabilityStillApplied) {
    info.SetRadioOn(0);
    stack.radioOn = 0;
    stack.discoverable = 0;
    Open();
    view.checked[IDC_RADIO_ON] = true;  // 205 stays disabled but keeps its tick
    EXPECT_TRUE(Apply());
    EXPECT_EQ(stack.calls[1], "ToggleRadioOnOff");
    EXPECT_TRUE(stack.Called("ToggleDiscoverableOnOff"));
    EXPECT_TRUE(stack.Called("SetDeviceFriendlyName"));
    EXPECT_FALSE(view.IsEnabled(IDC_DISCOVERABLE));
}

TEST_F(GeneralPageTest, ClearingDiscoverableSendsTheNameButDoesNotStoreIt) {
    Open();
    view.checked[IDC_DISCOVERABLE] = false;
    EXPECT_TRUE(Apply());
    EXPECT_EQ(stack.nameSent, "Desk PC");
    EXPECT_FALSE(StoredName());
}

TEST_F(GeneralPageTest, EachStackFailureIsShownAndEndsTheApply) {
    struct Case {
        const char* failing;
        int control;
        MessageOwner owner;
        const char16_t* text;
    } cases[] = {
        {"ToggleRadioOnOff", IDC_RADIO_ON, MessageOwner::Page, kUnavailable},
        {"ToggleDiscoverableOnOff", IDC_DISCOVERABLE, MessageOwner::Page, kUnavailable},
        {"ToggleConnectivityState", IDC_CONNECTABLE, MessageOwner::None, kUnavailable},
        {"SetDeviceFriendlyName", 0, MessageOwner::Page, u"Unable to Set Local Device Name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        stack = FakeStack();
        view = FakeDialogView();
        Open();
        if (c.control) view.checked[c.control] = false;
        stack.results[c.failing] = -1;
        EXPECT_TRUE(Apply());
        ExpectOnlyMessage(c.owner, c.text, kMessageError);
        EXPECT_FALSE(stack.Called("SetHighSpeedStatus")) << "later steps are skipped";
        EXPECT_FALSE(registry.GetValue(kUser, kUserDefault, u"HighSpeed"));
    }
}

TEST_F(GeneralPageTest, UserKeysThatCannotBeCreatedEndTheApplySilently) {
    Open();
    registry.RefuseCreate(kUser, kUserNotifications);
    EXPECT_TRUE(Apply());
    EXPECT_FALSE(stack.Called("SetHighSpeedStatus"));

    registry = MemoryRegistry();
    stack.calls.clear();
    registry.RefuseCreate(kUser, kUserDefault);
    EXPECT_TRUE(Apply());
    EXPECT_FALSE(registry.HasKey(kUser, kUserNotifications)) << "made only under an existing product key";
    EXPECT_FALSE(stack.Called("SetHighSpeedStatus"));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(GeneralPageTest, RestoreDefaultLoadsTheMachineDefaultsIntoTheControls) {
    registry.PutDword(kMachine, kMachineNotifications, u"IsRadioOn", 0);
    registry.PutDword(kMachine, kMachineNotifications, u"IsDiscoveryEnabled", 1);
    registry.PutDword(kMachine, kMachineDefault, u"HighSpeed", 0);
    registry.PutDword(kMachine, kMachineDefault, u"IsConnectivityAllowed", 0);
    registry.PutDword(kMachine, kMachineProximity, u"DefaultState", 7);
    Open();
    view.texts[IDC_DEVICE_NAME] = u"Typed";
    EXPECT_TRUE(page.OnCommand(view, IDC_RESTORE_DEFAULT));
    EXPECT_FALSE(view.IsChecked(IDC_RADIO_ON));
    EXPECT_TRUE(view.IsChecked(IDC_DISCOVERABLE));
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"WORKSTATION");
    EXPECT_FALSE(view.IsChecked(IDC_HIGH_SPEED));
    EXPECT_FALSE(view.IsChecked(IDC_CONNECTABLE));
    EXPECT_TRUE(view.IsChecked(IDC_PROXIMITY_PAIRING));
    EXPECT_EQ(stack.proximitySent, std::vector<std::int32_t>{7}) << "the raw value, at once";
    EXPECT_EQ(view.changed, 1);
    EXPECT_EQ(info.GetRadioOn(), 1) << "the record changes only on apply";
}

TEST_F(GeneralPageTest, RestoreDefaultWithoutMachineKeysChangesNoControlButMarksTheSheet) {
    registry.PutString(kMachine, kMachineDefault, u"IsConnectivityAllowed", u"0");
    Open();
    auto before = view.checked;
    EXPECT_TRUE(page.OnCommand(view, IDC_RESTORE_DEFAULT));
    EXPECT_FALSE(view.IsChecked(IDC_HIGH_SPEED)) << "a missing HighSpeed reads as 0";
    view.checked[IDC_HIGH_SPEED] = before[IDC_HIGH_SPEED];
    EXPECT_EQ(view.checked, before) << "a string IsConnectivityAllowed leaves 206 alone";
    EXPECT_EQ(view.texts[IDC_DEVICE_NAME], u"Desk PC");
    EXPECT_TRUE(stack.calls.empty());
    EXPECT_EQ(view.changed, 1);
    EXPECT_FALSE(page.OnCommand(view, IDC_RADIO_ON)) << "checkboxes only mark the sheet changed";
}

TEST_F(GeneralPageTest, TheLinkAndTheHelpButtonOpenTheSameTopic) {
    page.OnLink(view, IDC_HELP_LINK, LinkActivation::Click);
    page.OnLink(view, IDC_HELP_LINK, LinkActivation::Return);
    page.OnHelp(view);
    ASSERT_EQ(shell.helpOpened.size(), 3u);
    for (const auto& [topic, format] : shell.helpOpened) {
        EXPECT_EQ(topic, u"faq-btsettings.html");
        EXPECT_EQ(format, u"%s\\HelpFiles\\");
    }
}

}  // namespace
