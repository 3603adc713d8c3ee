#pragma once
// Helpers shared by the tests that drive the real applet under Wine.

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "VmrStubControl.h"

// A file in the folder of the test program, where the build puts the applet
// and the stack stand-ins.
std::wstring BesideTestProgram(const wchar_t* fileName);

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

using CPlAppletFn = LONG(APIENTRY*)(HWND, UINT, LPARAM, LPARAM);

// Watches for the settings sheet of this process on a helper thread, the way
// a user would see it: once it is shown, runs `inspect` on it (from the helper
// thread; cross-thread messages are fine) and then presses Cancel.  Joins on
// destruction.
class SheetWatcher {
public:
    explicit SheetWatcher(std::function<void(HWND sheet)> inspect = {});
    ~SheetWatcher();
    SheetWatcher(const SheetWatcher&) = delete;
    SheetWatcher& operator=(const SheetWatcher&) = delete;

    bool SawSheet() const { return sawSheet_; }

private:
    std::function<void(HWND)> inspect_;
    bool sawSheet_ = false;
    std::thread thread_;
};

// Removes the quit messages waiting in this thread's queue; returns how many.
int DrainQuitMessages();

// The window text of `window`.
std::wstring WindowText(HWND window);

// Waits, with a generous bound that only a broken run reaches, until
// `condition` holds; returns whether it did.
bool WaitUntil(const std::function<bool()>& condition);

// The shown dialog box of this process with this caption (a message box), or
// null.
HWND FindDialogByCaption(const std::wstring& caption);
// The longest text among a dialog's static controls: a message box's message.
std::wstring MessageText(HWND box);

// Registry set-up of the test prefix.
void DeleteRegistryTree(HKEY root, const wchar_t* path);
void SetRegistryDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
void SetRegistryString(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& value);
// The value's type and bytes; type 0 when the value does not exist.
std::pair<DWORD, std::wstring> ReadRegistryString(HKEY root, const wchar_t* path, const wchar_t* name);
