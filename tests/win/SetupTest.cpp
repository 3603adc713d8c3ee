// The setup program and its uninstaller, silent, in a prefix of their own
// that every run of the tests makes anew (so with no stack, no stand-ins in
// the system folder and no Control Panel keys, as Wine has none).

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::u16string kAppIdKey = u"AppID\\" + std::u16string(sys::kAppId);
constexpr char16_t kModuleAppIdKey[] = u"AppID\\QuorvelCpl.DLL";
constexpr char16_t kUninstallKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuorvelCpl";
const fs::path kFolder = L"C:\\QuorvelSetupTest";
constexpr char kStacksOwn[] = "\nthe stack's own copy";

fs::path SystemFolder() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return system;
}

// Runs a program to its end from C:\ (where no stand-in lies, so that only
// the system folder can supply the stack's libraries); its exit code.
DWORD RunToEnd(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = commandLine;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup, &process))
        return ~0u;
    CloseHandle(process.hThread);
    DWORD code = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 ? 0 : ~0u;
    if (code == 0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

DWORD Install(const std::wstring& options) {
    // /D must come last and unquoted.
    return RunToEnd(L"\"" + BesideTestProgram(L"QuorvelCpl-setup.exe") + L"\" /S " + options + L" /D=" +
                    kFolder.wstring());
}

// The uninstaller runs from a copy of itself, as it does when started from
// the list of programs, but waited for here so that its exit code counts.
DWORD Uninstall() {
    const fs::path copy = fs::temp_directory_path() / L"QuorvelUninstall.exe";
    std::error_code ignored;
    if (!fs::copy_file(kFolder / L"Uninstall.exe", copy, fs::copy_options::overwrite_existing, ignored)) return ~0u;
    DWORD code = RunToEnd(L"\"" + copy.wstring() + L"\" /S _?=" + kFolder.wstring());
    fs::remove(copy, ignored);
    return code;
}

bool KeyExists(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    bool exists = RegOpenKeyExW(root, Wide(path), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (exists) RegCloseKey(key);
    return exists;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

class SetupTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveEverything(); }
    void TearDown() override { RemoveEverything(); }

    // What a case may leave, taken away by hand so that the next starts as
    // on a fresh prefix.
    void RemoveEverything() {
        std::error_code ignored;
        fs::remove_all(kFolder, ignored);
        for (const fs::path& library : standIns) fs::remove(library, ignored);
        for (const char16_t* key : {kUninstallKey, sys::kCplsKey, sys::kCategoriesKey})
            DeleteRegistryTree(HKEY_LOCAL_MACHINE, key);
        for (const char16_t* key : {kAppIdKey.c_str(), kModuleAppIdKey}) DeleteRegistryTree(HKEY_CLASSES_ROOT, key);
    }
    // A value's text, empty when there is none.
    static std::wstring Value(const char16_t* key, const std::wstring& name) {
        return ReadRegistryString(HKEY_LOCAL_MACHINE, key, reinterpret_cast<const char16_t*>(name.c_str())).second;
    }
    static bool NothingRegistered() {
        return Value(sys::kCplsKey, L"Bluetooth Settings").empty() &&
               Value(sys::kCplsKey, L"Bluetooth-Einstellungen").empty() &&
               Value(sys::kCategoriesKey, installed).empty() && !KeyExists(HKEY_CLASSES_ROOT, kAppIdKey.c_str()) &&
               !KeyExists(HKEY_CLASSES_ROOT, kModuleAppIdKey);
    }

    const fs::path standIns[2] = {SystemFolder() / L"VmrBtProxy.dll", SystemFolder() / L"VmrBtOBEXProxy.dll"};
    static inline const std::wstring installed = (kFolder / L"QuorvelCpl.dll").wstring();
};

// Installed with the stand-ins on a prefix without the Control Panel's keys,
// the item is listed by Wine's Control Panel and opens from the listing away
// from the build folder (so with the stand-ins of the system folder); the
// uninstaller then leaves no file or value of ours and keeps the system's
// keys.
TEST_F(SetupTest, TheSetupRoundTripsThroughWinesControlPanel) {
    ASSERT_EQ(Install(L"/STANDINS"), 0u);
    for (const wchar_t* file :
         {L"QuorvelCpl.dll", L"IconResource.dll", L"HelpFiles\\en-US\\faq-btsettings.html", L"Uninstall.exe"})
        EXPECT_TRUE(fs::exists(kFolder / file)) << fs::path(file).string();
    for (const std::wstring tag : kLanguageTags) {
        EXPECT_TRUE(fs::exists(kFolder / tag / (L"QuorvelCpl" + tag + L".dll"))) << tag;
        EXPECT_TRUE(fs::exists(kFolder / L"HelpFiles" / tag / L"faq-btsettings.html")) << tag;
    }
    for (const auto& standIn : standIns) EXPECT_TRUE(fs::exists(standIn)) << standIn.string();
    EXPECT_EQ(Value(sys::kCplsKey, L"Bluetooth Settings"), installed);
    EXPECT_EQ(Value(sys::kCategoriesKey, installed), L"2,3,4");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kAppIdKey.c_str()));
    EXPECT_EQ(Value(kUninstallKey, L"DisplayVersion"), L"1.0.0.0");
    EXPECT_EQ(Value(kUninstallKey, L"DisplayIcon"), installed + L",-215");

    // Wine's Control Panel opens an item through the "cplopen" verb of its
    // file's class, which Wine gives .cpl files only; Windows opens any
    // registered library.  The prefix gets the verb for libraries too.
    SetRegistryString(HKEY_CLASSES_ROOT, u".dll", u"", L"dllfile");
    SetRegistryString(HKEY_CLASSES_ROOT, u"dllfile\\shell\\cplopen\\command", u"",
                      L"rundll32.exe shell32.dll,Control_RunDLL \"%1\",%*");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION panel{};
    wchar_t command[] = L"control.exe";
    ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, kFolder.c_str(), &startup, &panel));
    CloseHandle(panel.hThread);
    HWND window = nullptr, list = nullptr;
    WaitUntil([&] {
        window = FindWindowW(nullptr, L"Wine Control Panel");
        list = window ? FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
        return list && ListView_GetItemCount(list) > 0;
    });
    // Type the item's initial, the only "B" of the listing, and press Return
    // on it, as a user would: the sheet opens only if the item is listed.
    // The key data gives a repeat count of one, as a keystroke would.
    PostMessageW(list, WM_CHAR, L'B', 1);
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    HWND sheet = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (sheet = FindWindowW(L"#32770", L"Bluetooth Settings")) != nullptr; }))
        << "the item is not listed or did not open";
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    WaitUntil([&] { return !IsWindow(sheet); });
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(panel.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(panel.hProcess);

    EXPECT_EQ(Uninstall(), 0u);
    EXPECT_FALSE(fs::exists(kFolder)) << "the install folder stayed";
    for (const auto& standIn : standIns) EXPECT_FALSE(fs::exists(standIn)) << standIn.string();
    EXPECT_TRUE(NothingRegistered());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, sys::kCplsKey) && KeyExists(HKEY_LOCAL_MACHINE, sys::kCategoriesKey))
        << "the Control Panel's keys are the system's";
}

// Without the stack the applet cannot load, so it cannot be registered:
// setup says so with a failing exit code and takes back what it copied.
TEST_F(SetupTest, WithoutTheStackSetupFailsAndLeavesNothingBehind) {
    EXPECT_EQ(Install(L""), 2u);
    EXPECT_FALSE(fs::exists(kFolder)) << "the copied files stayed";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) << "an uninstall entry for nothing";
    EXPECT_TRUE(NothingRegistered());
}

// Libraries of the stand-ins' names that were there first are the stack's:
// /STANDINS neither replaces nor removes them, and a stand-in that the stack
// has replaced since is not removed either.
TEST_F(SetupTest, TheStacksOwnLibrariesAreNeverReplacedOrRemoved) {
    const std::string stacksProxy = Bytes(BesideTestProgram(L"VmrBtProxy.dll")) + kStacksOwn;
    Write(standIns[0], stacksProxy);
    ASSERT_EQ(Install(L"/STANDINS"), 0u);
    EXPECT_EQ(Bytes(standIns[0]), stacksProxy) << "the stack's library was replaced";
    EXPECT_EQ(Bytes(standIns[1]), Bytes(BesideTestProgram(L"VmrBtOBEXProxy.dll"))) << "the missing one is installed";

    const std::string stacksObex = Bytes(standIns[1]) + kStacksOwn;
    Write(standIns[1], stacksObex);
    EXPECT_EQ(Uninstall(), 0u);
    EXPECT_EQ(Bytes(standIns[0]), stacksProxy) << "the stack's library was removed";
    EXPECT_EQ(Bytes(standIns[1]), stacksObex) << "a stand-in the stack has replaced was removed";
    EXPECT_TRUE(NothingRegistered());
}

// The Control Panel value is named in the language of the registration; an
// uninstall that runs the applet in another language, or once the stack is
// gone and the applet no longer loads, still removes it and the rest of the
// registration.  Wine gives every process of a run the language of the Unix
// locale it started under, so the applet is made to take German for the
// English of this run: a copy of the German library where it looks for one
// of English.
TEST_F(SetupTest, TheRegistrationGoesWhateverTheLanguageAndWithoutTheStack) {
    for (bool stackRemovedFirst : {false, true}) {
        SCOPED_TRACE(stackRemovedFirst ? "the stack removed first" : "under another language");
        ASSERT_EQ(Install(L"/STANDINS"), 0u);
        ASSERT_EQ(Value(sys::kCplsKey, L"Bluetooth Settings"), installed);
        std::error_code ignored;
        if (stackRemovedFirst) {
            for (const auto& standIn : standIns) fs::remove(standIn, ignored);
        } else {
            fs::create_directory(kFolder / L"en-US");
            fs::copy_file(kFolder / L"de-DE" / L"QuorvelCplde-DE.dll", kFolder / L"en-US" / L"QuorvelCplen-US.dll");
        }
        EXPECT_EQ(Uninstall(), 0u);
        EXPECT_TRUE(NothingRegistered());
        EXPECT_FALSE(fs::exists(kFolder / L"QuorvelCpl.dll"));
        RemoveEverything();
    }
}

// A file that cannot be removed (in use) is named, and the uninstaller keeps
// its entry and itself, so that a second run finishes the job.
TEST_F(SetupTest, AnUninstallThatCannotRemoveAFileFailsAndCanBeRunAgain) {
    ASSERT_EQ(Install(L"/STANDINS"), 0u);
    HANDLE inUse = CreateFileW((kFolder / L"IconResource.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Uninstall(), 2u);
    CloseHandle(inUse);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) << "the entry went before everything else";
    EXPECT_TRUE(fs::exists(kFolder / L"Uninstall.exe"));
    EXPECT_TRUE(fs::exists(kFolder / L"IconResource.dll"));

    EXPECT_EQ(Uninstall(), 0u);
    EXPECT_FALSE(fs::exists(kFolder));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    for (const auto& standIn : standIns) EXPECT_FALSE(fs::exists(standIn)) << standIn.string();
}

}  // namespace
