#pragma once
// The File Sharing page: the OBEX servers on or off, the exchange folder the
// file transfer server serves and the imaging folder received images go to.

#include "applet/CpropertySheetInfo.h"
#include "base/FixedText.h"
#include "pages/PageServices.h"
#include "pages/PropertyPage.h"
#include "settings/RegKey.h"

class CFtpFileSharingDlg : public PropertyPage, public CpropertySheetInfoRef {
public:
    explicit CFtpFileSharingDlg(PageServices& services);

    void OnInitDialog(IDialogView& view) override;
    bool OnCommand(IDialogView& view, int controlId) override;
    bool OnNotify(IDialogView& view, const ControlNotification& notification) override;
    bool OnApply(IDialogView& view) override;

private:
    // One of the two folders: its edit box, Browse button, Open link and the
    // path the box held when the page opened.
    struct Folder {
        int edit;
        int browse;
        int link;
        Text260 saved;
    };

    void EnableFolderControls(IDialogView& view, bool enabled);
    // The folder check, showing why a folder is refused where it says.
    FolderVerdict CheckFolder(IDialogView& view, std::u16string_view path);
    // Apply's check of an edit box: refused text is replaced by the saved path.
    bool CheckEdit(IDialogView& view, const Folder& folder);
    void Browse(IDialogView& view, Folder& folder);
    void Open(IDialogView& view, const Folder& folder, MessageOwner owner);
    void ShowError(IDialogView& view, unsigned text, MessageOwner owner = MessageOwner::Page);
    void ShowError(IDialogView& view, std::u16string_view text, MessageOwner owner = MessageOwner::Page);
    // Checks and applies both folders; false when one is refused.
    bool ApplyFolders(IDialogView& view, RegKey& user);
    void ApplyExchangeFolder(IDialogView& view, RegKey& user);
    void ApplySharingSwitch(IDialogView& view, RegKey& user);

    PageServices& services_;
    Folder exchange_;
    Folder imaging_;
};
