#include "pages/CDevSCMSSettings.h"

#include "res/resource.h"

CDevSCMSSettings::CDevSCMSSettings(PageServices& services)
    : PropertyPage(IDD_AUDIO_VIDEO), services_(services) {}

void CDevSCMSSettings::OnInitDialog(IDialogView& view) {
    view.Control(IDC_CONTENT_PROTECTION).SetChecked(info_->GetContentProtectionOn());
}

// The stack keeps the switch; the stack's availability is not asked, and a
// failure goes unnoticed.
bool CDevSCMSSettings::OnApply(IDialogView& view) {
    bool wanted = view.Control(IDC_CONTENT_PROTECTION).IsChecked();
    info_->SetContentProtectionOn(wanted);
    services_.stack.SetScmstValue(wanted);
    return true;
}
