#include "pages/CDeviceGenProps.h"

#include <span>

#include "res/resource.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"
#include "base/Utf8.h"

namespace {

constexpr unsigned kNameLimit = 31;
// The "Proximity Pairing" group box, the sixth control without an id.
constexpr int kProximityGroupBox = 6;
constexpr char16_t kHelpTopic[] = u"faq-btsettings.html";

// Only blanks (U+0020) are trimmed; tabs and other white space stay.
std::u16string_view TrimBlanks(std::u16string_view text) {
    std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

}  // namespace

CDeviceGenProps::CDeviceGenProps(PageServices& services)
    : PropertyPage(IDD_GENERAL), services_(services) {}

void CDeviceGenProps::OnInitDialog(IDialogView& view) {
    view.Control(IDC_DEVICE_NAME).LimitText(kNameLimit);

    std::int32_t radioOn = info_->GetRadioOn();
    view.Control(IDC_RADIO_ON).SetChecked(radioOn != 0);
    lastKnownRadio_ = radioOn != 0;
    view.Control(IDC_DISCOVERABLE).SetChecked(info_->GetDiscoverable() != 0);
    lastKnownDiscoverable_ = info_->GetDiscoverable() != 0;
    view.Control(IDC_CONNECTABLE).SetChecked(info_->GetConnectable() != 0);
    // Discoverability needs the radio; the page never enables it again.
    if (radioOn == 0) view.Control(IDC_DISCOVERABLE).Enable(false);

    Text260 name = InitialDeviceName();
    if (!name.empty()) view.Control(IDC_DEVICE_NAME).SetText(name.view());

    view.Control(IDC_HIGH_SPEED).SetChecked(info_->GetHighSpeedOn());
    view.Control(IDC_PROXIMITY_PAIRING).SetChecked(info_->GetProximityPairingState() != 0);
    view.Control(IDC_PROXIMITY_PAIRING).Show(false);
    view.HideUnnamedChild(kProximityGroupBox);
}

// The stack's name; else the name the user last applied; else, when that key
// exists but holds no name, the computer's name.
Text260 CDeviceGenProps::InitialDeviceName() const {
    if (!info_->GetLocalDeviceName().empty()) return info_->GetLocalDeviceName();
    const IStringTable& strings = services_.strings;
    RegKey key(services_.registry);
    if (!key.Open(RegistryRoot::CurrentUser, strings.Load(schema::kUserNotificationsKeyText).c_str(),
                  reg::kRead))
        return {};
    StringReadRules rules;
    rules.bufferBytes = schema::kLocalDeviceNameReadBytes;
    Text260 stored(key.ReadString(strings.Load(schema::kLocalDeviceNameText).c_str(), rules)
                       .value_or(std::u16string()));
    return stored.empty() ? services_.shell.ComputerName() : stored;
}

bool CDeviceGenProps::OnCommand(IDialogView& view, int controlId) {
    if (controlId != IDC_RESTORE_DEFAULT) return false;
    RestoreDefaults(view);
    return true;
}

bool CDeviceGenProps::CheckName(IDialogView& view) {
    Text260 caption = services_.strings.Load(IDS_ERROR_CAPTION);
    if (!TrimBlanks(view.Control(IDC_DEVICE_NAME).GetText().view()).empty()) return true;
    view.ShowMessage(MessageOwner::Page, services_.strings.Load(IDS_NAME_EMPTY).view(), caption.view(),
                     kMessageOk);
    view.Control(IDC_DEVICE_NAME).SelectAllAndFocus();
    view.MarkUnchanged();
    return false;
}

bool CDeviceGenProps::OnApply(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    if (!info_->IsStackAvailable()) {
        view.ShowMessage(MessageOwner::Page, strings.Load(IDS_DEVICE_UNAVAILABLE_NOT_SAVED).view(),
                         strings.Load(IDS_CONFIG_ERROR_CAPTION).view(), kMessageError);
        return true;
    }
    if (!CheckName(view)) return false;
    Text260 caption = strings.Load(IDS_CONFIG_ERROR_CAPTION);

    bool radioWanted = view.Control(IDC_RADIO_ON).IsChecked();
    if (!ApplySwitch(view, IDC_RADIO_ON, lastKnownRadio_, &IBluetoothStack::GetRadioStatus,
                     &CpropertySheetInfo::SetRadioOn, &CpropertySheetInfo::ToggleRadio, caption) ||
        !ApplySwitch(view, IDC_DISCOVERABLE, lastKnownDiscoverable_,
                     &IBluetoothStack::GetDiscoveryModeStatus, &CpropertySheetInfo::SetDiscoverable,
                     &CpropertySheetInfo::ToggleDiscoverable, caption))
        return true;

    bool connectableWanted = view.Control(IDC_CONNECTABLE).IsChecked();
    if (connectableWanted != (info_->GetConnectable() != 0) &&
        !info_->ToggleConnectable(connectableWanted)) {
        view.ShowMessage(MessageOwner::None, strings.Load(IDS_DEVICE_UNAVAILABLE_NOT_SAVED).view(),
                         caption.view(), kMessageError);
        return true;
    }

    Text260 name(TrimBlanks(view.Control(IDC_DEVICE_NAME).GetText().view()));
    if (!ApplyName(view, name, caption) || !StoreUserSettings(view, radioWanted, name)) return true;

    bool highSpeed = view.Control(IDC_HIGH_SPEED).IsChecked();
    services_.stack.SetHighSpeedStatus(highSpeed);
    services_.stack.ProximityPairingOnOff(view.Control(IDC_PROXIMITY_PAIRING).IsChecked() ? 1 : 0);
    return true;
}

// The wanted state is compared with what the stack reports now, not with what
// the sheet read at start: another program may have switched it meanwhile.
bool CDeviceGenProps::ApplySwitch(IDialogView& view, int checkbox, std::int32_t& lastKnown,
                                  std::int32_t (IBluetoothStack::*readStatus)(std::int32_t*),
                                  void (CpropertySheetInfo::*store)(std::int32_t),
                                  bool (CpropertySheetInfo::*toggle)(std::int32_t),
                                  const Text260& caption) {
    std::int32_t wanted = view.Control(checkbox).IsChecked() ? 1 : 0;
    (services_.stack.*readStatus)(&lastKnown);
    (info_->*store)(lastKnown);
    if (wanted == (lastKnown != 0 ? 1 : 0)) return true;
    if ((info_->*toggle)(wanted)) {
        lastKnown = wanted;
        return true;
    }
    view.ShowMessage(MessageOwner::Page,
                     services_.strings.Load(IDS_DEVICE_UNAVAILABLE_NOT_SAVED).view(), caption.view(),
                     kMessageError);
    return false;
}

// The name reaches the stack only while the radio is on; a switched-off radio
// neither gets nor keeps the typed name.
bool CDeviceGenProps::ApplyName(IDialogView& view, const Text260& name, const Text260& caption) {
    if (!info_->IsStackAvailable() || lastKnownRadio_ == 0) return true;
    _VMR_LOCAL_DEVICE_INFO device{};
    StoreUtf8(name.view(), std::span<char>(device.friendlyName));
    if (!info_->SetDeviceName(device)) {
        view.ShowMessage(MessageOwner::Page, services_.strings.Load(IDS_SET_NAME_FAILED).view(),
                         caption.view(), kMessageError);
        return false;
    }
    info_->SetLocalDeviceName(name.view());
    return true;
}

bool CDeviceGenProps::StoreUserSettings(IDialogView& view, bool radioWanted, const Text260& name) {
    const IStringTable& strings = services_.strings;
    IRegistry& registry = services_.registry;
    constexpr auto kUser = RegistryRoot::CurrentUser;

    // The notifications key is made only under an existing product key.
    RegKey product(registry);
    if (product.Open(kUser, strings.Load(schema::kUserProductKeyText).c_str(), reg::kReadWrite)) {
        RegKey notifications(registry);
        if (!notifications.Create(kUser, strings.Load(schema::kUserNotificationsCreateKeyText).c_str(),
                                  reg::kReadWrite))
            return false;
    }

    if (info_->GetDiscoverable() != 0 && radioWanted) {
        RegKey notifications(registry);
        if (notifications.Open(kUser, strings.Load(schema::kUserNotificationsKeyText).c_str(),
                               reg::kReadWrite))
            notifications.WriteString(strings.Load(schema::kLocalDeviceNameText).c_str(), name.view());
    }

    RegKey settings(registry);
    if (!settings.Create(kUser, strings.Load(schema::kUserProductDefaultKeyText).c_str(), reg::kReadWrite))
        return false;
    settings.WriteDword(schema::kHighSpeed, view.Control(IDC_HIGH_SPEED).IsChecked() ? 1 : 0);
    return true;
}

// Loads the machine defaults into the controls; they take effect on apply,
// except proximity pairing, which reaches the stack at once.
void CDeviceGenProps::RestoreDefaults(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    constexpr auto kMachine = RegistryRoot::LocalMachine;

    RegKey notifications(services_.registry);
    if (notifications.Open(kMachine, strings.Load(schema::kMachineNotificationsKeyText).c_str(),
                           reg::kRead)) {
        auto flag = [&](unsigned valueText) {
            return notifications.ReadDword(strings.Load(valueText).c_str(), false).value_or(0) != 0;
        };
        view.Control(IDC_RADIO_ON).SetChecked(flag(schema::kRadioOnText));
        view.Control(IDC_DISCOVERABLE).SetChecked(flag(schema::kDiscoveryEnabledText));
        view.Control(IDC_DEVICE_NAME).SetText(services_.shell.ComputerName().view());
    }

    RegKey product(services_.registry);
    if (product.Open(kMachine, strings.Load(schema::kMachineProductKeyText).c_str(), reg::kRead)) {
        bool highSpeed = product.ReadDword(schema::kHighSpeed, false).value_or(0) != 0;
        view.Control(IDC_HIGH_SPEED).SetChecked(highSpeed);
        if (auto connectable = product.ReadDword(schema::kConnectivityAllowed, true))
            view.Control(IDC_CONNECTABLE).SetChecked(*connectable != 0);
    }

    RegKey proximity(services_.registry);
    if (proximity.Open(kMachine, strings.Load(schema::kProximityPairingKeyText).c_str(), reg::kRead)) {
        std::uint32_t state = proximity.ReadDword(schema::kProximityPairingDefaultState, false).value_or(0);
        view.Control(IDC_PROXIMITY_PAIRING).SetChecked(state != 0);
        services_.stack.ProximityPairingOnOff(static_cast<std::int32_t>(state));
    }

    view.MarkChanged();
}

void CDeviceGenProps::OnHelp(IDialogView&) { services_.OpenHelpTopic(kHelpTopic); }

bool CDeviceGenProps::OnNotify(IDialogView& view, const ControlNotification& notification) {
    if (notification.controlId != IDC_HELP_LINK || !notification.ClickOrReturn()) return false;
    OnHelp(view);
    return true;
}
