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
#include <cstdlib>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
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
// QUORVEL_BENCH_RUNS asks for more runs, to tell small differences apart.
const int kRuns = [] {
    const char* runs = std::getenv("QUORVEL_BENCH_RUNS");
    return runs ? std::max(5, std::atoi(runs)) : 21;
}();

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

// Milestones of one opening, in milliseconds from CPL_DBLCLK: the first
// window the run creates (the applet's hidden notification window; before it
// comes the start-up fill), the sheet's own window, its first page, the last
// window made before the sheet shows, the showing and the end of painting.
struct Sample {
    double firstWindow = 0, sheet = 0, firstPage = 0, lastWindow = 0, shown = 0, drawn = 0;
    int windows = 0;  // made before the sheet shows
};

// Timestamps every window the timed thread creates (a CBT hook runs on the
// creating thread, inside CreateWindowEx).
struct WindowMarks {
    Clock::time_point start;
    std::vector<std::pair<double, bool>> created;  // when, and whether it is a dialog (sheet or page)
    std::vector<bool> topLevel;
};
WindowMarks* g_marks = nullptr;

LRESULT CALLBACK MarkWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_marks) {
        wchar_t name[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        g_marks->created.emplace_back(MillisecondsSince(g_marks->start), std::wstring(name) == L"#32770");
        g_marks->topLevel.push_back(!(create->style & WS_CHILD));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ApplyMarks(const WindowMarks& marks, Sample& sample) {
    for (size_t i = 0; i < marks.created.size() && marks.created[i].first <= sample.shown; ++i) {
        const auto [when, dialog] = marks.created[i];
        if (sample.windows++ == 0) sample.firstWindow = when;
        if (dialog && marks.topLevel[i] && !sample.sheet) sample.sheet = when;
        if (dialog && !marks.topLevel[i] && !sample.firstPage) sample.firstPage = when;
        sample.lastWindow = when;
    }
}

// One modal run; a watcher thread times the new sheet, then cancels it.
Sample TimeOneRun(const std::function<void()>& runModal, const std::function<void()>& whenShown = {}) {
    const std::set<HWND> before = ProcessDialogs();
    std::atomic<bool> returned = false;
    Sample sample;
    WindowMarks marks;
    HHOOK hook = SetWindowsHookExW(WH_CBT, MarkWindowCreation, nullptr, GetCurrentThreadId());
    const auto start = marks.start = Clock::now();
    g_marks = &marks;
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
    g_marks = nullptr;
    UnhookWindowsHookEx(hook);
    ApplyMarks(marks, sample);
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return sample;
}

// The activation context the Control Panel host makes from an item's
// manifest, resource 123 of its file, and activates around loading the item
// and around every call into it.  An item without one gets none from the
// host (the applet activates its own Common Controls 6 context itself).
class ItemManifest {
public:
    explicit ItemManifest(const std::wstring& path) {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = path.c_str();
        request.lpResourceName = MAKEINTRESOURCEW(123);
        context_ = CreateActCtxW(&request);
    }
    ~ItemManifest() {
        if (Present()) ReleaseActCtx(context_);
    }
    ItemManifest(const ItemManifest&) = delete;
    ItemManifest& operator=(const ItemManifest&) = delete;

    bool Present() const { return context_ != INVALID_HANDLE_VALUE; }
    void Within(const std::function<void()>& call) const {
        ULONG_PTR cookie = 0;
        bool active = Present() && ActivateActCtx(context_, &cookie);
        call();
        if (active) DeactivateActCtx(0, cookie);
    }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
};

std::wstring FullPath(const wchar_t* file) {
    wchar_t path[MAX_PATH] = {};
    return SearchPathW(nullptr, file, nullptr, MAX_PATH, path, nullptr) ? path : Beside(file);
}

struct Applet {
    explicit Applet(const wchar_t* name) : file(name), manifest(FullPath(name)) {}
    const wchar_t* file;
    ItemManifest manifest;
    HMODULE module = nullptr;
    CPlAppletFn entry = nullptr;
    std::vector<Sample> samples;

    bool Load() {
        manifest.Within([this] {
            module = LoadLibraryW(FullPath(file).c_str());
            entry = module ? reinterpret_cast<CPlAppletFn>(reinterpret_cast<void*>(GetProcAddress(module, "CPlApplet")))
                           : nullptr;
            if (!entry) return;
            CPLINFO info{};
            for (auto [message, data] : {std::pair<UINT, LPARAM>{CPL_INIT, 0}, {CPL_GETCOUNT, 0},
                                         {CPL_INQUIRE, reinterpret_cast<LPARAM>(&info)}})
                entry(nullptr, message, 0, data);
        });
        return entry != nullptr;
    }
    Sample Run() {
        Sample sample;
        manifest.Within([&] { sample = TimeOneRun([this] { entry(GetDesktopWindow(), CPL_DBLCLK, 0, 0); }); });
        return sample;
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
    std::printf("%-16ls shown %7.1f ms (%.1f-%.1f)   drawn %7.1f ms (%.1f-%.1f)   %s\n", applet.file, Median(shown),
                *shownMin, *shownMax, Median(drawn), *drawnMin, *drawnMax,
                applet.manifest.Present() ? "under its manifest 123, as the host runs it" : "no manifest 123: no host context");
}

// The medians of each milestone, for the account of where the time goes.
void ReportMilestones(const Applet& applet) {
    auto median = [&](double Sample::*mark) {
        std::vector<double> values;
        for (const Sample& sample : applet.samples) values.push_back(sample.*mark);
        return Median(values);
    };
    std::vector<double> windows;
    for (const Sample& sample : applet.samples) windows.push_back(sample.windows);
    std::printf("%-16ls first window %5.1f  sheet %5.1f  first page %5.1f  last window %5.1f  shown %5.1f  "
                "drawn %5.1f ms; %.0f windows before shown\n",
                applet.file, median(&Sample::firstWindow), median(&Sample::sheet), median(&Sample::firstPage),
                median(&Sample::lastWindow), median(&Sample::shown), median(&Sample::drawn), Median(windows));
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

// --theirs-first loads and runs Internet Options before the applet: under
// Wine the first library to map Common Controls 6 under a context decides
// whether those after it pay for mapping it again.
int wmain(int argc, wchar_t** argv) {
    const bool theirsFirst = argc > 1 && std::wstring(argv[1]) == L"--theirs-first";
    Applet internet(L"inetcpl.cpl"), quorvel(L"QuorvelCpl.dll");
    Applet& first = theirsFirst ? internet : quorvel;
    Applet& second = theirsFirst ? quorvel : internet;
    if (!first.Load() || !second.Load()) {
        std::fprintf(stderr, "cannot load the applets\n");
        return 1;
    }
    for (int run = 0; run < kWarmUps + kRuns; ++run) {
        Sample a = first.Run(), b = second.Run();
        if (run < kWarmUps) continue;
        first.samples.push_back(a);
        second.samples.push_back(b);
    }
    std::printf("%ls first.  ", first.file);
    std::printf("Medians of %d runs in one process, from CPL_DBLCLK (spread in brackets):\n", kRuns);
    Report(quorvel);
    Report(internet);
    auto drawn = [](const Applet& applet) {
        std::vector<double> values;
        for (const Sample& sample : applet.samples) values.push_back(sample.drawn);
        return Median(values);
    };
    std::printf("Ratio to drawn: %.2f x the platform's own sheet\n", drawn(quorvel) / drawn(internet));
    std::printf("Milestones (medians, ms from CPL_DBLCLK):\n");
    ReportMilestones(quorvel);
    ReportMilestones(internet);

    CountOneOpening(quorvel.module);

    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExW(Beside(L"QuorvelCpl.dll").c_str(), GetFileExInfoStandard, &file);
    std::printf("\nQuorvelCpl.dll: %lu bytes\n", file.nFileSizeLow);
    return 0;
}
