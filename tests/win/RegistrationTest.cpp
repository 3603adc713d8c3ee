// Registration of the built DLL with the system's regsvr32, and the setup
// program: installed, listed and opened by Wine's Control Panel, uninstalled.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>

#include <filesystem>
#include <string>

namespace {

const std::u16string kAppIdKey = u"AppID\\" + std::u16string(sys::kAppId);
constexpr char16_t kModuleAppIdKey[] = u"AppID\\QuorvelCpl.DLL";

// Runs a program of the prefix, by default in the built applet's folder
// (where the stack stand-ins lie); the process, or null.
HANDLE Start(const std::wstring& commandLine, const std::wstring& folder = BesideTestProgram(L"")) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = commandLine;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

DWORD RunToEnd(const std::wstring& commandLine) {
    HANDLE process = Start(commandLine);
    if (!process) return ~0u;
    WaitForSingleObject(process, 60000);
    DWORD code = ~0u;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

bool KeyExists(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    bool exists = RegOpenKeyExW(root, Wide(path), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (exists) RegCloseKey(key);
    return exists;
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Windows has both Control Panel keys; the applet never creates them.
        SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"", L"");
        SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, u"", L"");
        module_ = BesideTestProgram(L"QuorvelCpl.dll");
    }
    void TearDown() override { RunToEnd(L"regsvr32.exe /s /u \"" + module_ + L"\""); }
    std::wstring Value(const char16_t* key, const std::wstring& name, HKEY root = HKEY_LOCAL_MACHINE) {
        return ReadRegistryString(root, key, reinterpret_cast<const char16_t*>(name.c_str())).second;
    }
    std::wstring module_;
};

// The setup program on a clean prefix: installed silently with the stand-ins,
// the item listed by Wine's Control Panel and opened from the listing away
// from the build folder (so with the stand-ins of the system folder), then
// uninstalled, leaving no file or key of ours.
TEST_F(RegistrationTest, TheSetupRoundTripsThroughWinesControlPanel) {
    namespace fs = std::filesystem;
    const fs::path folder = L"C:\\QuorvelSetupTest";
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const fs::path standIns[] = {fs::path(system) / L"VmrBtProxy.dll", fs::path(system) / L"VmrBtOBEXProxy.dll"};
    constexpr char16_t kUninstallKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuorvelCpl";
    const std::wstring installed = (folder / L"QuorvelCpl.dll").wstring();

    // /D must come last and unquoted.
    ASSERT_EQ(RunToEnd(L"\"" + BesideTestProgram(L"QuorvelCpl-setup.exe") + L"\" /S /STANDINS /D=" +
                       folder.wstring()),
              0u);
    for (const wchar_t* file : {L"QuorvelCpl.dll", L"IconResource.dll", L"de-DE\\QuorvelCplde-DE.dll",
                                L"HelpFiles\\en-US\\faq-btsettings.html", L"Uninstall.exe"})
        EXPECT_TRUE(fs::exists(folder / file)) << fs::path(file).string();
    for (const auto& standIn : standIns) EXPECT_TRUE(fs::exists(standIn)) << standIn.string();
    EXPECT_EQ(Value(sys::kCplsKey, L"Bluetooth Settings"), installed);
    EXPECT_EQ(Value(sys::kCategoriesKey, installed), L"2,3,4");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kAppIdKey.c_str()));
    EXPECT_EQ(Value(kUninstallKey, L"DisplayVersion"), L"1.0.0.0");

    // Wine's Control Panel opens an item through the "cplopen" verb of its
    // file's class, which Wine gives .cpl files only; Windows opens any
    // registered library.  The prefix gets the verb for libraries too.
    SetRegistryString(HKEY_CLASSES_ROOT, u".dll", u"", L"dllfile");
    SetRegistryString(HKEY_CLASSES_ROOT, u"dllfile\\shell\\cplopen\\command", u"",
                      L"rundll32.exe shell32.dll,Control_RunDLL \"%1\",%*");
    HANDLE panel = Start(L"control.exe", folder.wstring());
    ASSERT_NE(panel, nullptr);
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
    EXPECT_EQ(WaitForSingleObject(panel, 30000), WAIT_OBJECT_0);
    CloseHandle(panel);

    // The uninstaller runs on from a copy of itself so that it can remove its
    // own file: wait for its last step, the removal of its own key.
    RunToEnd(L"\"" + (folder / L"Uninstall.exe").wstring() + L"\" /S");
    EXPECT_TRUE(WaitUntil([&] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey); }));
    EXPECT_FALSE(fs::exists(folder)) << "the install folder stayed";
    for (const auto& standIn : standIns) EXPECT_FALSE(fs::exists(standIn)) << standIn.string();
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Bluetooth Settings").first, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, reinterpret_cast<const char16_t*>(installed.c_str())).first, 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kAppIdKey.c_str()));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kModuleAppIdKey));
}

}  // namespace
