#include "win32/NotificationWindow.h"

#include <windows.h>
#include <dbt.h>

#include "win32/ActivationContext.h"
#include "win32/Boundary.h"
#include "win32/Module.h"

namespace {

constexpr wchar_t kWindowClass[] = L"{A7BAD5BD-4855-4021-83FF-B9E9170B4EE6}";

// The stack's device interface class.
constexpr GUID kStackInterface = {
    0xC979FA8A, 0xC069, 0x4CC9, {0xAB, 0x25, 0x32, 0x9D, 0xE3, 0xCC, 0x27, 0x57}};

// Only a device interface broadcast carries a class; a broadcast of another
// type, or one too short to hold the class, is never read as one.
bool IsStackInterface(LPARAM lParam) {
    auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return false;
    constexpr DWORD kClassEnd = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_classguid) + sizeof(GUID);
    if (header->dbch_size < kClassEnd) return false;
    auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    return IsEqualGUID(device->dbcc_classguid, kStackInterface);
}

LRESULT OnDeviceChange(HWND window, WPARAM event, LPARAM lParam) {
    auto* info = reinterpret_cast<CpropertySheetInfo*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!info) return 0;
    if ((event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && IsStackInterface(lParam))
        info->SetStackAvailable(event == DBT_DEVICEARRIVAL);
    return TRUE;
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_ENDSESSION:
        return 0;
    case WM_DEVICECHANGE:
        return OnDeviceChange(window, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK NotificationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return AtBoundary(LRESULT{0}, [&] { return HandleMessage(window, message, wParam, lParam); });
}

HWND MakeWindow(CpropertySheetInfo& info) {
    ScopedAppletContext context;
    if (!context.Active()) return nullptr;
    HINSTANCE instance = TheModule().Instance();

    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = NotificationWindowProc;
    windowClass.cbWndExtra = 8;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);

    return CreateWindowExW(0, kWindowClass, L"", WS_POPUP, -1, -1, 0, 0, nullptr, nullptr, instance,
                           &info);
}

}  // namespace

bool CreateNotificationWindow(CpropertySheetInfo& info) {
    HWND window = MakeWindow(info);
    info.SetNotificationWindow(window);
    if (!window) return false;

    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kStackInterface;
    HDEVNOTIFY notification = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    info.SetDeviceNotification(notification);
    return notification != nullptr;
}

void CloseNotificationWindow(CpropertySheetInfo& info) {
    SendMessageW(static_cast<HWND>(info.NotificationWindow()), WM_CLOSE, 0, 0);
    info.SetNotificationWindow(nullptr);
    UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(info.DeviceNotification()));
    info.SetDeviceNotification(nullptr);
    UnregisterClassW(kWindowClass, TheModule().Instance());
}
