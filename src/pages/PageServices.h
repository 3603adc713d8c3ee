#pragma once
// What pages need besides their window and the sheet state record: the
// registry, the string table and a few shell operations.

#include "applet/FixedText.h"
#include "locale/IStringTable.h"
#include "settings/IRegistry.h"

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a help topic from the applet's HelpFiles folder; `folderFormat`
    // is the string-table text with one %s for the applet's folder.
    virtual void OpenHelpTopic(const char16_t* topic, const char16_t* folderFormat) = 0;
    // The computer's NetBIOS name, empty when it cannot be had.
    virtual Text260 ComputerName() = 0;
};

struct PageServices {
    IRegistry& registry;
    const IStringTable& strings;
    IShell& shell;
};
