#include "TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

std::wstring BesideTestProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + fileName;
}

std::string StubLog() {
    std::vector<char> buffer(VmrStubReadLog(nullptr, 0));
    VmrStubReadLog(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
    return buffer.data();
}

LoadedApplet::LoadedApplet() : module_(LoadLibraryW(BesideTestProgram(L"QuorvelCpl.dll").c_str())) {
    EXPECT_NE(module_, nullptr) << "LoadLibrary failed with " << GetLastError();
}

LoadedApplet::~LoadedApplet() {
    if (module_) FreeLibrary(module_);
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

SheetWatcher::SheetWatcher(std::function<void(HWND)> inspect, std::wstring caption)
    : inspect_(std::move(inspect)), caption_(std::move(caption)) {
    thread_ = std::thread([this] {
        HWND sheet = nullptr;
        WaitUntil([&] { return stopped_ || (sheet = FindDialogByCaption(caption_)) != nullptr; });
        if (!sheet) return;
        sawSheet_ = true;
        if (inspect_) inspect_(sheet);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
}

SheetWatcher::~SheetWatcher() {
    stopped_ = true;
    thread_.join();
}

void RunSheet(const LoadedApplet& applet, const std::function<void(HWND)>& drive, HWND parent) {
    auto runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
    ASSERT_NE(runModal, nullptr);
    bool saw = false;
    {
        SheetWatcher watcher(drive);
        runModal(parent);
        saw = watcher.SawSheet();
    }
    EXPECT_TRUE(saw) << "the sheet was never shown";
    EXPECT_EQ(DrainQuitMessages(), 1) << "closing the hidden window posts one quit message";
}

int DrainQuitMessages() {
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) ++count;
    return count;
}

// A generous bound for a window to appear, so that a broken run fails the
// test instead of hanging it; no test depends on how fast the sheet opens.
bool WaitUntil(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(20);
    }
    return true;
}

bool IsTicked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void Click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }

void PressOk(HWND sheet) {
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "OK did not close the sheet";
}

HWND ShowPage(HWND sheet, int index) {
    PropSheet_SetCurSel(sheet, nullptr, index);
    return PropSheet_GetCurrentPageHwnd(sheet);
}

void ClickLink(HWND page, int id) {
    NMLINK click{};
    click.hdr.hwndFrom = GetDlgItem(page, id);
    click.hdr.idFrom = static_cast<UINT_PTR>(id);
    click.hdr.code = NM_CLICK;
    SendMessageW(page, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&click));
}

namespace {
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

    LPARAM at() const { return reinterpret_cast<LPARAM>(at_); }
    void Write(const void* data, size_t size) { WriteProcessMemory(process_, at_, data, size, nullptr); }
    void Read(void* data, size_t size, size_t offset) { ReadProcessMemory(process_, at_ + offset, data, size, nullptr); }

private:
    HANDLE process_ = nullptr;
    BYTE* at_ = nullptr;
};
}  // namespace

ListCells ListRows(HWND list) {
    RemoteBuffer remote(list);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int columns = std::max(1, static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    ListCells rows(remote.at() ? count : 0);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<wchar_t*>(remote.at() + sizeof item);
            item.cchTextMax = 260;
            remote.Write(&item, sizeof item);
            SendMessageW(list, LVM_GETITEMTEXTW, row, remote.at());
            wchar_t text[260] = {};
            remote.Read(text, sizeof text - sizeof(wchar_t), sizeof item);
            rows[row].emplace_back(text);
        }
    }
    return rows;
}

void SelectListRow(HWND list, int row) {
    RemoteBuffer remote(list);
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(&state, sizeof state);
    SendMessageW(list, LVM_SETITEMSTATE, row, remote.at());
}

HWND FindDialogByCaption(const std::wstring& caption) {
    struct Search {
        const std::wstring* caption;
        HWND found;
    } search{&caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* search = reinterpret_cast<Search*>(param);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
                std::wstring(className) != L"#32770" || WindowText(window) != *search->caption)
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A message box's message is the longest text among its static controls.
std::wstring AnswerMessageBox(const std::wstring& caption, const std::function<void()>& whileShown) {
    HWND box = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (box = FindDialogByCaption(caption)) != nullptr; }))
        << "no message box";
    if (!box) return L"";
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        std::wstring text = WindowText(child);
        if (lstrcmpiW(className, L"Static") == 0 && text.size() > longest.size()) longest = text;
    }
    if (whileShown) whileShown();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return longest;
}

void DeleteRegistryTree(HKEY root, const char16_t* path) {
    RegDeleteTreeW(root, Wide(path));
}

namespace {
void SetRegistryValue(HKEY root, const char16_t* path, const char16_t* name, DWORD type, const void* data,
                      DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, Wide(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, Wide(name), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
}  // namespace

void SetRegistryDword(HKEY root, const char16_t* path, const char16_t* name, DWORD value) {
    SetRegistryValue(root, path, name, REG_DWORD, &value, sizeof value);
}

void SetRegistryString(HKEY root, const char16_t* path, const char16_t* name, const std::wstring& value) {
    SetRegistryValue(root, path, name, REG_SZ, value.c_str(),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::pair<DWORD, std::wstring> ReadRegistryString(HKEY root, const char16_t* path, const char16_t* name) {
    wchar_t data[512] = {};
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(root, Wide(path), Wide(name), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
        return {0, L""};
    return {type, data};
}

LRESULT SendDeviceChange(WPARAM event, const GUID& interfaceClass, DWORD deviceType) {
    DEV_BROADCAST_DEVICEINTERFACE_W device{};
    device.dbcc_size = sizeof device;
    device.dbcc_devicetype = deviceType;
    device.dbcc_classguid = interfaceClass;
    return SendMessageW(FindWindowW(Wide(sys::kNotificationWindowClass), nullptr), WM_DEVICECHANGE, event,
                        reinterpret_cast<LPARAM>(&device));
}

std::wstring RecordShellOpens(std::initializer_list<const char16_t*> classes) {
    std::wstring log = BesideTestProgram(L"shell-opened.txt");
    DeleteFileW(log.c_str());
    const std::wstring command = L"\"" + BesideTestProgram(L"help_recorder.exe") + L"\" \"" + log + L"\" \"%1\"";
    for (const char16_t* fileClass : classes) {
        std::u16string key = u"Software\\Classes\\" + std::u16string(fileClass) + u"\\shell\\open\\command";
        SetRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), u"", command);
    }
    return log;
}

std::string RecordedOpens(const std::wstring& log, size_t count) {
    std::string lines;
    WaitUntil([&] {
        std::ifstream file{std::filesystem::path(log)};
        std::stringstream text;
        text << file.rdbuf();
        lines = text.str();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), '\n')) >= count;
    });
    return lines;
}
