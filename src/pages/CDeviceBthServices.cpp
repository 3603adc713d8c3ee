#include "pages/CDeviceBthServices.h"

#include "res/resource.h"
#include "stack/StackName.h"

namespace {

constexpr int kProfileColumnWidth = 135;
constexpr int kDescriptionColumnWidth = 220;
constexpr char16_t kLowEnergyTopic[] = u"faq-blefob.html";

struct Service {
    unsigned profile;
    unsigned description;
};

// In display order, which is not the order of the ids: the headset's
// description has an id of its own, far from its profile's.
constexpr Service kServices[] = {
    {IDS_PROFILE_HID_HOST, IDS_DESC_HID_HOST},
    {IDS_PROFILE_HANDSFREE, IDS_DESC_HANDSFREE},
    {IDS_PROFILE_STEREO, IDS_DESC_STEREO},
    {IDS_PROFILE_REMOTE_CONTROL, IDS_DESC_REMOTE_CONTROL},
    {IDS_PROFILE_SERIAL_PORT, IDS_DESC_SERIAL_PORT},
    {IDS_PROFILE_DIAL_UP, IDS_DESC_DIAL_UP},
    {IDS_PROFILE_FILE_TRANSFER, IDS_DESC_FILE_TRANSFER},
    {IDS_PROFILE_OBJECT_PUSH, IDS_DESC_OBJECT_PUSH},
    {IDS_PROFILE_HCRP, IDS_DESC_HCRP},
    {IDS_PROFILE_BASIC_PRINTING, IDS_DESC_BASIC_PRINTING},
    {IDS_PROFILE_IMAGE_TRANSFER, IDS_DESC_IMAGE_TRANSFER},
    {IDS_PROFILE_SYNC, IDS_DESC_SYNC},
    {IDS_PROFILE_NETWORKING, IDS_DESC_NETWORKING},
    {IDS_PROFILE_HEADSET, IDS_DESC_HEADSET},
    {IDS_PROFILE_VIDEO_DISTRIBUTION, IDS_DESC_VIDEO_DISTRIBUTION},
};

}  // namespace

CDeviceBthServices::CDeviceBthServices(PageServices& services)
    : PropertyPage(IDD_BTH_SERVICES), services_(services) {}

void CDeviceBthServices::OnInitDialog(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    IListView& list = view.ListView(IDC_SERVICES_LIST);
    if (list.ItemCount() > 0) list.DeleteAllItems();
    list.InsertColumn(0, strings.Load(IDS_COLUMN_PROFILE).view(), kProfileColumnWidth);
    list.InsertColumn(1, strings.Load(IDS_COLUMN_DESCRIPTION).view(), kDescriptionColumnWidth);

    if (info_->IsStackAvailable()) {
        int row = 0;
        for (const Service& service : kServices) {
            list.InsertItem(row, strings.Load(service.profile).view());
            list.SetSubItemText(row++, 1, strings.Load(service.description).view());
        }
    } else {
        Text260 notAvailable = strings.Load(IDS_NOT_AVAILABLE);
        list.InsertItem(0, notAvailable.view());
        list.SetSubItemText(0, 1, notAvailable.view());
    }

    // The stack is asked afresh; the record's copy of the name is not used.
    _VMR_LOCAL_DEVICE_INFO device{};
    Text260 name = strings.Load(IDS_DEVICE_NAME_UNAVAILABLE);
    if (info_->GetDeviceName(device))
        name = StackNameText(device.friendlyName);
    view.Control(IDC_SERVICES_DEVICE_NAME).SetText(name.view());
}

void CDeviceBthServices::OnHelp(IDialogView&) {
    services_.OpenHelpTopic(services_.strings.Load(IDS_TOPIC_SUPPORTED_SERVICES).c_str());
}

bool CDeviceBthServices::OnNotify(IDialogView& view, const ControlNotification& notification) {
    switch (notification.controlId) {
    case IDC_SERVICES_HELP_LINK:
        if (notification.ClickOrReturn()) OnHelp(view);
        return notification.ClickOrReturn();
    case IDC_LOW_ENERGY_HELP_LINK:
        if (notification.ClickOrReturn()) services_.OpenHelpTopic(kLowEnergyTopic);
        return notification.ClickOrReturn();
    case IDC_SERVICES_LIST:
        // A click changes nothing but the selection.
        return notification.code == NotifyCode::Click;
    default:
        return false;
    }
}
