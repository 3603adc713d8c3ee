#pragma once
// Helpers shared by the tests that drive the real applet under Wine.  A test
// includes this header first and takes GoogleTest, the Windows and Common
// Controls headers and the standard strings and containers from it.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "SystemValues.h"
#include "VmrStubControl.h"
#include "win32/Module.h"
#include "win32/ResourceData.h"
#include "win32/WideText.h"

// A file in the folder of the test program, where the build puts the applet
// and the stack stand-ins.
std::wstring BesideTestProgram(const wchar_t* fileName);

// The tags of the language libraries the build puts beside the applet, each
// in a folder of its tag.
inline constexpr const wchar_t* kLanguageTags[] = {
#include "LanguageTags.inc"
};

// The stand-ins' call log, one "Operation(arguments)" line per call.
inline std::string StubLog() {
    std::vector<char> buffer(VmrStubReadLog(nullptr, 0));
    VmrStubReadLog(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
    return buffer.data();
}

// The applet, loaded for the life of the object.
class LoadedApplet {
public:
    LoadedApplet() : module_(LoadLibraryW(BesideTestProgram(L"QuorvelCpl.dll").c_str())) {
        EXPECT_NE(module_, nullptr) << "LoadLibrary failed with " << GetLastError();
    }
    ~LoadedApplet() {
        if (module_) FreeLibrary(module_);
    }
    LoadedApplet(const LoadedApplet&) = delete;
    LoadedApplet& operator=(const LoadedApplet&) = delete;

    HMODULE module() const { return module_; }
    template <typename Function>
    Function export_(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// Points the Win32 shell linked into this program at the applet's module for
// the life of the object: the shell then takes its templates, texts and
// manifest from the applet's file, as the applet's own shell does.
class ShellOnApplet {
public:
    explicit ShellOnApplet(const LoadedApplet& applet) { TheModule().SetInstance(applet.module()); }
    ~ShellOnApplet() { TheModule().SetInstance(nullptr); }
    ShellOnApplet(const ShellOnApplet&) = delete;
    ShellOnApplet& operator=(const ShellOnApplet&) = delete;
};

// Watches for the settings sheet of this process on a helper thread, the way
// a user would see it: once a sheet with `caption` is shown, runs `inspect` on
// it (from the helper thread; cross-thread messages are fine) and then presses
// Cancel.  Any other dialog box shown outside `inspect` fails the test and is
// answered; a run that does not end within minutes stops the program.  Stops
// watching and joins on destruction, which comes after the run has returned.
class SheetWatcher {
public:
    explicit SheetWatcher(std::function<void(HWND sheet)> inspect = {},
                          std::wstring caption = L"Bluetooth Settings");
    ~SheetWatcher() {
        stopped_ = true;
        thread_.join();
    }
    SheetWatcher(const SheetWatcher&) = delete;
    SheetWatcher& operator=(const SheetWatcher&) = delete;

    bool SawSheet() const { return sawSheet_; }

private:
    std::function<void(HWND)> inspect_;
    std::wstring caption_;
    bool sawSheet_ = false;
    std::atomic<bool> stopped_ = false;
    std::thread thread_;
};

// Removes the quit messages waiting in this thread's queue; returns how many.
inline int DrainQuitMessages() {
    int count = 0;
    for (MSG message; PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) ++count;
    return count;
}

// One run through CPlDevPropRunModal with `drive` acting on the shown sheet
// titled `caption`; expects that the sheet was shown and that the run left
// one quit message.
void RunSheet(const LoadedApplet& applet, const std::function<void(HWND sheet)>& drive, HWND parent = nullptr,
              const std::wstring& caption = L"Bluetooth Settings");

inline std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}
inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Waits, with a generous bound that only a broken run reaches, until
// `condition` holds; returns whether it did.  No test depends on how fast
// the sheet opens.
bool WaitUntil(const std::function<bool()>& condition);

// Presses OK and waits for the sheet to close.
inline void PressOk(HWND sheet) {
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); })) << "OK did not close the sheet";
}
// Switches the sheet to the page at `index` and returns its window.
inline HWND ShowPage(HWND sheet, int index) {
    PropSheet_SetCurSel(sheet, nullptr, index);
    return PropSheet_GetCurrentPageHwnd(sheet);
}

// The shown dialog box of this process with this caption (a message box), or
// null.
HWND FindDialogByCaption(const std::wstring& caption);
// Waits for the message box with this caption, runs `whileShown`, closes the
// box with OK and returns its message.
std::wstring AnswerMessageBox(const std::wstring& caption, const std::function<void()>& whileShown = {});

// A library beside the test program, loaded for its resources only, as the
// applet loads its language libraries; and one held for the life of the object.
HMODULE LoadAsData(const std::wstring& fileName);
using LibraryAsData = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;
// The tag of this process's interface language (Wine's, from the Unix locale).
std::wstring InterfaceLanguageTag();

// One text of a module's string table, empty when it has none.
inline std::wstring StringResource(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

// Registry set-up of the test prefix.
inline void DeleteRegistryTree(HKEY root, const char16_t* path) { RegDeleteTreeW(root, Wide(path)); }
inline void SetRegistryDword(HKEY root, const char16_t* path, const char16_t* name, DWORD value) {
    EXPECT_EQ(RegSetKeyValueW(root, Wide(path), Wide(name), REG_DWORD, &value, sizeof value), ERROR_SUCCESS);
}
inline void SetRegistryString(HKEY root, const char16_t* path, const char16_t* name, const std::wstring& value) {
    auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(RegSetKeyValueW(root, Wide(path), Wide(name), REG_SZ, value.c_str(), size), ERROR_SUCCESS);
}
// The value's type and text; type 0 when the value does not exist.
std::pair<DWORD, std::wstring> ReadRegistryString(HKEY root, const char16_t* path, const char16_t* name);
