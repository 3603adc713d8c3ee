#pragma once
// The sheet state record: what the stack and the registry said when the sheet
// opened, and what the pages have changed since.  One record per run, owned
// by the run; the sheet and the pages reach it through CpropertySheetInfoRef.

#include <cstdint>
#include <string>

#include "base/FixedText.h"
#include "stack/IBluetoothStack.h"
#include "stack/StackRecords.h"

class CpropertySheetInfo {
public:
    // The record calls the stack only through its guarded operations below.
    explicit CpropertySheetInfo(IBluetoothStack* stack = nullptr) : stack_(stack) {}
    virtual ~CpropertySheetInfo() = default;

    CpropertySheetInfo(const CpropertySheetInfo&) = delete;
    CpropertySheetInfo& operator=(const CpropertySheetInfo&) = delete;

    IBluetoothStack* Stack() const { return stack_; }

    // Stack operations, refused without calling the stack while the stack is
    // not available (the name operations also while the radio is off).  The
    // toggles store the new value only when the stack accepted the change.
    bool SetDeviceName(_VMR_LOCAL_DEVICE_INFO& info);
    bool GetDeviceName(_VMR_LOCAL_DEVICE_INFO& info);
    bool ToggleRadio(std::int32_t newValue);
    bool ToggleDiscoverable(std::int32_t newValue);
    bool ToggleConnectable(std::int32_t newValue);

    bool IsStackAvailable() const { return stackAvailable_; }
    void SetStackAvailable(bool available) { stackAvailable_ = available; }

    std::int32_t GetRadioOn() const { return radioOn_; }
    void SetRadioOn(std::int32_t on) { radioOn_ = on; }
    std::int32_t GetDiscoverable() const { return discoverable_; }
    void SetDiscoverable(std::int32_t on) { discoverable_ = on; }
    std::int32_t GetConnectable() const { return connectable_; }
    void SetConnectable(std::int32_t on) { connectable_ = on; }

    bool GetContentProtectionOn() const { return contentProtectionOn_; }
    void SetContentProtectionOn(bool on) { contentProtectionOn_ = on; }
    bool GetHighSpeedOn() const { return highSpeedOn_; }
    void SetHighSpeedOn(bool on) { highSpeedOn_ = on; }
    std::uint32_t GetProximityPairingState() const { return proximityPairingState_; }
    void SetProximityPairingState(std::uint32_t state) { proximityPairingState_ = state; }

    std::uint32_t GetObexServersDisabled() const { return obexServersDisabled_; }
    void SetObexServersDisabled(std::uint32_t disabled) { obexServersDisabled_ = disabled ? 1 : 0; }
    std::uint32_t GetTransferPasswordRequired() const { return transferPasswordRequired_; }
    void SetTransferPasswordRequired(std::uint32_t required) { transferPasswordRequired_ = required ? 1 : 0; }
    std::uint32_t GetOpenArrivedImage() const { return openArrivedImage_; }
    void SetOpenArrivedImage(std::uint32_t open) { openArrivedImage_ = open ? 1 : 0; }

    // The two strings are held whole; the getters hand out 260-unit copies.
    Text260 GetExchangeFolderPath() const { return Text260(exchangeFolderPath_); }
    void SetExchangeFolderPath(std::u16string_view path) { exchangeFolderPath_ = path; }
    Text260 GetTransferPassword() const { return Text260(transferPassword_); }
    void SetTransferPassword(std::u16string_view password) { transferPassword_ = password; }

    const Text260& GetLocalDeviceName() const { return localDeviceName_; }
    void SetLocalDeviceName(std::u16string_view name) { localDeviceName_.assign(name); }
    _VMR_LOCAL_DEVICE_INFO& LocalDeviceInfo() { return localDeviceInfo_; }
    const _VMR_LOCAL_DEVICE_INFO& LocalDeviceInfo() const { return localDeviceInfo_; }
    const Text260& GetFirmwareVersionText() const { return firmwareVersionText_; }
    void SetFirmwareVersionText(std::u16string_view text) { firmwareVersionText_.assign(text); }

    // The hidden notification window and its device notification, as opaque
    // handles: created by the start-up fill, released by the run.
    void* NotificationWindow() const { return notificationWindow_; }
    void SetNotificationWindow(void* window) { notificationWindow_ = window; }
    void* DeviceNotification() const { return deviceNotification_; }
    void SetDeviceNotification(void* notification) { deviceNotification_ = notification; }

private:
    bool Toggle(std::int32_t (IBluetoothStack::*operation)(), std::int32_t& field,
                std::int32_t newValue);
    bool NameOperationAllowed() const { return stack_ && stackAvailable_ && radioOn_ != 0; }

    IBluetoothStack* stack_;
    bool stackAvailable_ = false;
    std::int32_t radioOn_ = 0;
    std::int32_t discoverable_ = 0;
    bool contentProtectionOn_ = false;
    std::uint32_t obexServersDisabled_ = 0;
    std::uint32_t transferPasswordRequired_ = 0;
    std::uint32_t openArrivedImage_ = 0;
    std::u16string exchangeFolderPath_;
    std::u16string transferPassword_;
    Text260 localDeviceName_;
    _VMR_LOCAL_DEVICE_INFO localDeviceInfo_{};
    Text260 firmwareVersionText_;
    bool highSpeedOn_ = true;
    std::int32_t connectable_ = 1;
    std::uint32_t proximityPairingState_ = 0;
    void* notificationWindow_ = nullptr;
    void* deviceNotification_ = nullptr;
};

// The base through which the sheet and the pages reach the one record.  It
// never owns the record.
class CpropertySheetInfoRef {
public:
    void SetSheetInfo(CpropertySheetInfo* info) { info_ = info; }
    CpropertySheetInfo* SheetInfo() const { return info_; }

protected:
    CpropertySheetInfo* info_ = nullptr;
};
