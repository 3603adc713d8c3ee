#pragma once
// What the Windows Installer package decides before it changes anything:
// whether the stack's libraries lie where Windows will resolve the applet's
// imports, where one of this project's stand-ins may go instead, and whether
// the Control Panel item's name is free for the applet.  The package's custom
// action asks the machine through ISetupMachine, sets the properties that its
// components' conditions read, and stops the install with the refusal.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The stack's two libraries, each with the property that enables its
// stand-in's component.
struct StackLibrary {
    const char16_t* fileName;
    const char16_t* standInProperty;
};
inline constexpr StackLibrary kStackLibraries[] = {
    {u"VmrBtProxy.dll", u"QUORVEL_PROXY_STANDIN"},
    {u"VmrBtOBEXProxy.dll", u"QUORVEL_OBEX_STANDIN"},
};
// Enables the component of the Control Panel value: the name is free, or
// already names the applet.
inline constexpr char16_t kControlPanelNameOurs[] = u"QUORVEL_CPLS_OURS";

class ISetupMachine {
public:
    virtual ~ISetupMachine() = default;
    virtual std::u16string SystemFolder() = 0;
    // The PATH variable as the installer's process has it.
    virtual std::u16string PathVariable() = 0;
    // A file (not a folder) at that path.
    virtual bool FileExists(const std::u16string& path) = 0;
    // Whether the library's version resource names it one of this project's
    // stand-ins, of whichever version.
    virtual bool IsStandIn(const std::u16string& path) = 0;
    // Whether the file is, byte for byte, the one the package carries under
    // that file name.
    virtual bool IsAsPackaged(const std::u16string& path, const char16_t* fileName) = 0;
    // The module the Control Panel item of that name is registered to; none
    // when there is no such item.
    virtual std::optional<std::u16string> ControlPanelItemModule(const std::u16string& name) = 0;
};

struct SetupRequest {
    bool removing = false;        // the whole product goes
    bool standInsWanted = false;  // STANDINS=1
    std::u16string itemName;      // the Control Panel value's name
    std::u16string appletPath;    // where the package puts the applet
};

struct SetupDecision {
    std::vector<std::u16string> properties;  // each set to 1
    std::vector<std::u16string> notes;       // for the log
    std::optional<std::u16string> refusal;   // why the install cannot go on
};

// Where Windows resolves a library that the applet imports: the system
// folder, then each folder on PATH, in order.  Relative entries are skipped:
// they would name folders relative to whatever the current folder is.
std::optional<std::u16string> FindImportedLibrary(ISetupMachine& machine, std::u16string_view fileName);

// An install (or repair, or upgrade) needs each library from the stack or,
// where none is found, a stand-in: asked for with STANDINS=1, or kept up to
// date where one of ours is already the library found.  The Control Panel
// name must be free or the applet's.  Removal never refuses: it takes a
// stand-in only while it is still the packaged file, and the Control Panel
// value only while it names the applet.
SetupDecision DecideSetup(ISetupMachine& machine, const SetupRequest& request);
