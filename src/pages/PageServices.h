#pragma once
// What pages need besides their window and the sheet state record: the
// stack, the registry, the string table, the file system, the user's folders
// and a few shell operations.  Every page is constructed with the same
// services.

#include "base/FixedText.h"
#include "base/IStringTable.h"
#include "pages/FolderCheck.h"
#include "settings/IRegistry.h"
#include "settings/IUserFolders.h"
#include "stack/IBluetoothStack.h"

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
    // Direct stack calls; the record's guarded operations use the same stack.
    IBluetoothStack& stack;
    IRegistry& registry;
    const IStringTable& strings;
    IShell& shell;
    IFileSystem& files;
    IUserFolders& userFolders;

    // Opens a help topic from the applet's HelpFiles folder, the way every
    // page's link and Help button do.
    void OpenHelpTopic(const char16_t* topic) const;
};
