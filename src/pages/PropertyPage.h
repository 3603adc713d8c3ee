#pragma once
// What every page of the sheet is to the page host: its dialog template and
// its answers to the system's page notifications.  The Win32 page host binds
// any PropertyPage to a real property page; the page logic itself stays
// portable.

class PropertyPage {
public:
    explicit PropertyPage(unsigned templateId) : templateId_(templateId) {}
    virtual ~PropertyPage() = default;

    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    unsigned TemplateId() const { return templateId_; }

private:
    unsigned templateId_;
};
