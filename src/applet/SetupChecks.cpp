#include "applet/SetupChecks.h"

#include "base/AbsolutePath.h"
#include "base/CaseFold.h"

namespace {

std::u16string InFolder(std::u16string folder, std::u16string_view fileName) {
    if (!folder.ends_with(u'\\')) folder += u'\\';
    return folder + std::u16string(fileName);
}

// PATH's folders in order; an entry may be quoted.
std::vector<std::u16string> PathFolders(std::u16string_view path) {
    std::vector<std::u16string> folders;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = path.find(u';', start);
        if (end == std::u16string_view::npos) end = path.size();
        std::u16string entry(path.substr(start, end - start));
        std::erase(entry, u'"');
        if (IsAbsolutePath(entry)) folders.push_back(std::move(entry));
        start = end + 1;
    }
    return folders;
}

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

}  // namespace

std::optional<std::u16string> FindImportedLibrary(ISetupMachine& machine, std::u16string_view fileName) {
    std::vector<std::u16string> folders{machine.SystemFolder()};
    for (auto& folder : PathFolders(machine.PathVariable())) folders.push_back(std::move(folder));
    for (const auto& folder : folders)
        if (std::u16string candidate = InFolder(folder, fileName); machine.FileExists(candidate)) return candidate;
    return std::nullopt;
}

SetupDecision DecideSetup(ISetupMachine& machine, const SetupRequest& request) {
    SetupDecision decision;
    std::u16string missing;
    for (const StackLibrary& library : kStackLibraries) {
        const std::u16string systemCopy = InFolder(machine.SystemFolder(), library.fileName);
        if (request.removing) {
            // A stand-in that the stack has since replaced is the stack's.
            if (!machine.FileExists(systemCopy) || machine.IsAsPackaged(systemCopy, library.fileName))
                decision.properties.push_back(library.standInProperty);
            else
                decision.notes.push_back(systemCopy + u" is no longer the stand-in installed: it stays");
            continue;
        }
        auto found = FindImportedLibrary(machine, library.fileName);
        bool ours = found && EqualIgnoringCase(*found, systemCopy) && machine.IsStandIn(*found);
        if (found && !ours) {
            decision.notes.push_back(u"The stack's " + std::u16string(library.fileName) + u" is " + *found);
        } else if (ours || request.standInsWanted) {
            decision.properties.push_back(library.standInProperty);
            decision.notes.push_back(u"A stand-in goes to " + systemCopy);
        } else {
            missing += (missing.empty() ? u"" : u" and ") + std::u16string(library.fileName);
        }
    }

    auto holder = machine.ControlPanelItemModule(request.itemName);
    bool nameOurs = !holder || EqualIgnoringCase(*holder, request.appletPath);
    if (nameOurs) decision.properties.push_back(kControlPanelNameOurs);

    if (request.removing) return decision;
    std::u16string refusal;
    if (!missing.empty())
        refusal = u"The Bluetooth stack is not installed: neither the system folder nor a folder on PATH holds " +
                  missing + u". Install the stack first, or install with STANDINS=1 to try the applet with stand-ins.";
    if (!nameOurs)
        refusal += (refusal.empty() ? u"" : u"\n") + std::u16string(u"The Control Panel item ") +
                   Quoted(request.itemName) + u" is already registered to another module, " + *holder +
                   u". Remove that item first.";
    if (!refusal.empty()) decision.refusal = refusal + u" Nothing was changed.";
    return decision;
}
