// Opens and closes the settings sheet run after run in one process, beside
// Wine's own Internet Options sheet, and prints how long each takes until it
// is shown and until it is drawn with no paint pending.  For one run it also
// counts the stack calls and registry operations made before the sheet
// shows (those of the start-up fill and of the first page) and the standard
// controls created by then, and times creating one such control with and
// without the applet's activation context.
//
// Run it through tools/bench.sh, which builds it and gives it a prefix and a
// virtual display.

#include <windows.h>
#include <cpl.h>
#include <prsht.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "VmrStubControl.h"
#include "win32/ActivationContext.h"
#include "win32/Module.h"
#include "win32/Win32Registry.h"
#include "win32/Win32SheetRun.h"
#include "win32/Win32Stack.h"

namespace {

using Clock = std::chrono::steady_clock;
using CPlAppletFn = LONG(APIENTRY*)(HWND, UINT, LPARAM, LPARAM);
constexpr int kWarmUps = 2;
constexpr int kRuns = 21;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

// The visible dialog windows of this process.
std::set<HWND> ProcessDialogs() {
    std::set<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(name) == L"#32770")
                reinterpret_cast<std::set<HWND>*>(result)->insert(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool PaintPending(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    bool pending = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(result) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Waits half a millisecond without asking the system anything: the checks
// themselves go through the window server, and asking it without pause would
// slow down the very thread being timed.
void Pause() {
    const auto until = Clock::now() + std::chrono::microseconds(500);
    while (Clock::now() < until) {
    }
}

struct Sample {
    double shown = 0, drawn = 0;
};

// One modal run; a watcher thread times the new sheet, then cancels it.
Sample TimeOneRun(const std::function<void()>& runModal, const std::function<void()>& whenShown = {}) {
    const std::set<HWND> before = ProcessDialogs();
    std::atomic<bool> returned = false;
    Sample sample;
    const auto start = Clock::now();
    std::thread watcher([&] {
        HWND sheet = nullptr;
        while (!returned && !sheet) {
            for (HWND dialog : ProcessDialogs())
                if (!before.count(dialog)) sheet = dialog;
            if (!sheet) Pause();
        }
        if (!sheet) return;
        sample.shown = MillisecondsSince(start);
        if (whenShown) whenShown();
        while (!returned && PaintPending(sheet)) Pause();
        sample.drawn = MillisecondsSince(start);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    runModal();
    returned = true;
    watcher.join();
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return sample;
}

struct Applet {
    explicit Applet(const wchar_t* name) : file(name) {}
    const wchar_t* file;
    HMODULE module = nullptr;
    CPlAppletFn entry = nullptr;
    std::vector<Sample> samples;

    bool Load() {
        module = LoadLibraryW(file);
        entry = module ? reinterpret_cast<CPlAppletFn>(reinterpret_cast<void*>(GetProcAddress(module, "CPlApplet")))
                       : nullptr;
        if (!entry) return false;
        entry(nullptr, CPL_INIT, 0, 0);
        entry(nullptr, CPL_GETCOUNT, 0, 0);
        CPLINFO info{};
        entry(nullptr, CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    }
    Sample Run() {
        return TimeOneRun([this] { entry(GetDesktopWindow(), CPL_DBLCLK, 0, 0); });
    }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const Applet& applet) {
    std::vector<double> shown, drawn;
    for (const Sample& sample : applet.samples) {
        shown.push_back(sample.shown);
        drawn.push_back(sample.drawn);
    }
    auto [shownMin, shownMax] = std::minmax_element(shown.begin(), shown.end());
    auto [drawnMin, drawnMax] = std::minmax_element(drawn.begin(), drawn.end());
    std::printf("%-16ls shown %7.1f ms (%.1f-%.1f)   drawn %7.1f ms (%.1f-%.1f)\n", applet.file, Median(shown),
                *shownMin, *shownMax, Median(drawn), *drawnMin, *drawnMax);
}

// The real registry, counting the operations asked of it.
class CountingRegistry final : public Win32Registry {
public:
    std::atomic<int> operations = 0;
    long OpenKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        ++operations;
        return Win32Registry::OpenKey(root, path, access, key);
    }
    long CreateKey(RegistryRoot root, const char16_t* path, std::uint32_t access, RegistryHandle* key) override {
        ++operations;
        return Win32Registry::CreateKey(root, path, access, key);
    }
    long QueryValue(RegistryHandle key, const char16_t* name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override {
        ++operations;
        return Win32Registry::QueryValue(key, name, type, data, size);
    }
    long SetValue(RegistryHandle key, const char16_t* name, std::uint32_t type, const void* data,
                  std::uint32_t size) override {
        ++operations;
        return Win32Registry::SetValue(key, name, type, data, size);
    }
    long CloseKey(RegistryHandle key) override {
        ++operations;
        return Win32Registry::CloseKey(key);
    }
};

// Buttons, static texts and edit boxes: the classes that Common Controls 6
// takes over through the applet's activation context.
bool IsRedirectedStandardClass(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    for (const wchar_t* standard : {L"Button", L"Static", L"Edit"})
        if (lstrcmpiW(name, standard) == 0) return true;
    return false;
}

std::atomic<bool> g_countingControls = false;
std::atomic<int> g_standardControls = 0;

LRESULT CALLBACK CountStandardControls(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_countingControls && IsRedirectedStandardClass(reinterpret_cast<HWND>(wParam)))
        ++g_standardControls;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Creating one standard control, with the applet's activation context active
// or not: what each of the sheet's controls costs on this platform.
double MillisecondsPerStandardControl(bool inAppletContext) {
    constexpr int kControls = 40;
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    std::optional<ScopedAppletContext> context;
    if (inAppletContext) context.emplace();
    const auto start = Clock::now();
    for (int i = 0; i < kControls; ++i)
        DestroyWindow(CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 50, 14, parent, nullptr, nullptr, nullptr));
    const double each = MillisecondsSince(start) / kControls;
    context.reset();
    DestroyWindow(parent);
    return each;
}

// One run through the applet's own shell with a counting registry: what the
// start-up fill and the first page ask before the sheet shows.
void CountOneOpening(HMODULE applet) {
    TheModule().SetInstance(applet);
    Win32Stack stack;
    CountingRegistry registry;
    VmrStubClearLog();
    int registryOperations = 0;
    std::string stackCalls;
    HHOOK hook = SetWindowsHookExW(WH_CBT, CountStandardControls, nullptr, GetCurrentThreadId());
    g_countingControls = true;
    TimeOneRun([&] { RunSettingsSheet(stack, registry, nullptr, 0); },
               [&] {
                   g_countingControls = false;
                   registryOperations = registry.operations;
                   std::vector<char> log(VmrStubReadLog(nullptr, 0));
                   VmrStubReadLog(log.data(), static_cast<std::uint32_t>(log.size()));
                   stackCalls = log.data();
               });
    UnhookWindowsHookEx(hook);
    const double inContext = MillisecondsPerStandardControl(true), outside = MillisecondsPerStandardControl(false);
    TheModule().SetInstance(nullptr);
    int calls = static_cast<int>(std::count(stackCalls.begin(), stackCalls.end(), '\n'));
    std::printf("\nUntil the sheet shows: %d stack calls, %d registry operations (opens, creates, queries, writes, closes)\n",
                calls, registryOperations);
    std::printf("%s", stackCalls.c_str());
    std::printf("\nUntil the sheet shows: %d buttons, static texts and edit boxes, each %.2f ms to create under the "
                "applet's activation context (%.2f ms without)\n",
                g_standardControls.load(), inContext, outside);
}

}  // namespace

int wmain() {
    // Loaded in the order Wine's Control Panel loads them: the system's own
    // items first, then those registered under Cpls.
    Applet internet(L"inetcpl.cpl"), quorvel(L"QuorvelCpl.dll");
    if (!internet.Load() || !quorvel.Load()) {
        std::fprintf(stderr, "cannot load the applets\n");
        return 1;
    }
    for (int run = 0; run < kWarmUps + kRuns; ++run) {
        Sample ours = quorvel.Run(), theirs = internet.Run();
        if (run < kWarmUps) continue;
        quorvel.samples.push_back(ours);
        internet.samples.push_back(theirs);
    }
    std::printf("Medians of %d runs in one process, from CPL_DBLCLK (spread in brackets):\n", kRuns);
    Report(quorvel);
    Report(internet);
    auto drawn = [](const Applet& applet) {
        std::vector<double> values;
        for (const Sample& sample : applet.samples) values.push_back(sample.drawn);
        return Median(values);
    };
    std::printf("Ratio to drawn: %.2f x the platform's own sheet\n", drawn(quorvel) / drawn(internet));

    CountOneOpening(quorvel.module);

    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExW(Beside(L"QuorvelCpl.dll").c_str(), GetFileExInfoStandard, &file);
    std::printf("\nQuorvelCpl.dll: %lu bytes\n", file.nFileSizeLow);
    return 0;
}
