#pragma once
// What every page of the sheet is to the page host: its dialog template and
// its answers to the system's page notifications.  The Win32 page host binds
// any PropertyPage to a real property page and only translates messages; the
// page logic stays portable and sees its window only through IDialogView.
// Each hook's default is the answer of a page that does nothing particular.

#include "pages/IDialogView.h"

// Notifications from a page's own controls, as the host translates them.
enum class NotifyCode {
    Click,        // NM_CLICK: a link or a list was clicked
    Return,       // NM_RETURN: Return pressed on a focused link
    ItemChanged,  // LVN_ITEMCHANGED: a list item changed
};

struct ControlNotification {
    int controlId = 0;
    NotifyCode code = NotifyCode::Click;
    // ItemChanged: the item, whether its state is among what changed, and
    // whether its new state has the selection.
    int item = -1;
    bool stateChanged = false;
    bool selected = false;

    // A link is followed on a click and, where the page allows it, on Return.
    bool ClickOrReturn() const { return code == NotifyCode::Click || code == NotifyCode::Return; }
};

class PropertyPage {
public:
    explicit PropertyPage(unsigned templateId) : templateId_(templateId) {}
    virtual ~PropertyPage() = default;

    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    unsigned TemplateId() const { return templateId_; }

    // WM_INITDIALOG, once per page window.
    virtual void OnInitDialog(IDialogView&) {}
    // A button with an action of its own; true when the page ran it.  Other
    // clicks of checkboxes and edits of edit boxes mark the sheet changed.
    virtual bool OnCommand(IDialogView&, int /*controlId*/) { return false; }
    // PSN_APPLY: false keeps the sheet open on the current page so that the
    // user can correct the input.  Pages without an apply step accept.
    virtual bool OnApply(IDialogView&) { return true; }
    // PSN_HELP.
    virtual void OnHelp(IDialogView&) {}
    // PSN_SETACTIVE: false refuses the activation.  Nothing is refreshed.
    virtual bool OnSetActive(IDialogView&) { return true; }
    // PSN_KILLACTIVE: false keeps the user on the page.  No validation here.
    virtual bool OnKillActive(IDialogView&) { return true; }
    // PSN_RESET: the sheet was cancelled.
    virtual void OnReset(IDialogView&) {}
    // WM_DESTROY of the page window; the page object lives on with the sheet.
    virtual void OnDestroy() {}
    // A notification from one of the page's controls; true when handled.
    virtual bool OnNotify(IDialogView&, const ControlNotification&) { return false; }

private:
    unsigned templateId_;
};
