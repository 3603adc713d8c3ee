// The Win32 shell as an adapter: every method of the dialog and control
// views against real controls of the applet's templates, and the hidden
// window against every device broadcast the system sends.

#include "TestSupport.h"
#include "res/resource.h"
#include "win32/ActivationContext.h"
#include "win32/NotificationWindow.h"
#include "win32/Win32DialogView.h"

#include <dbt.h>

#include <utility>

namespace {

// A page of the applet's built under its manifest, with a parent that
// counts the Apply state messages the page sends it.
class RealPage {
public:
    explicit RealPage(UINT id) {
        parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 600, nullptr, nullptr,
                                  nullptr, nullptr);
        SetWindowLongPtrW(parent_, GWLP_USERDATA,
                          SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Counting)));
        page_ = CreateDialogParamW(applet_.module(), MAKEINTRESOURCEW(id), parent_,
                                   [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        // Enabled and shown, as the sheet shows a page.
        EnableWindow(page_, TRUE);
        ShowWindow(page_, SW_SHOW);
        SetActiveWindow(parent_);
    }
    ~RealPage() { DestroyWindow(parent_); }
    RealPage(const RealPage&) = delete;
    RealPage& operator=(const RealPage&) = delete;

    HWND page() const { return page_; }
    HWND Item(int id) const { return GetDlgItem(page_, id); }
    static inline std::vector<UINT> sent;  // PSM_CHANGED and PSM_UNCHANGED, in order

private:
    static LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == PSM_CHANGED || message == PSM_UNCHANGED) sent.push_back(message);
        auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
        return CallWindowProcW(original, window, message, wParam, lParam);
    }

    LoadedApplet applet_;
    ShellOnApplet shell_{applet_};
    ScopedAppletContext context_;
    HWND parent_ = nullptr, page_ = nullptr;
};

TEST(DialogView, EveryControlMethodActsOnTheControlOfItsId) {
    RealPage general(IDD_GENERAL);
    Win32DialogView view(general.page());
    IControlView& radio = view.Control(IDC_RADIO_ON);
    IControlView& name = view.Control(IDC_DEVICE_NAME);
    EXPECT_EQ(&view.Control(IDC_RADIO_ON), &radio) << "one view per id";
    for (bool checked : {true, false}) {
        radio.SetChecked(checked);
        EXPECT_EQ(radio.IsChecked(), checked);
        EXPECT_EQ(SendMessageW(general.Item(IDC_RADIO_ON), BM_GETCHECK, 0, 0), checked ? BST_CHECKED : BST_UNCHECKED);
        radio.Enable(checked);
        EXPECT_EQ(IsWindowEnabled(general.Item(IDC_RADIO_ON)) != 0, checked);
        radio.Show(checked);
        EXPECT_EQ(IsWindowVisible(general.Item(IDC_RADIO_ON)) != 0, checked);
    }
    name.SetText(u"K\u00FCche");
    EXPECT_EQ(WindowText(general.Item(IDC_DEVICE_NAME)), L"K\u00FCche");
    SetWindowTextW(general.Item(IDC_DEVICE_NAME), std::wstring(300, L'n').c_str());
    EXPECT_EQ(name.GetText().view(), std::u16string(259, u'n')) << "cut to its buffer";
    name.LimitText(31);
    EXPECT_EQ(SendMessageW(general.Item(IDC_DEVICE_NAME), EM_GETLIMITTEXT, 0, 0), 31);
    name.SelectAllAndFocus();
    DWORD start = 1, end = 0;
    SendMessageW(general.Item(IDC_DEVICE_NAME), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(DWORD{0}, DWORD{300}));
    EXPECT_EQ(GetFocus(), general.Item(IDC_DEVICE_NAME));
    SetWindowLongPtrW(general.Item(IDC_DEVICE_NAME), GWL_EXSTYLE,
                      WS_EX_LAYOUTRTL | WS_EX_RTLREADING | WS_EX_CLIENTEDGE);
    name.MakePathBox();
    EXPECT_EQ(GetWindowLongPtrW(general.Item(IDC_DEVICE_NAME), GWL_EXSTYLE), WS_EX_CLIENTEDGE);

    // Only the n-th control without an id goes, counted in template order.
    std::vector<HWND> unnamed;
    for (HWND child = GetWindow(general.page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == -1) unnamed.push_back(child);
    ASSERT_GE(unnamed.size(), 4u);
    view.HideUnnamedChild(3);
    for (size_t i = 0; i < unnamed.size(); ++i) EXPECT_EQ(IsWindowVisible(unnamed[i]) != 0, i != 2) << i;

    RealPage::sent.clear();
    view.MarkChanged();
    view.MarkUnchanged();
    EXPECT_EQ(RealPage::sent, (std::vector<UINT>{PSM_CHANGED, PSM_UNCHANGED}));
}

// The selected row is the one the user selected, even when another has the
// focus, as after a click and arrow keys with Ctrl held.
TEST(DialogView, EveryListMethodActsOnTheList) {
    RealPage ports(IDD_COM_PORTS);
    Win32DialogView view(ports.page());
    IListView& list = view.ListView(IDC_COM_PORTS_LIST);
    HWND control = ports.Item(IDC_COM_PORTS_LIST);
    list.InsertColumn(0, u"Port", 61);
    list.InsertColumn(1, u"Name", 83);
    EXPECT_EQ(ListView_GetColumnWidth(control, 1), 83);
    ListView_SetExtendedListViewStyle(control, LVS_EX_GRIDLINES);
    list.AddExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(control), DWORD{LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT});
    const char16_t* const portNames[] = {u"COM3", u"COM5", u"COM8"};
    const char16_t* const names[] = {u"Headset", u"Tastatur", u"Drucker"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.InsertItem(row, portNames[row]), row);
        list.SetSubItemText(row, 1, names[row]);
        list.SetItemData(row, 100 + row * 7);
    }
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.SubItemText(1, 0).view(), u"COM5");
    EXPECT_EQ(list.SubItemText(1, 1).view(), u"Tastatur");
    EXPECT_EQ(list.ItemData(2), std::optional<std::intptr_t>(114));
    EXPECT_EQ(list.ItemData(3), std::nullopt);
    EXPECT_EQ(list.SelectedItem(), -1);
    ListView_SetItemState(control, 2, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(control, 0, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.SelectedItem(), 2);
    list.DeleteAllItems();
    EXPECT_EQ(list.ItemCount(), 0);
}

// A function of the system's user32, by its address.
template <typename Function>
Function* System(const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// Points this program's import of a system function at another for the life
// of the object: the shell linked into it calls through that import.
class ImportHook {
public:
    ImportHook(const char* name, void* replacement) {
        void* original = reinterpret_cast<void*>(System<void()>(name));
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        auto& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             library->Name && !slot_; ++library)
            for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); thunk->u1.Function;
                 ++thunk)
                if (reinterpret_cast<void*>(thunk->u1.Function) == original) slot_ = &thunk->u1.Function;
        EXPECT_NE(slot_, nullptr) << name << " is not imported";
        if (slot_) Swap(reinterpret_cast<ULONG_PTR>(replacement));
    }
    ~ImportHook() {
        if (slot_) Swap(saved_);
    }
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

private:
    void Swap(ULONG_PTR value) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        saved_ = std::exchange(*slot_, value);
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }
    ULONG_PTR* slot_ = nullptr;
    ULONG_PTR saved_ = 0;
};

// The counters call the system's functions by their addresses, not through
// the hooked import.
int registrations = 0;
HDEVNOTIFY WINAPI CountingRegister(HANDLE recipient, LPVOID filter, DWORD flags) {
    ++registrations;
    return System<decltype(RegisterDeviceNotificationW)>("RegisterDeviceNotificationW")(recipient, filter, flags);
}
BOOL WINAPI CountingUnregister(HDEVNOTIFY notification) {
    --registrations;
    return System<decltype(UnregisterDeviceNotification)>("UnregisterDeviceNotification")(notification);
}

// A device interface broadcast of this class, as the system sends it; the
// stack's interface class by default.
DEV_BROADCAST_DEVICEINTERFACE_W InterfaceBroadcast(
    const GUID& interfaceClass = {0xC979FA8A, 0xC069, 0x4CC9, {0xAB, 0x25, 0x32, 0x9D, 0xE3, 0xCC, 0x27, 0x57}}) {
    DEV_BROADCAST_DEVICEINTERFACE_W broadcast{};
    broadcast.dbcc_size = sizeof broadcast;
    broadcast.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast.dbcc_classguid = interfaceClass;
    return broadcast;
}

// Only the stack's interface arriving or gone for good changes the record:
// a query to remove it, a pending removal, another class or another kind of
// broadcast leave it as it was, and every one is answered as granted.  The
// window registers for the interface when made and unregisters when closed.
TEST(NotificationWindow, FollowsTheStacksInterfaceThroughEveryBroadcast) {
    constexpr GUID kOther = {0xC979FA8A, 0xC069, 0x4CC9, {0xAB, 0x25, 0x32, 0x9D, 0xE3, 0xCC, 0x27, 0x58}};
    DEV_BROADCAST_DEVICEINTERFACE_W stack = InterfaceBroadcast(), other = InterfaceBroadcast(kOther), cut = stack;
    cut.dbcc_size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_classguid) + sizeof(GUID) - 1;
    DEV_BROADCAST_HDR volume{sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_VOLUME, 0};
    const struct {
        WPARAM event;
        void* broadcast;
        bool before, after;
    } cases[] = {
        {DBT_DEVICEARRIVAL, &stack, false, true},         {DBT_DEVICEREMOVECOMPLETE, &stack, true, false},
        {DBT_DEVICEQUERYREMOVE, &stack, true, true},      {DBT_DEVICEQUERYREMOVEFAILED, &stack, false, false},
        {DBT_DEVICEREMOVEPENDING, &stack, true, true},    {DBT_DEVICEARRIVAL, &other, false, false},
        {DBT_DEVICEREMOVECOMPLETE, &other, true, true},   {DBT_DEVICEARRIVAL, &cut, false, false},
        {DBT_DEVICEREMOVECOMPLETE, &volume, true, true},  {DBT_DEVNODES_CHANGED, nullptr, false, false},
    };
    LoadedApplet applet;
    ShellOnApplet shell(applet);
    ImportHook registering("RegisterDeviceNotificationW", reinterpret_cast<void*>(&CountingRegister));
    ImportHook unregistering("UnregisterDeviceNotification", reinterpret_cast<void*>(&CountingUnregister));
    CpropertySheetInfo info;
    registrations = 0;
    ASSERT_TRUE(CreateNotificationWindow(info));
    EXPECT_EQ(registrations, 1);
    auto window = static_cast<HWND>(info.NotificationWindow());
    auto notification = static_cast<HDEVNOTIFY>(info.DeviceNotification());
    ASSERT_NE(notification, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "event " << c.event << ", case " << (&c - cases));
        info.SetStackAvailable(c.before);
        EXPECT_EQ(SendMessageW(window, WM_DEVICECHANGE, c.event, reinterpret_cast<LPARAM>(c.broadcast)), TRUE);
        EXPECT_EQ(info.IsStackAvailable(), c.after);
    }
    CloseNotificationWindow(info);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(registrations, 0) << "the notification was left registered";
    EXPECT_EQ(DrainQuitMessages(), 1);
}

}  // namespace
