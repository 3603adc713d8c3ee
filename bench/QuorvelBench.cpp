// Opens and closes the settings sheet run after run in one process, beside
// Wine's own Internet Options sheet, and prints how long each takes until it
// is shown and until it is drawn with no paint pending.  For one run it also
// counts the stack calls and registry operations made before the sheet
// shows (those of the start-up fill and of the first page) and when each
// window of an opening begins to be made, and times making one control under
// either item's activation context and without one.
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

// Gives up the processor for about a millisecond between two looks at the
// sheet.  Spinning instead would take one of the machine's cores from the
// window server and Wine's own server, which the timed thread needs: on two
// cores that made the medians of one process and the next differ by a tenth.
void Pause() { Sleep(1); }

// Milestones of one opening, in milliseconds from CPL_DBLCLK: the first
// window the run creates (the applet's hidden notification window; before it
// comes the start-up fill), the sheet's own window, its first page, the last
// window made before the sheet shows, the showing and the end of painting.
struct Sample {
    double firstWindow = 0, sheet = 0, firstPage = 0, lastWindow = 0, shown = 0, drawn = 0;
    int windows = 0;  // made before the sheet shows
    std::vector<std::pair<double, std::wstring>> timeline;  // each of those windows: when, and its class
};

// Timestamps every window the timed thread creates (a CBT hook runs on the
// creating thread, inside CreateWindowEx).
struct WindowMarks {
    Clock::time_point start;
    std::vector<std::pair<double, bool>> created;  // when, and whether it is a dialog (sheet or page)
    std::vector<bool> topLevel;
    std::vector<std::wstring> classes;
};
WindowMarks* g_marks = nullptr;

LRESULT CALLBACK MarkWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_marks) {
        wchar_t name[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        g_marks->created.emplace_back(MillisecondsSince(g_marks->start), std::wstring(name) == L"#32770");
        g_marks->topLevel.push_back(!(create->style & WS_CHILD));
        g_marks->classes.emplace_back(name);
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
        sample.timeline.emplace_back(when, marks.classes[i]);
    }
}

// One modal run; a watcher thread times the new sheet, then cancels it.
Sample TimeOneRun(const std::function<void()>& runModal) {
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
    // Each window of the usual sequence, when its creation began; a hidden
    // window's class name is shortened to its first characters.
    const std::vector<std::pair<double, std::wstring>>& usual = applet.samples[applet.samples.size() / 2].timeline;
    std::printf("%-16s", "");
    for (size_t i = 0; i < usual.size(); ++i) {
        std::vector<double> when;
        for (const Sample& sample : applet.samples)
            if (sample.timeline.size() == usual.size() && sample.timeline[i].second == usual[i].second)
                when.push_back(sample.timeline[i].first);
        std::printf(" %.12ls %.1f%s", usual[i].second.c_str(), when.empty() ? 0.0 : Median(when),
                    i + 1 < usual.size() ? "," : "\n");
    }
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

// Making and destroying one button in a window of its own, with `within`
// around it: what each control of a page costs on this platform under a
// Common Controls 6 context and without one.  The median of five rounds.
double MillisecondsPerControl(const std::function<void(const std::function<void()>&)>& within) {
    constexpr int kControls = 100;
    std::vector<double> rounds;
    for (int round = 0; round < 5; ++round) {
        within([&] {
            HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
            const auto start = Clock::now();
            for (int i = 0; i < kControls; ++i)
                DestroyWindow(CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 50, 14, parent, nullptr, nullptr, nullptr));
            rounds.push_back(MillisecondsSince(start) / kControls);
            DestroyWindow(parent);
        });
    }
    return Median(rounds);
}

// What the start-up fill and the first page have asked when the sheet is
// about to be shown: taken on the sheet's own thread as the system activates
// the sheet, so the moment does not depend on when a watcher looks.
struct OpeningCounts {
    const std::atomic<int>* registryOperations = nullptr;
    int operations = -1;
    std::string stackCalls;
};
OpeningCounts* g_counts = nullptr;

LRESULT CALLBACK CountAtActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_counts && g_counts->operations < 0) {
        g_counts->operations = *g_counts->registryOperations;
        std::vector<char> log(VmrStubReadLog(nullptr, 0));
        VmrStubReadLog(log.data(), static_cast<std::uint32_t>(log.size()));
        g_counts->stackCalls = log.data();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// One run through the applet's own shell with a counting registry: what the
// start-up fill and the first page ask before the sheet shows.
void CountOneOpening(HMODULE applet, const ItemManifest& theirs) {
    TheModule().SetInstance(applet);
    Win32Stack stack;
    CountingRegistry registry;
    VmrStubClearLog();
    OpeningCounts counts;
    counts.registryOperations = &registry.operations;
    g_counts = &counts;
    HHOOK hook = SetWindowsHookExW(WH_CBT, CountAtActivation, nullptr, GetCurrentThreadId());
    TimeOneRun([&] { RunSettingsSheet(stack, registry, nullptr, 0); });
    UnhookWindowsHookEx(hook);
    g_counts = nullptr;
    const int registryOperations = counts.operations;
    const std::string& stackCalls = counts.stackCalls;
    const double ours = MillisecondsPerControl([](const std::function<void()>& call) {
        ScopedAppletContext context;
        call();
    });
    const double theirsEach = MillisecondsPerControl([&](const std::function<void()>& call) { theirs.Within(call); });
    const double none = MillisecondsPerControl([](const std::function<void()>& call) { call(); });
    TheModule().SetInstance(nullptr);
    int calls = static_cast<int>(std::count(stackCalls.begin(), stackCalls.end(), '\n'));
    std::printf("\nUntil the sheet shows: %d stack calls, %d registry operations (opens, creates, queries, writes, closes)\n",
                calls, registryOperations);
    std::printf("%s", stackCalls.c_str());
    std::printf("\nA button made and destroyed: %.2f ms under the applet's context, %.2f ms under Internet Options' "
                "manifest, %.2f ms without a context\n", ours, theirsEach, none);
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

    CountOneOpening(quorvel.module, internet.manifest);

    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExW(Beside(L"QuorvelCpl.dll").c_str(), GetFileExInfoStandard, &file);
    std::printf("\nQuorvelCpl.dll: %lu bytes\n", file.nFileSizeLow);
    return 0;
}
