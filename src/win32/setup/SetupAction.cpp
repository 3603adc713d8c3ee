// The package's custom actions.  CheckSetup runs before anything changes, in
// every kind of install and removal: it tells the package's component
// conditions which stand-ins and which Control Panel value are the
// package's to install or remove, and refuses an install that would leave
// an applet without its stack or take another module's Control Panel name.
// KeepControlPanelKeys runs in the removal's script: Windows Installer
// deletes a key that its removal leaves empty, and the Control Panel's keys
// are the system's.

#include <windows.h>
#include <msi.h>
#include <msiquery.h>

#include <string>

#include "StandInIdentity.h"
#include "applet/SetupChecks.h"
#include "base/CaseFold.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"
#include "win32/UniqueResource.h"
#include "win32/WideText.h"
#include "win32/Win32Registry.h"

namespace {

using UniqueMsiHandle = UniqueResource<MSIHANDLE, &MsiCloseHandle>;
// A refusal: in the log, and in a message box where there is a user interface.
constexpr auto kErrorBox = INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR);

// A step of the installer's own that failed, in words for the log.
struct SetupFault {
    std::u16string what;
};

std::u16string FromWide(const std::wstring& text) { return {text.begin(), text.end()}; }

std::u16string ErrorText(const char16_t* doing, UINT error) {
    return u"Setup could not " + std::u16string(doing) + u" (error " + FromWide(std::to_wstring(error)) + u").";
}

// Writes `text` to the log or, for an error with a user interface, to a
// message box too.  The text goes in as a field, so that brackets in a path
// are never taken for the installer's formatting.
void Report(MSIHANDLE install, INSTALLMESSAGE kind, const std::u16string& text) {
    UniqueMsiHandle record(MsiCreateRecord(1));
    if (!record) return;
    MsiRecordSetStringW(record.get(), 0, L"QuorvelCpl: [1]");
    MsiRecordSetStringW(record.get(), 1, Wide(text));
    MsiProcessMessage(install, kind, record.get());
}

class Win32SetupMachine final : public ISetupMachine {
public:
    explicit Win32SetupMachine(MSIHANDLE install) : install_(install) {}

    std::u16string SystemFolder() override {
        wchar_t folder[MAX_PATH] = {};
        UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) throw SetupFault{ErrorText(u"find the system folder", GetLastError())};
        return FromWide(folder);
    }
    std::u16string PathVariable() override {
        DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
        std::wstring path(size, L'\0');
        size = GetEnvironmentVariableW(L"PATH", path.data(), size);
        path.resize(size < path.size() ? size : 0);
        return FromWide(path);
    }
    bool FileExists(const std::u16string& path) override {
        DWORD attributes = GetFileAttributesW(Wide(path));
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool IsStandIn(const std::u16string& path) override {
        DWORD size = GetFileVersionInfoSizeW(Wide(path), nullptr);
        std::string data(size, '\0');
        void* name = nullptr;
        UINT units = 0;
        return size != 0 && GetFileVersionInfoW(Wide(path), 0, size, data.data()) &&
               VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\ProductName", &name, &units) &&
               std::wstring(static_cast<const wchar_t*>(name)) == L"" QUORVEL_STAND_IN_PRODUCT;
    }
    // The package keeps the MD5 hash of every unversioned file it carries.
    bool IsAsPackaged(const std::u16string& path, const char16_t* fileName) override {
        MSIFILEHASHINFO onDisk{sizeof onDisk, {}};
        if (MsiGetFileHashW(Wide(path), 0, &onDisk) != ERROR_SUCCESS) return false;
        UniqueMsiHandle database(MsiGetActiveDatabase(install_));
        MSIHANDLE view = 0;
        if (!database || MsiDatabaseOpenViewW(database.get(),
                                              L"SELECT `HashPart1`, `HashPart2`, `HashPart3`, `HashPart4` "
                                              L"FROM `MsiFileHash` WHERE `File_` = ?",
                                              &view) != ERROR_SUCCESS)
            throw SetupFault{u"Setup could not read its own file hashes."};
        UniqueMsiHandle openView(view), key(MsiCreateRecord(1)), row;
        MsiRecordSetStringW(key.get(), 1, Wide(fileName));
        MSIHANDLE fetched = 0;
        if (MsiViewExecute(view, key.get()) != ERROR_SUCCESS || MsiViewFetch(view, &fetched) != ERROR_SUCCESS)
            throw SetupFault{u"Setup carries no hash of " + std::u16string(fileName) + u"."};
        row.reset(fetched);
        for (unsigned part = 0; part < 4; ++part)
            if (static_cast<ULONG>(MsiRecordGetInteger(fetched, part + 1)) != onDisk.dwData[part]) return false;
        return true;
    }
    std::optional<std::u16string> ControlPanelItemModule(const std::u16string& name) override {
        Win32Registry registry;
        RegKey cpls(registry);
        if (!cpls.Open(RegistryRoot::LocalMachine, schema::kControlPanelCplsKey, reg::kRead)) return std::nullopt;
        std::uint32_t type = 0;
        if (cpls.Query(name.c_str(), &type, nullptr, nullptr) != reg::kSuccess) return std::nullopt;
        auto module = cpls.ReadString(name.c_str(), {});
        return module ? *module : u"a value that names no module";
    }

private:
    MSIHANDLE install_;
};

// A text the installer hands out as MsiGetPropertyW does: asked once for its
// size, then read into a buffer that holds it.
template <typename Read>
std::u16string InstallerText(Read read, const char16_t* doing) {
    wchar_t none[1] = L"";
    DWORD units = 0;
    UINT result = read(none, &units);
    std::wstring value;
    if (result == ERROR_MORE_DATA) {
        value.resize(units++);
        result = read(value.data(), &units);
    }
    if (result != ERROR_SUCCESS) throw SetupFault{ErrorText(doing, result)};
    value.resize(units);
    return FromWide(value);
}

std::u16string Property(MSIHANDLE install, const wchar_t* name) {
    return InstallerText([&](wchar_t* text, DWORD* units) { return MsiGetPropertyW(install, name, text, units); },
                         u"read a property of its own");
}

// A property whose value names other properties, as in "[ProgramFiles64Folder]...".
std::u16string Formatted(MSIHANDLE install, const std::u16string& format) {
    UniqueMsiHandle record(MsiCreateRecord(0));
    MsiRecordSetStringW(record.get(), 0, Wide(format));
    return InstallerText(
        [&](wchar_t* text, DWORD* units) { return MsiFormatRecordW(install, record.get(), text, units); },
        u"find where the applet goes");
}

UINT Check(MSIHANDLE install) {
    Win32SetupMachine machine(install);
    // REMOVE~="ALL": the whole product goes.
    SetupRequest request{.removing = EqualIgnoringCase(Property(install, L"REMOVE"), u"ALL"),
                         .standInsWanted = Property(install, L"STANDINS") == u"1",
                         .itemName = Property(install, L"QuorvelItemName"),
                         .appletPath = Formatted(install, Property(install, L"QuorvelModule"))};
    SetupDecision decision = DecideSetup(machine, request);
    for (const auto& note : decision.notes) Report(install, INSTALLMESSAGE_INFO, note);
    for (const auto& property : decision.properties) {
        if (UINT result = MsiSetPropertyW(install, Wide(property), L"1"); result != ERROR_SUCCESS)
            throw SetupFault{ErrorText(u"set a property of its own", result)};
    }
    if (!decision.refusal) return ERROR_SUCCESS;
    Report(install, kErrorBox, *decision.refusal);
    return ERROR_INSTALL_FAILURE;
}

}  // namespace

extern "C" UINT __stdcall CheckSetup(MSIHANDLE install) noexcept {
    try {
        return Check(install);
    } catch (const SetupFault& fault) {
        Report(install, kErrorBox, fault.what);
    } catch (...) {
        Report(install, kErrorBox,
               u"Setup could not check the computer: it ran out of memory.");
    }
    return ERROR_INSTALL_FAILURE;
}

// A key that cannot be made again is worth a line in the log, not a failed
// removal.
extern "C" UINT __stdcall KeepControlPanelKeys(MSIHANDLE install) noexcept {
    try {
        Win32Registry registry;
        for (const char16_t* path : {schema::kControlPanelCplsKey, schema::kControlPanelCategoryKey}) {
            RegKey key(registry);
            if (!key.Create(RegistryRoot::LocalMachine, path, reg::kRead))
                Report(install, INSTALLMESSAGE_INFO,
                       ErrorText(u"keep the Control Panel's key", static_cast<UINT>(key.LastResult())));
        }
    } catch (...) {
    }
    return ERROR_SUCCESS;
}
