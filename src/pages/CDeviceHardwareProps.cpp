#include "pages/CDeviceHardwareProps.h"

#include <array>

#include "res/resource.h"
#include "stack/DeviceAddress.h"

namespace {

constexpr int kLabelColumnWidth = 135;
constexpr int kValueColumnWidth = 190;

enum Row { kManufacturer, kAddress, kVersion, kFirmware };

// The version numbers the stack reports, 0 to 6; anything later is unknown.
constexpr std::array<const char16_t*, 7> kVersions = {u"1.0", u"1.1", u"1.2", u"2.0", u"2.1", u"3.0", u"4.0"};

}  // namespace

CDeviceHardwareProps::CDeviceHardwareProps(PageServices& services)
    : PropertyPage(IDD_HARDWARE), services_(services) {}

void CDeviceHardwareProps::OnInitDialog(IDialogView& view) {
    IListView& list = view.ListView(IDC_HARDWARE_LIST);
    list.InsertColumn(0, services_.strings.Load(IDS_COLUMN_PROPERTY).view(), kLabelColumnWidth);
    list.InsertColumn(1, services_.strings.Load(IDS_COLUMN_VALUE).view(), kValueColumnWidth);
    FillList(view);
}

// Refresh reads the record again; it changes nothing, so the sheet is not
// marked changed.
bool CDeviceHardwareProps::OnCommand(IDialogView& view, int controlId) {
    if (controlId != IDC_HARDWARE_REFRESH) return false;
    FillList(view);
    return true;
}

void CDeviceHardwareProps::FillList(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    IListView& list = view.ListView(IDC_HARDWARE_LIST);
    if (list.ItemCount() > 0) list.DeleteAllItems();
    const unsigned labels[] = {IDS_MANUFACTURER, IDS_DEVICE_ADDRESS, IDS_BLUETOOTH_VERSION, IDS_FIRMWARE_VERSION};
    for (int row = kManufacturer; row <= kFirmware; ++row) list.InsertItem(row, strings.Load(labels[row]).view());
    list.SetSubItemText(kManufacturer, 1, strings.Load(IDS_MANUFACTURER_NAME).view());

    IControlView& status = view.Control(IDC_HARDWARE_STATUS);
    if (info_->IsStackAvailable() && info_->GetRadioOn() != 0) {
        status.SetText(u"");
        const _VMR_LOCAL_DEVICE_INFO& device = info_->LocalDeviceInfo();
        list.SetSubItemText(kAddress, 1, DeviceAddressText(device).view());
        Text260 version = device.btVersion < kVersions.size() ? Text260(kVersions[device.btVersion])
                                                              : strings.Load(IDS_UNKNOWN_VERSION);
        list.SetSubItemText(kVersion, 1, version.view());
        list.SetSubItemText(kFirmware, 1, info_->GetFirmwareVersionText().view());
        return;
    }
    status.SetText(strings.Load(IDS_DEVICE_UNAVAILABLE_STATUS).view());
    Text260 unavailable = strings.Load(IDS_UNAVAILABLE);
    list.SetSubItemText(kAddress, 1, unavailable.view());
    list.SetSubItemText(kVersion, 1, unavailable.view());
    // With the stack there but the radio off, the firmware cell stays empty.
    if (!info_->IsStackAvailable()) list.SetSubItemText(kFirmware, 1, unavailable.view());
}
