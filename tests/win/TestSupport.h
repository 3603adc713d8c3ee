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
// a user would see it: once a sheet with `caption` is shown, runs `inspect` on
// it (from the helper thread; cross-thread messages are fine) and then presses
// Cancel.  Joins on destruction.
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
    std::thread thread_;
};

// Removes the quit messages waiting in this thread's queue; returns how many.
int DrainQuitMessages();

// Sends WM_DEVICECHANGE to the applet's hidden notification window as the
// system would for an interface of `interfaceClass`; returns its answer.
LRESULT SendDeviceChange(WPARAM event, const GUID& interfaceClass);
// The stack's device interface class.
constexpr GUID kStackInterface = {
    0xC979FA8A, 0xC069, 0x4CC9, {0xAB, 0x25, 0x32, 0x9D, 0xE3, 0xCC, 0x27, 0x57}};
constexpr wchar_t kNotificationWindowClass[] = L"{A7BAD5BD-4855-4021-83FF-B9E9170B4EE6}";

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
