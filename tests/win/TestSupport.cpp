#include "TestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <chrono>
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

namespace {

// A generous bound for a window to appear, so that a broken run fails the
// test instead of hanging it; no test depends on how fast the sheet opens.
constexpr auto kSheetAppearsWithin = std::chrono::seconds(60);

HWND FindShownSheet() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
                std::wstring(className) != L"#32770" || WindowText(window) != L"Bluetooth Settings")
                return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

SheetWatcher::SheetWatcher(std::function<void(HWND)> inspect) : inspect_(std::move(inspect)) {
    thread_ = std::thread([this] {
        auto deadline = std::chrono::steady_clock::now() + kSheetAppearsWithin;
        HWND sheet = nullptr;
        while (!(sheet = FindShownSheet()) && std::chrono::steady_clock::now() < deadline) Sleep(20);
        if (!sheet) return;
        sawSheet_ = true;
        if (inspect_) inspect_(sheet);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
}

SheetWatcher::~SheetWatcher() { thread_.join(); }

int DrainQuitMessages() {
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) ++count;
    return count;
}
