#include "pages/CPIMSettingProps.h"

#include "res/resource.h"

namespace {

struct SwitchBox {
    PimSwitch setting;
    int checkbox;
};

// In the order the switches are stored.
constexpr SwitchBox kBoxes[] = {
    {PimSwitch::AllowDevicesToSend, IDC_PIM_ALLOW_SEND}, {PimSwitch::BusinessCards, IDC_PIM_BUSINESS_CARDS},
    {PimSwitch::CalendarItems, IDC_PIM_CALENDAR},        {PimSwitch::EmailMessages, IDC_PIM_EMAIL},
    {PimSwitch::Notes, IDC_PIM_NOTES},                   {PimSwitch::MailAttachments, IDC_PIM_ATTACHMENTS},
};

constexpr int kItemBoxes[] = {IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL, IDC_PIM_NOTES};

}  // namespace

CPIMSettingProps::CPIMSettingProps(PageServices& services)
    : PropertyPage(IDD_PIM_SETTINGS), services_(services), store_(services.registry) {}

void CPIMSettingProps::OnInitDialog(IDialogView& view) { LoadControls(view); }

// Each stored value as read is the check state; the attachment box is never
// disabled.
void CPIMSettingProps::LoadControls(IDialogView& view) {
    for (const SwitchBox& box : kBoxes) view.Control(box.checkbox).SetChecked(store_.Get(box.setting) != 0);
    EnableItems(view, store_.Get(PimSwitch::AllowDevicesToSend) != 0);
}

void CPIMSettingProps::EnableItems(IDialogView& view, bool enabled) {
    for (int id : kItemBoxes) view.Control(id).Enable(enabled);
}

bool CPIMSettingProps::OnCommand(IDialogView& view, int controlId) {
    if (controlId != IDC_PIM_ALLOW_SEND) return false;
    view.MarkChanged();
    EnableItems(view, view.Control(IDC_PIM_ALLOW_SEND).IsChecked());
    return true;
}

// Only a click: Return on the link is not handled.
bool CPIMSettingProps::OnNotify(IDialogView&, const ControlNotification& notification) {
    if (notification.controlId != IDC_PIM_HELP_LINK || notification.code != NotifyCode::Click) return false;
    services_.OpenHelpTopic(services_.strings.Load(IDS_TOPIC_PIM).c_str());
    return true;
}

// The item switches are sent and stored as they stand, also while sharing
// PIM items is off and they are disabled.
bool CPIMSettingProps::OnApply(IDialogView& view) {
    auto ticked = [&view](int id) -> std::uint32_t { return view.Control(id).IsChecked() ? 1 : 0; };
    _VMR_OPP_CONFIG_DATA config{ticked(IDC_PIM_ALLOW_SEND), ticked(IDC_PIM_BUSINESS_CARDS), ticked(IDC_PIM_EMAIL),
                                ticked(IDC_PIM_NOTES), ticked(IDC_PIM_CALENDAR)};
    services_.stack.OppSetServerConfig(&config);
    for (const SwitchBox& box : kBoxes) store_.Set(box.setting, ticked(box.checkbox));
    store_.SetFolderPath(u"");
    LoadControls(view);
    return true;
}
