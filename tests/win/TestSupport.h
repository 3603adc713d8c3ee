#pragma once
// Helpers shared by the tests that drive the real applet under Wine.

#include <windows.h>

#include <atomic>
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
std::string StubLog();

// The applet, loaded for the life of the object.
class LoadedApplet {
public:
    LoadedApplet();
    ~LoadedApplet();
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

using CPlAppletFn = LONG(APIENTRY*)(HWND, UINT, LPARAM, LPARAM);

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
    ~SheetWatcher();
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

// One run through CPlDevPropRunModal with `drive` acting on the shown sheet;
// expects that the sheet was shown and that the run left one quit message.
void RunSheet(const LoadedApplet& applet, const std::function<void(HWND sheet)>& drive,
              HWND parent = nullptr);

// Removes the quit messages waiting in this thread's queue; returns how many.
int DrainQuitMessages();


// The window text of `window`.
std::wstring WindowText(HWND window);

// Waits, with a generous bound that only a broken run reaches, until
// `condition` holds; returns whether it did.
bool WaitUntil(const std::function<bool()>& condition);

// Presses OK and waits for the sheet to close.
void PressOk(HWND sheet);
// Switches the sheet to the page at `index` and returns its window.
HWND ShowPage(HWND sheet, int index);

// Every cell of a list view of this process, row by row.
using ListCells = std::vector<std::vector<std::wstring>>;
ListCells ListRows(HWND list);

// The shown dialog box of this process with this caption (a message box), or
// null.
HWND FindDialogByCaption(const std::wstring& caption);
// Waits for the message box with this caption, runs `whileShown`, closes the
// box with OK and returns its message.
std::wstring AnswerMessageBox(const std::wstring& caption, const std::function<void()>& whileShown = {});


// One text of a module's string table, empty when it has none.
std::wstring StringResource(HMODULE module, UINT id);

// Registry set-up of the test prefix.
void DeleteRegistryTree(HKEY root, const char16_t* path);
void SetRegistryDword(HKEY root, const char16_t* path, const char16_t* name, DWORD value);
void SetRegistryString(HKEY root, const char16_t* path, const char16_t* name, const std::wstring& value);
// The value's type and text; type 0 when the value does not exist.
std::pair<DWORD, std::wstring> ReadRegistryString(HKEY root, const char16_t* path, const char16_t* name);
