#include "TestSupport.h"

#include <chrono>
#include <cstdio>

std::wstring BesideTestProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + fileName;
}

HMODULE LoadAsData(const std::wstring& fileName) {
    HMODULE module = LoadLibraryExW(BesideTestProgram(fileName.c_str()).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    EXPECT_NE(module, nullptr) << "cannot load " << fileName << ": " << GetLastError();
    return module;
}

std::wstring InterfaceLanguageTag() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0);
    return name;
}

namespace {

// A window's caption as the system keeps it, without a message to the
// window's thread: the watcher polls while that thread runs the sheet.
std::wstring Caption(HWND window) {
    wchar_t text[512] = {};
    InternalGetWindowText(window, text, 512);
    return text;
}

// The first shown dialog box of this process (a top-level window of the
// dialog class) that `matches`, or null.
HWND FindShownDialog(const std::function<bool(HWND)>& matches) {
    struct Search {
        const std::function<bool(HWND)>& matches;
        HWND found = nullptr;
    } search{matches};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(param);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == L"#32770" &&
                search.matches(window))
                search.found = window;
            return search.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A message box's message is the longest text among its static controls.
std::wstring LongestStaticText(HWND box) {
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text = WindowText(child);
        if (lstrcmpiW(ClassName(child).c_str(), L"Static") == 0 && text.size() > longest.size()) longest = text;
    }
    return longest;
}

}  // namespace

HWND FindDialogByCaption(const std::wstring& caption) {
    return FindShownDialog([&](HWND window) { return Caption(window) == caption; });
}

// After `inspect` (or before the sheet shows) nothing else of this process
// may be waiting for a user: such a window is answered, so the run goes on,
// and fails the test with its text.  A run that still has not ended when the
// watch runs out cannot be ended from here: the program stops with a failure
// instead of hanging.
SheetWatcher::SheetWatcher(std::function<void(HWND)> inspect, std::wstring caption)
    : inspect_(std::move(inspect)), caption_(std::move(caption)) {
    thread_ = std::thread([this] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
        HWND sheet = nullptr;
        while (!stopped_) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::fprintf(stderr, "FAILED: the run did not end within three minutes; stopping the tests\n");
                std::fflush(nullptr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
            if (!sawSheet_ && (sheet = FindDialogByCaption(caption_)) != nullptr) {
                sawSheet_ = true;
                if (inspect_) inspect_(sheet);
                PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            } else if (HWND other = FindShownDialog([&](HWND window) { return Caption(window) != caption_; })) {
                ADD_FAILURE() << "a window the test did not expect: \"" << WindowText(other)
                              << "\": " << LongestStaticText(other);
                PostMessageW(other, WM_COMMAND, GetDlgItem(other, IDCANCEL) ? IDCANCEL : IDOK, 0);
                WaitUntil([&] { return !IsWindowVisible(other); });
                if (IsWindow(sheet)) PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            }
            Sleep(20);
        }
    });
}

void RunSheet(const LoadedApplet& applet, const std::function<void(HWND)>& drive, HWND parent,
              const std::wstring& caption) {
    auto runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
    ASSERT_NE(runModal, nullptr);
    bool saw = false;
    {
        SheetWatcher watcher(drive, caption);
        runModal(parent);
        saw = watcher.SawSheet();
    }
    EXPECT_TRUE(saw) << "no sheet titled \"" << caption << "\" was shown";
    EXPECT_EQ(DrainQuitMessages(), 1) << "closing the hidden window posts one quit message";
}

bool WaitUntil(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(20);
    }
    return true;
}

std::wstring AnswerMessageBox(const std::wstring& caption, const std::function<void()>& whileShown) {
    HWND box = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (box = FindDialogByCaption(caption)) != nullptr; })) << "no message box";
    if (!box) return L"";
    std::wstring message = LongestStaticText(box);
    if (whileShown) whileShown();
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return message;
}

std::pair<DWORD, std::wstring> ReadRegistryString(HKEY root, const char16_t* path, const char16_t* name) {
    wchar_t data[512] = {};
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(root, Wide(path), Wide(name), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
        return {0, L""};
    return {type, data};
}
