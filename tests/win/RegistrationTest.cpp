// Registration of the built DLL with the system's regsvr32, Wine's Control
// Panel listing the item and opening the sheet from the listing, and the
// setup program and its uninstaller.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr char16_t kCpls[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cpls";
constexpr char16_t kCategories[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Extended Properties\\"
    u"{305CA226-D286-468e-B848-2B2E8E697B74} 2";
constexpr char16_t kAppIdKey[] = u"AppID\\{5558A25A-B790-48EF-BBA4-0D3BBE4FF1D0}";
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

// A few bytes in the process of a window, for the list view messages whose
// pointers the window reads in its own address space.
class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (process_) at_ = static_cast<BYTE*>(VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    BYTE* at() const { return at_; }
    void Write(const void* data, size_t size, size_t offset = 0) {
        WriteProcessMemory(process_, at_ + offset, data, size, nullptr);
    }
    void Read(void* data, size_t size, size_t offset) { ReadProcessMemory(process_, at_ + offset, data, size, nullptr); }

private:
    HANDLE process_ = nullptr;
    BYTE* at_ = nullptr;
};

std::vector<std::wstring> RemoteListTexts(HWND list) {
    RemoteBuffer remote(list);
    std::vector<std::wstring> texts;
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote.at() && row < count; ++row) {
        LVITEMW item{};
        item.pszText = reinterpret_cast<wchar_t*>(remote.at() + sizeof item);
        item.cchTextMax = 260;
        remote.Write(&item, sizeof item);
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote.at()));
        wchar_t text[260] = {};
        remote.Read(text, sizeof text - sizeof(wchar_t), sizeof item);
        texts.emplace_back(text);
    }
    return texts;
}

void SelectRemoteItem(HWND list, int row) {
    RemoteBuffer remote(list);
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(&state, sizeof state);
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.at()));
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Windows has both Control Panel keys; the applet never creates them.
        SetRegistryString(HKEY_LOCAL_MACHINE, kCpls, u"", L"");
        SetRegistryString(HKEY_LOCAL_MACHINE, kCategories, u"", L"");
        module_ = BesideTestProgram(L"QuorvelCpl.dll");
    }
    void TearDown() override { RunToEnd(L"regsvr32.exe /s /u \"" + module_ + L"\""); }
    std::wstring Value(const char16_t* key, const std::wstring& name, HKEY root = HKEY_LOCAL_MACHINE) {
        return ReadRegistryString(root, key, reinterpret_cast<const char16_t*>(name.c_str())).second;
    }
    std::wstring module_;
};

TEST_F(RegistrationTest, Regsvr32WritesTheItemAndTheAppIdAndRemovesThemAgain) {
    for (int pass = 0; pass < 2; ++pass) ASSERT_EQ(RunToEnd(L"regsvr32.exe /s \"" + module_ + L"\""), 0u);
    EXPECT_EQ(Value(kCpls, L"Bluetooth Settings"), module_);
    EXPECT_EQ(Value(kCategories, module_), L"2,3,4");
    EXPECT_EQ(Value(kAppIdKey, L"", HKEY_CLASSES_ROOT), L"QuorvelCpl");
    EXPECT_EQ(Value(kModuleAppIdKey, L"AppID", HKEY_CLASSES_ROOT), L"{5558A25A-B790-48EF-BBA4-0D3BBE4FF1D0}");

    ASSERT_EQ(RunToEnd(L"regsvr32.exe /s /u \"" + module_ + L"\""), 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kCpls, u"Bluetooth Settings").first, 0u);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kCategories, reinterpret_cast<const char16_t*>(module_.c_str())).first, 0u);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, Wide(kAppIdKey), 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"AppID", 0, KEY_READ, &key), ERROR_SUCCESS) << "AppID itself stays";
    RegCloseKey(key);
}

TEST_F(RegistrationTest, WinesControlPanelListsTheItemAndOpensTheSheetFromIt) {
    // Wine's Control Panel opens an item through the "cplopen" verb of its
    // file's class, which Wine gives .cpl files only; Windows opens any
    // registered library.  The prefix gets the verb for libraries too.
    SetRegistryString(HKEY_CLASSES_ROOT, u".dll", u"", L"dllfile");
    SetRegistryString(HKEY_CLASSES_ROOT, u"dllfile\\shell\\cplopen\\command", u"",
                      L"rundll32.exe shell32.dll,Control_RunDLL \"%1\",%*");
    ASSERT_EQ(RunToEnd(L"regsvr32.exe /s \"" + module_ + L"\""), 0u);
    HANDLE panel = Start(L"control.exe");
    ASSERT_NE(panel, nullptr);
    HWND window = nullptr, list = nullptr;
    std::vector<std::wstring> items;
    WaitUntil([&] {
        window = FindWindowW(nullptr, L"Wine Control Panel");
        list = window ? FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
        items = list ? RemoteListTexts(list) : std::vector<std::wstring>{};
        return std::find(items.begin(), items.end(), L"Bluetooth Settings") != items.end();
    });
    auto at = std::find(items.begin(), items.end(), L"Bluetooth Settings");
    ASSERT_NE(at, items.end()) << "not listed";

    // Select the item and press Return on it, as a user would.
    SelectRemoteItem(list, static_cast<int>(at - items.begin()));
    PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    HWND sheet = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (sheet = FindWindowW(L"#32770", L"Bluetooth Settings")) != nullptr; }))
        << "the sheet did not open";
    if (sheet) PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    WaitUntil([&] { return !IsWindow(sheet); });
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(panel, 30000), WAIT_OBJECT_0);
    CloseHandle(panel);
}

TEST_F(RegistrationTest, TheSetupInstallsAndRegistersAndItsUninstallerTakesEverythingAway) {
    namespace fs = std::filesystem;
    const fs::path folder = L"C:\\QuorvelSetupTest";
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const fs::path standIns[] = {fs::path(system) / L"VmrBtProxy.dll", fs::path(system) / L"VmrBtOBEXProxy.dll"};
    constexpr char16_t kUninstallKey[] = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuorvelCpl";

    // /D must come last and unquoted.
    ASSERT_EQ(RunToEnd(L"\"" + BesideTestProgram(L"QuorvelCpl-setup.exe") + L"\" /S /STANDINS /D=" +
                       folder.wstring()),
              0u);
    for (const wchar_t* file : {L"QuorvelCpl.dll", L"IconResource.dll", L"de-DE\\QuorvelCplde-DE.dll",
                                L"HelpFiles\\en-US\\faq-btsettings.html", L"Uninstall.exe"})
        EXPECT_TRUE(fs::exists(folder / file)) << fs::path(file).string();
    for (const auto& standIn : standIns) EXPECT_TRUE(fs::exists(standIn)) << standIn.string();
    const std::wstring installed = (folder / L"QuorvelCpl.dll").wstring();
    EXPECT_EQ(Value(kCpls, L"Bluetooth Settings"), installed);
    EXPECT_EQ(Value(kUninstallKey, L"DisplayVersion"), L"1.0.0.0");

    // The installed item opens the way the shell opens it, away from the
    // build folder: with the stand-ins it finds in the system folder.
    HANDLE shown = Start(L"rundll32.exe shell32.dll,Control_RunDLL \"" + installed + L"\"", folder.wstring());
    ASSERT_NE(shown, nullptr);
    HWND sheet = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (sheet = FindWindowW(L"#32770", L"Bluetooth Settings")) != nullptr; }));
    if (sheet) PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_EQ(WaitForSingleObject(shown, 30000), WAIT_OBJECT_0);
    CloseHandle(shown);

    // The uninstaller runs on from a copy of itself so that it can remove its
    // own file: wait for its last step, the removal of its own key.
    RunToEnd(L"\"" + (folder / L"Uninstall.exe").wstring() + L"\" /S");
    EXPECT_TRUE(WaitUntil([&] { return !ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, u"DisplayVersion").first; }));
    EXPECT_FALSE(fs::exists(folder)) << "the install folder stayed";
    for (const auto& standIn : standIns) EXPECT_FALSE(fs::exists(standIn)) << standIn.string();
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kCpls, u"Bluetooth Settings").first, 0u);
}

}  // namespace
