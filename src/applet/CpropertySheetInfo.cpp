#include "applet/CpropertySheetInfo.h"

bool CpropertySheetInfo::SetDeviceName(_VMR_LOCAL_DEVICE_INFO& info) {
    return NameOperationAllowed() && stack_->SetDeviceFriendlyName(&info) >= 0;
}

bool CpropertySheetInfo::GetDeviceName(_VMR_LOCAL_DEVICE_INFO& info) {
    return NameOperationAllowed() && stack_->GetDeviceFriendlyName(&info) >= 0;
}

bool CpropertySheetInfo::Toggle(std::int32_t (IBluetoothStack::*operation)(), std::int32_t& field,
                                std::int32_t newValue) {
    if (!stack_ || !stackAvailable_ || (stack_->*operation)() < 0) return false;
    field = newValue;
    return true;
}

bool CpropertySheetInfo::ToggleRadio(std::int32_t newValue) {
    return Toggle(&IBluetoothStack::ToggleRadioOnOff, radioOn_, newValue);
}

bool CpropertySheetInfo::ToggleDiscoverable(std::int32_t newValue) {
    return Toggle(&IBluetoothStack::ToggleDiscoverableOnOff, discoverable_, newValue);
}

bool CpropertySheetInfo::ToggleConnectable(std::int32_t newValue) {
    return Toggle(&IBluetoothStack::ToggleConnectivityState, connectable_, newValue);
}
