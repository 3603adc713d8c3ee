#include "PageFixture.h"
#include "base/Utf8.h"
#include "pages/CDeviceGenProps.h"

namespace {

const std::u16string kUnavailable = TextOf(IDS_DEVICE_UNAVAILABLE_NOT_SAVED);

class GeneralPageTest : public PageTest<CDeviceGenProps> {
protected:
    void SetUp() override {
        info.SetStackAvailable(true);
        info.SetRadioOn(1);
        info.SetDiscoverable(1);
        info.SetLocalDeviceName(u"Desk PC");
        registry.PutKey(kUser, sys::kUserProductKey);
    }
    bool HighSpeedStored() { return registry.Bytes(kUser, sys::kUserDefaultKey, sys::kHighSpeed).has_value(); }
    void ExpectOnlyMessage(MessageOwner owner, const std::u16string& text, unsigned caption, unsigned flags) {
        EXPECT_EQ(view.messages, (std::vector<ShownMessage>{{owner, text, TextOf(caption), flags}}));
    }
    static constexpr std::initializer_list<int> kSwitches = {IDC_RADIO_ON, IDC_DISCOVERABLE, IDC_CONNECTABLE,
                                                             IDC_HIGH_SPEED, IDC_PROXIMITY_PAIRING};
};

TEST_F(GeneralPageTest, OpensWithTheRecordsStateAndHidesProximityPairing) {
    info.SetRadioOn(0);
    info.SetConnectable(0);
    info.SetHighSpeedOn(false);
    info.SetProximityPairingState(5);
    Open();
    EXPECT_EQ(Checks(kSwitches), (std::vector<bool>{false, true, false, false, true}));
    EXPECT_EQ(std::tuple(Control(IDC_DEVICE_NAME).text, Control(IDC_DEVICE_NAME).limit,
                         Control(IDC_PROXIMITY_PAIRING).shown, view.hiddenUnnamed),
              std::tuple(u"Desk PC", 31u, false, std::vector<int>{6}));
    // Discoverability follows the radio as it was at the opening: neither
    // ticking the radio nor restoring the defaults enables it before the next.
    for (int step : {0, IDC_RADIO_ON, IDC_RESTORE_DEFAULT}) {
        Control(IDC_RADIO_ON).checked = step != 0;
        if (step) page.OnCommand(view, step);
        EXPECT_EQ(Enabled(kSwitches), (std::vector<bool>{true, false, true, true, true})) << step;
    }
}

TEST_F(GeneralPageTest, WithoutANameFromTheStackTheLastAppliedOrTheComputerNameIsShown) {
    info.SetLocalDeviceName(u"");
    const struct {
        std::optional<std::u16string> stored;  // none: no key
        std::u16string shown;
    } cases[] = {
        {std::nullopt, u""},
        {u"", u"WORKSTATION"},
        {u"Study", u"Study"},
        // Longer than the 520-byte buffer: the read fails and the computer name serves.
        {std::u16string(300, u'n'), u"WORKSTATION"},
    };
    for (const auto& c : cases) {
        if (c.stored) registry.PutString(kUser, sys::kUserNotificationsKey, sys::kLocalDeviceName, *c.stored);
        Open();
        EXPECT_EQ(Control(IDC_DEVICE_NAME).text, c.shown) << (c.stored ? std::to_string(c.stored->size()) : "no key");
    }
}

// The apply step's stack calls and stored name: the toggles run only on a
// difference, the name goes to the stack only with the radio on and to the
// user's key only when discoverable, and only blanks are trimmed.
TEST_F(GeneralPageTest, ApplySendsAndStoresWhatTheControlsSay) {
    const std::string radio = "GetRadioStatus", discovery = "GetDiscoveryModeStatus", name = "SetDeviceFriendlyName";
    const std::string speed = "SetHighSpeedStatus", proximity = "ProximityPairingOnOff";
    const struct {
        const char* what;
        bool radioAtOpen, radio, discoverable;
        std::u16string typed;
        std::vector<std::string> calls;
        std::u16string sent;  // also what the record keeps
        bool stored;          // in the user's key
    } cases[] = {
        {"nothing changed", true, true, true, u"Desk PC", {radio, discovery, name, speed, proximity}, u"Desk PC", true},
        {"blanks around", true, true, true, u"  \tKitchen PC \t  ", {radio, discovery, name, speed, proximity},
         u"\tKitchen PC \t", true},
        {"radio off", true, false, true, u"Typed", {radio, "ToggleRadioOnOff", discovery, speed, proximity}, u"", false},
        {"not discoverable", true, true, false, u"Desk PC",
         {radio, discovery, "ToggleDiscoverableOnOff", name, speed, proximity}, u"Desk PC", false},
        // 205 stays disabled while the radio was off, but its tick is applied.
        {"radio on again", false, true, true, u"Desk PC",
         {radio, "ToggleRadioOnOff", discovery, "ToggleDiscoverableOnOff", name, speed, proximity}, u"Desk PC", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        stack.radioOn = stack.discoverable = c.radioAtOpen;
        info.SetRadioOn(c.radioAtOpen);
        info.SetDiscoverable(c.radioAtOpen);
        info.SetLocalDeviceName(u"");
        Open();
        Control(IDC_RADIO_ON).checked = c.radio;
        Control(IDC_DISCOVERABLE).checked = c.discoverable;
        Control(IDC_DEVICE_NAME).text = c.typed;
        Control(IDC_HIGH_SPEED).checked = true;  // and proximity pairing off: the two differ
        Control(IDC_PROXIMITY_PAIRING).checked = false;
        EXPECT_TRUE(page.OnApply(view));
        EXPECT_EQ(stack.calls, c.calls);
        EXPECT_EQ(std::tuple(Utf8ToUtf16(stack.nameSent), std::u16string(info.GetLocalDeviceName().view()),
                             info.GetRadioOn(), info.IsStackAvailable()),
                  std::tuple(c.sent, c.sent, c.radio ? 1 : 0, true));
        EXPECT_EQ(registry.Bytes(kUser, sys::kUserNotificationsKey, sys::kLocalDeviceName),
                  c.stored ? std::optional(SzBytes(c.sent)) : std::nullopt);
        EXPECT_EQ(std::pair(stack.highSpeedSent, stack.proximitySent), std::pair(std::vector{true}, std::vector{0}));
        EXPECT_EQ(registry.GetValue(kUser, sys::kUserDefaultKey, sys::kHighSpeed),
                  (MemoryRegistry::Value{reg::kDword, DwordBytes(1)}));
        EXPECT_TRUE(view.messages.empty());
    }
}

// Apply asks the record at that moment: the hidden window may have changed
// the stack's availability since the page opened.  Only with the stack there
// is the name checked, and a name of blanks keeps the sheet open on its box.
TEST_F(GeneralPageTest, ApplyFollowsTheStacksAvailabilityAtTheTimeOfApply) {
    for (bool availableAtOpen : {true, false}) {
        SCOPED_TRACE(availableAtOpen);
        Fresh();
        info.SetStackAvailable(availableAtOpen);
        Open();
        info.SetStackAvailable(!availableAtOpen);
        Control(IDC_DEVICE_NAME).text = u"    ";
        EXPECT_EQ(page.OnApply(view), availableAtOpen);
        EXPECT_TRUE(stack.calls.empty());
        EXPECT_FALSE(HighSpeedStored());
        if (availableAtOpen) {
            ExpectOnlyMessage(MessageOwner::Page, kUnavailable, IDS_CONFIG_ERROR_CAPTION, kMessageError);
        } else {
            ExpectOnlyMessage(MessageOwner::Page, TextOf(IDS_NAME_EMPTY), IDS_ERROR_CAPTION, kMessageOk);
            EXPECT_EQ(Control(IDC_DEVICE_NAME).focused, 1);
            EXPECT_EQ(view.unchanged, 1);
        }
    }
}

TEST_F(GeneralPageTest, EachStackFailureIsShownAndEndsTheApply) {
    struct Case {
        const char* failing;
        int control;
        MessageOwner owner;
        std::u16string text;
    } cases[] = {
        {"ToggleRadioOnOff", IDC_RADIO_ON, MessageOwner::Page, kUnavailable},
        {"ToggleDiscoverableOnOff", IDC_DISCOVERABLE, MessageOwner::Page, kUnavailable},
        {"ToggleConnectivityState", IDC_CONNECTABLE, MessageOwner::None, kUnavailable},
        {"SetDeviceFriendlyName", 0, MessageOwner::Page, TextOf(IDS_SET_NAME_FAILED)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        Fresh();
        Open();
        if (c.control) Control(c.control).checked = false;
        stack.results[c.failing] = -1;
        EXPECT_TRUE(page.OnApply(view));
        ExpectOnlyMessage(c.owner, c.text, IDS_CONFIG_ERROR_CAPTION, kMessageError);
        EXPECT_EQ(std::tuple(info.GetRadioOn(), info.GetDiscoverable(), info.GetConnectable(), info.IsStackAvailable()),
                  std::tuple(1, 1, 1, true)) << "a refused toggle stores nothing";
        EXPECT_FALSE(stack.Called("SetHighSpeedStatus")) << "later steps are skipped";
        EXPECT_FALSE(HighSpeedStored());
    }
}

// Restore Default reads its switches as untyped 32-bit values, except
// IsConnectivityAllowed, which counts only as a REG_DWORD.  Each case starts
// from the box state that a wrong reading would not leave.  Without machine
// keys nothing changes.
TEST_F(GeneralPageTest, RestoreDefaultReadsEachMachineValueAsItsTypeRuleSays) {
    const struct {
        const char16_t* key;
        const char16_t* value;
        std::uint32_t type;
        std::string bytes;
        int control;
        bool before, after;
    } cases[] = {
        {sys::kMachineNotificationsKey, sys::kIsRadioOn, reg::kBinary, DwordBytes(1), IDC_RADIO_ON, false, true},
        {sys::kMachineNotificationsKey, sys::kIsDiscoveryEnabled, reg::kDword, DwordBytes(0), IDC_DISCOVERABLE, true, false},
        {sys::kMachineDefaultKey, sys::kHighSpeed, reg::kSz, SzBytes(u"1"), IDC_HIGH_SPEED, false, true},
        {sys::kMachineDefaultKey, sys::kIsConnectivityAllowed, reg::kDword, DwordBytes(1), IDC_CONNECTABLE, false, true},
        {sys::kMachineDefaultKey, sys::kIsConnectivityAllowed, reg::kDword, DwordBytes(0), IDC_CONNECTABLE, true, false},
        {sys::kMachineDefaultKey, sys::kIsConnectivityAllowed, reg::kSz, SzBytes(u"1"), IDC_CONNECTABLE, false, false},
        {sys::kMachineDefaultKey, sys::kIsConnectivityAllowed, reg::kBinary, DwordBytes(1), IDC_CONNECTABLE, false, false},
        {sys::kMachineProximityKey, sys::kProximityDefaultState, reg::kBinary, std::string("\7\0", 2), IDC_PROXIMITY_PAIRING, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "control " << c.control << ", type " << c.type);
        Fresh();
        registry.PutValue(kMachine, c.key, c.value, c.type, c.bytes);
        Open();
        Control(c.control).checked = c.before;
        EXPECT_TRUE(page.OnCommand(view, IDC_RESTORE_DEFAULT));
        const bool nameRestored = std::u16string_view(c.key) == sys::kMachineNotificationsKey;
        EXPECT_EQ(std::tuple(Control(c.control).checked, view.changed, Control(IDC_DEVICE_NAME).text),
                  std::tuple(c.after, 1, nameRestored ? u"WORKSTATION" : u"Desk PC"));
        EXPECT_EQ(std::tuple(info.GetRadioOn(), std::u16string(info.GetLocalDeviceName().view())),
                  std::tuple(1, u"Desk PC")) << "the record changes only on apply";
    }
    EXPECT_EQ(stack.proximitySent, std::vector<std::int32_t>{7}) << "the raw value, at once";

    // Without machine keys no control changes, but the sheet is marked.
    Fresh();
    Open();
    for (int id : kSwitches) Control(id).checked = id % 2 == 0;
    const auto before = Checks(kSwitches);
    EXPECT_TRUE(page.OnCommand(view, IDC_RESTORE_DEFAULT));
    EXPECT_EQ(std::tuple(Checks(kSwitches), Control(IDC_DEVICE_NAME).text, stack.calls, view.changed),
              std::tuple(before, u"Desk PC", std::vector<std::string>(), 1));
    EXPECT_FALSE(page.OnCommand(view, IDC_RADIO_ON)) << "checkboxes only mark the sheet changed";
}

}  // namespace
