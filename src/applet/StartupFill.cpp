#include "applet/StartupFill.h"

#include "base/DecimalText.h"
#include "settings/FileSharingSettings.h"
#include "settings/RadioSettings.h"
#include "stack/StackName.h"

namespace {

void ReadStackState(CpropertySheetInfo& info, IBluetoothStack& stack) {
    std::int32_t radioOn = 0;
    stack.GetRadioStatus(&radioOn);
    info.SetRadioOn(radioOn);

    std::int32_t discoverable = 0;
    stack.GetDiscoveryModeStatus(&discoverable);
    info.SetDiscoverable(discoverable);

    std::int32_t connectable = 0;
    info.SetConnectable(stack.GetConnectivityStatus(&connectable) == 0 ? connectable : 0);
}

void ReadDeviceState(CpropertySheetInfo& info, IBluetoothStack& stack) {
    _VMR_LOCAL_DEVICE_INFO named{};
    stack.GetDeviceFriendlyName(&named);
    info.SetLocalDeviceName(StackNameText(named.friendlyName).view());

    stack.GetLocalDeviceInfo(&info.LocalDeviceInfo());

    // The stack reports the firmware number unsigned; it is shown signed.
    std::uint32_t firmware = 0;
    stack.GetLocalFirmwareVersion(&firmware);
    info.SetFirmwareVersionText(DecimalText(static_cast<std::int32_t>(firmware)));
}

void ReadRegistryState(CpropertySheetInfo& info, IRegistry& registry, const IStringTable& strings) {
    if (auto on = ReadContentProtection(registry)) info.SetContentProtectionOn(*on);
    if (auto state = ReadProximityPairingState(registry, strings)) info.SetProximityPairingState(*state);
    info.SetHighSpeedOn(ReadHighSpeed(registry, strings));

    FileSharingValues sharing = ResolveFileSharingAtStartup(registry);
    info.SetOpenArrivedImage(sharing.openArrivedImage);
    info.SetTransferPasswordRequired(sharing.transferPasswordRequired);
    info.SetTransferPassword(sharing.transferPassword);
    // A stored folder longer than the record and its box hold would be cut
    // into another path: it is not taken, as if none were stored.
    if (!sharing.exchangeFolder.empty() && sharing.exchangeFolder.size() < Text260::capacity())
        info.SetExchangeFolderPath(sharing.exchangeFolder);
    info.SetObexServersDisabled(sharing.obexServersDisabled);
}

}  // namespace

void FillSheetInfoAtStartup(CpropertySheetInfo& info, IRegistry& registry,
                            const IStringTable& strings,
                            const NotificationWindowFactory& createNotificationWindow) {
    IBluetoothStack& stack = *info.Stack();
    if (stack.RegisterApplication() == 0) info.SetStackAvailable(true);
    stack.ObexRegisterApplication();
    ReadStackState(info, stack);
    if (createNotificationWindow) createNotificationWindow(info);
    ReadDeviceState(info, stack);
    ReadRegistryState(info, registry, strings);
}
