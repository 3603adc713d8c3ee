#include "pages/CFtpFileSharingDlg.h"

#include <algorithm>

#include "base/FormatText.h"
#include "res/resource.h"
#include "settings/FileSharingSettings.h"
#include "settings/ImageFolderSettings.h"
#include "settings/SettingsSchema.h"

CFtpFileSharingDlg::CFtpFileSharingDlg(PageServices& services)
    : PropertyPage(IDD_FILE_SHARING),
      services_(services),
      exchange_{IDC_EXCHANGE_FOLDER, IDC_EXCHANGE_BROWSE, IDC_OPEN_EXCHANGE_LINK, {}},
      imaging_{IDC_IMAGING_FOLDER, IDC_IMAGING_BROWSE, IDC_OPEN_IMAGING_LINK, {}} {}

void CFtpFileSharingDlg::OnInitDialog(IDialogView& view) {
    const IStringTable& strings = services_.strings;
    // The switch is a box without a visible text: it carries the label's
    // text as well, which a screen reader reads out and the box cannot show.
    for (int control : {IDC_SHARING_LABEL, IDC_SHARING_ENABLED})
        view.Control(control).SetText(strings.Load(IDS_SHARING_LABEL).view());
    view.Control(IDC_OPEN_EXCHANGE_LINK).SetText(strings.Load(IDS_OPEN_EXCHANGE_LINK).view());
    view.Control(IDC_OPEN_IMAGING_LINK).SetText(strings.Load(IDS_OPEN_IMAGING_LINK).view());

    exchange_.saved = info_->GetExchangeFolderPath();
    imaging_.saved = GetImageFolderPath(services_.registry, services_.userFolders);
    for (const Folder* folder : {&exchange_, &imaging_}) {
        IControlView& edit = view.Control(folder->edit);
        edit.MakePathBox();
        edit.SetText(folder->saved.view());
    }

    bool sharing = info_->GetObexServersDisabled() == 0;
    view.Control(IDC_SHARING_ENABLED).SetChecked(sharing);
    if (!sharing) EnableFolderControls(view, false);
}

void CFtpFileSharingDlg::EnableFolderControls(IDialogView& view, bool enabled) {
    for (const Folder* folder : {&exchange_, &imaging_}) {
        view.Control(folder->edit).Enable(enabled);
        view.Control(folder->browse).Enable(enabled);
    }
}

// The switch takes effect on Apply; until then it only enables the folders.
bool CFtpFileSharingDlg::OnCommand(IDialogView& view, int controlId) {
    switch (controlId) {
    case IDC_SHARING_ENABLED:
        EnableFolderControls(view, view.Control(IDC_SHARING_ENABLED).IsChecked());
        view.MarkChanged();
        return true;
    case IDC_EXCHANGE_BROWSE:
        Browse(view, exchange_);
        return true;
    case IDC_IMAGING_BROWSE:
        Browse(view, imaging_);
        return true;
    default:
        return false;
    }
}

// Only a click opens a folder; Return on a link does nothing here.
bool CFtpFileSharingDlg::OnNotify(IDialogView& view, const ControlNotification& notification) {
    if (notification.code != NotifyCode::Click) return false;
    if (notification.controlId == exchange_.link) {
        Open(view, exchange_, MessageOwner::Page);
        return true;
    }
    if (notification.controlId == imaging_.link) {
        Open(view, imaging_, MessageOwner::None);
        return true;
    }
    return false;
}

void CFtpFileSharingDlg::ShowError(IDialogView& view, std::u16string_view text, MessageOwner owner) {
    view.ShowMessage(owner, text, services_.strings.Load(IDS_CONFIG_ERROR_CAPTION).view(), kMessageError);
}

void CFtpFileSharingDlg::ShowError(IDialogView& view, unsigned text, MessageOwner owner) {
    ShowError(view, services_.strings.Load(text).view(), owner);
}

FolderVerdict CFtpFileSharingDlg::CheckFolder(IDialogView& view, std::u16string_view path) {
    Text260 leftover;
    FolderVerdict verdict = ::CheckFolder(services_.files, path, &leftover);
    if (verdict == FolderVerdict::NotAFolder) ShowError(view, IDS_PATH_IS_FILE);
    if (verdict == FolderVerdict::NotWritable) ShowError(view, IDS_FOLDER_NOT_WRITABLE);
    if (verdict == FolderVerdict::Invalid) ShowError(view, IDS_INVALID_FOLDER_PATH);
    if (verdict == FolderVerdict::ProbeLeft)
        ShowError(view, WithArgument(services_.strings.Load(IDS_PROBE_LEFT).view(), leftover.view()));
    return verdict;
}

// The imaging folder is stored at once and survives Cancel; the exchange
// folder reaches the server and the registry on Apply.
void CFtpFileSharingDlg::Browse(IDialogView& view, Folder& folder) {
    IControlView& edit = view.Control(folder.edit);
    auto chosen = view.FolderShell().BrowseForFolder(services_.strings.Load(IDS_BROWSE_TITLE).view(),
                                                     edit.GetText().view());
    if (!chosen || CheckFolder(view, chosen->view()) != FolderVerdict::Accepted) return;
    edit.SetText(chosen->view());
    if (&folder == &exchange_)
        info_->SetExchangeFolderPath(chosen->view());
    else
        SetImageFolderPath(services_.registry, services_.userFolders, chosen->c_str());
    view.MarkChanged();
}

void CFtpFileSharingDlg::Open(IDialogView& view, const Folder& folder, MessageOwner owner) {
    Text260 path = view.Control(folder.edit).GetText();
    FolderVerdict verdict = CheckFolder(view, path.view());
    if (verdict == FolderVerdict::Accepted)
        view.FolderShell().OpenFolder(path.view());
    else if (verdict != FolderVerdict::Invalid)  // which has said so already
        ShowError(view, IDS_INVALID_FOLDER_PATH, owner);
}

// A folder nobody has chosen yet (empty now and when the page opened) is no
// reason to keep the sheet open.  A missing folder typed by the user is
// refused without a word and the saved path comes back.  A box the user
// emptied, or one still holding the folder the page opened with that has
// since gone (deleted, a drive removed), would refuse every OK the same way
// with the user none the wiser: those say why and put the user in the box.
bool CFtpFileSharingDlg::CheckEdit(IDialogView& view, const Folder& folder) {
    IControlView& edit = view.Control(folder.edit);
    Text260 text = edit.GetText();
    if (text.empty() && folder.saved.empty()) return true;
    FolderVerdict verdict = text.empty() ? FolderVerdict::Missing : CheckFolder(view, text.view());
    if (verdict == FolderVerdict::Accepted) return true;
    edit.SetText(folder.saved.view());
    if (text.empty() || (verdict == FolderVerdict::Missing && text.view() == folder.saved.view())) {
        ShowError(view, IDS_INVALID_FOLDER_PATH);
        edit.SelectAllAndFocus();
    }
    return false;
}

// With sharing switched off the folder boxes are disabled: a folder the user
// cannot edit is no reason to keep the sheet open, so it is neither checked
// nor applied, and the stored folders stay as they are.
bool CFtpFileSharingDlg::OnApply(IDialogView& view) {
    const bool foldersEditable = view.Control(IDC_SHARING_ENABLED).IsChecked();
    RegKey user(services_.registry);
    if (!user.Open(RegistryRoot::CurrentUser, schema::kFileSharingKey, reg::kReadWrite)) {
        view.Control(exchange_.edit).SetText(exchange_.saved.view());
        ShowError(view, IDS_SAVE_SHARING_FAILED);
    } else {
        user.WriteDword(schema::kOpenArrivedImage, info_->GetOpenArrivedImage() ? 1 : 0);
        user.WriteDword(schema::kTransferPasswordRequired, info_->GetTransferPasswordRequired() ? 1 : 0);
        if (foldersEditable && !ApplyFolders(view, user)) return false;
        WriteTransferPassword(user, info_->GetTransferPassword().view());
        ApplySharingSwitch(view, user);
    }

    // Where the user may write machine keys, they follow the page as well.
    RegKey machine(services_.registry);
    if (machine.Open(RegistryRoot::LocalMachine, schema::kFileSharingKey, reg::kReadWrite)) {
        user.Close();
        machine.WriteDword(schema::kObexServersDisabled, foldersEditable ? 0 : 1);
        if (foldersEditable)
            machine.WriteString(schema::kExchangeFolder, view.Control(exchange_.edit).GetText().view());
    }
    return true;
}

// Each folder refused stops the apply; the exchange folder is applied before
// the imaging folder is checked.
bool CFtpFileSharingDlg::ApplyFolders(IDialogView& view, RegKey& user) {
    if (!CheckEdit(view, exchange_)) return false;
    ApplyExchangeFolder(view, user);
    if (!CheckEdit(view, imaging_)) return false;
    Text260 imaging = view.Control(imaging_.edit).GetText();
    if (imaging.view() != imaging_.saved.view())
        SetImageFolderPath(services_.registry, services_.userFolders, imaging.c_str());
    return true;
}

// The saved path is that of the page's opening, so a changed folder is sent
// on every Apply until the page opens again.
void CFtpFileSharingDlg::ApplyExchangeFolder(IDialogView& view, RegKey& user) {
    IControlView& edit = view.Control(exchange_.edit);
    Text260 text = edit.GetText();
    if (text.view() == exchange_.saved.view()) return;
    _OBEX_OBJECT_T folder{};
    folder.length = static_cast<std::uint32_t>(text.view().size());
    std::copy_n(text.c_str(), folder.length, folder.path);
    if (services_.stack.SetFtpServerRootFolder(&folder) == 0) {
        user.WriteString(schema::kExchangeFolder, text.view());
        return;
    }
    ShowError(view, IDS_SAVE_SHARING_FAILED);
    edit.SetText(exchange_.saved.view());
}

// The record holds what the servers were when the sheet opened or last
// applied; a box equal to "disabled" means the user changed the switch.
void CFtpFileSharingDlg::ApplySharingSwitch(IDialogView& view, RegKey& user) {
    bool sharing = view.Control(IDC_SHARING_ENABLED).IsChecked();
    bool disabled = info_->GetObexServersDisabled() != 0;
    if (sharing != disabled) return;
    if (sharing) {
        if (services_.stack.ObexServersActivate() != 0) return ShowError(view, IDS_ACTIVATE_FAILED);
        user.WriteDword(schema::kObexServersDisabled, 0);
        info_->SetObexServersDisabled(0);
        return;
    }
    if (services_.stack.ObexServersDeActivate() == 0) {
        user.WriteDword(schema::kObexServersDisabled, 1);
        info_->SetObexServersDisabled(1);
        return;
    }
    view.Control(IDC_SHARING_ENABLED).SetChecked(true);
    EnableFolderControls(view, true);
    ShowError(view, IDS_DEACTIVATE_FAILED);
}
