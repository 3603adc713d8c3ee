#pragma once
// What every page of the sheet is to the page host: its dialog template and
// its answers to the system's page notifications.  The Win32 page host binds
// any PropertyPage to a real property page; the page logic itself stays
// portable and sees its window only through IDialogView.

#include "pages/IDialogView.h"

// How a link control was activated.
enum class LinkActivation { Click, Return };

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
    // PSN_APPLY: false keeps the sheet open on this page so that the user can
    // correct the input.  Pages without an apply step accept.
    virtual bool OnApply(IDialogView&) { return true; }
    // PSN_HELP.
    virtual void OnHelp(IDialogView&) {}
    // NM_CLICK or NM_RETURN from one of the page's link controls.
    virtual void OnLink(IDialogView&, int /*controlId*/, LinkActivation) {}

private:
    unsigned templateId_;
};
