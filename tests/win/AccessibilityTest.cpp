// Every control of every page as the keyboard and a screen reader meet it,
// in the language of the process (CTest runs this in each): Tab goes through
// the tab stops in reading order and back to the tabs; each labelled one has
// a mnemonic, unique on its page, that differs from the sheet's own buttons'
// and brings the focus to its control; Active
// Accessibility names each control by the text the table gives, with states
// that follow its window.  Keys go through the sheet's own dialog-message
// handling (PSM_ISDIALOGMESSAGE), as its modal loop would pass them.

#include "TestSupport.h"
#include "res/resource.h"

#include <oleacc.h>

#include <filesystem>
#include <set>

namespace {

// The pages in tab order, Audio/Video shown.
constexpr UINT kPages[] = {IDD_GENERAL,   IDD_HARDWARE,    IDD_BTH_SERVICES, IDD_FILE_SHARING,
                           IDD_COM_PORTS, IDD_AUDIO_VIDEO, IDD_PIM_SETTINGS};

// A control without a text of its own is named by another's: by id, or by
// its place among the page's controls where that one has no id.
struct NamedBy {
    UINT page;
    int control, label;
    bool byPlace;
};
constexpr NamedBy kNamedBy[] = {
    {IDD_GENERAL, IDC_DEVICE_NAME, 3, true},         // "Name:"
    {IDD_HARDWARE, IDC_HARDWARE_LIST, 0, true},      // "Device Properties:"
    {IDD_BTH_SERVICES, IDC_SERVICES_LIST, 4, true},  // a label of no size
    {IDD_FILE_SHARING, IDC_SHARING_ENABLED, IDC_SHARING_LABEL, false},
    {IDD_FILE_SHARING, IDC_EXCHANGE_FOLDER, IDC_EXCHANGE_GROUP, false},
    {IDD_FILE_SHARING, IDC_IMAGING_FOLDER, IDC_IMAGING_GROUP, false},
    {IDD_COM_PORTS, IDC_COM_PORTS_LIST, 1, true},  // a label of no size, not the paragraph before it
};

struct Accessible {
    std::wstring name, shortcut;
    LONG state = 0;
};
Accessible AccessibleOf(HWND control) {
    Accessible result;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return result;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (auto [get, text] : {std::pair{&IAccessible::get_accName, &result.name},
                             std::pair{&IAccessible::get_accKeyboardShortcut, &result.shortcut}}) {
        BSTR value = nullptr;
        if ((object->*get)(self, &value) == S_OK && value) *text = value;
        SysFreeString(value);
    }
    VARIANT state{};
    if (object->get_accState(self, &state) == S_OK && state.vt == VT_I4) result.state = state.lVal;
    object->Release();
    return result;
}

wchar_t MnemonicOf(const std::wstring& text) {
    auto at = text.find(L'&');
    return at != std::wstring::npos && at + 1 < text.size() ? static_cast<wchar_t>(towupper(text[at + 1])) : 0;
}
// A name as a listener hears it: without the mnemonic's marker, in either
// form ("&N" or, in Japanese, "(&N)", which Wine reads as "(N)"), and without
// a label's closing colon.
std::wstring Heard(std::wstring text, wchar_t mnemonic) {
    for (std::wstring marker : {std::wstring(L"(&") + mnemonic + L")", std::wstring(L"(") + mnemonic + L")"})
        if (auto at = text.find(marker); mnemonic && at != std::wstring::npos) text.erase(at, marker.size());
    if (auto at = text.find(L'&'); at != std::wstring::npos) text.erase(at, 1);
    while (!text.empty() && (text.back() == L':' || text.back() == L' ')) text.pop_back();
    return text;
}
bool IsTabStop(HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control) && (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP);
}

// The sheet's thread's focus, and a key handed to the sheet as its loop would.
HWND Focus(HWND sheet) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(sheet, nullptr), &info);
    return info.hwndFocus;
}
void Key(HWND sheet, UINT message, WPARAM key) {
    MSG msg{Focus(sheet), message, key, message == WM_SYSCHAR ? 0x20000001 : 1, 0, {}};
    SendMessageW(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg));
}

// The library whose texts the process shows: its language's, or the applet.
std::wstring ShownLibrary() {
    const std::wstring tag = InterfaceLanguageTag();
    const std::wstring library = tag + L"\\QuorvelCpl" + tag + L".dll";
    return std::filesystem::exists(BesideTestProgram(library.c_str())) ? library : L"QuorvelCpl.dll";
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        SetRegistryDword(HKEY_LOCAL_MACHINE, sys::kMachineDefaultKey, sys::kIsScmstSupported, 1);
    }
    void TearDown() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, sys::kMakerTree); }
    void Run(const std::function<void(HWND)>& drive) {
        const LibraryAsData texts(LoadAsData(ShownLibrary()), FreeLibrary);
        RunSheet(applet_, drive, nullptr, StringResource(texts.get(), IDS_APPLET_NAME));
    }
    LoadedApplet applet_;
};

TEST_F(Accessibility, EveryControlIsReachedByKeyboardAndNamedForAScreenReader) {
    Run([](HWND sheet) {
        std::set<wchar_t> sheetMnemonics;
        for (int button : {IDOK, IDCANCEL, IDHELP, 0x3021 /* Apply */})
            if (wchar_t letter = MnemonicOf(WindowText(GetDlgItem(sheet, button)))) sheetMnemonics.insert(letter);
        for (size_t index = 0; index < std::size(kPages); ++index) {
            HWND page = ShowPage(sheet, static_cast<int>(index));
            SCOPED_TRACE(testing::Message() << "page " << kPages[index]);
            std::vector<HWND> controls, stops;
            std::set<wchar_t> pageMnemonics;
            for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                controls.push_back(child);
            for (HWND control : controls) {
                const std::wstring text = WindowText(control);
                SCOPED_TRACE(testing::Message() << "control " << GetDlgCtrlID(control) << " \"" << text << "\"");
                const bool icon =
                    ClassName(control) == L"Static" && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
                if (!IsWindowVisible(control) || icon) continue;  // an icon's text is its resource's number
                HWND label = control;
                for (const NamedBy& row : kNamedBy)
                    if (row.page == kPages[index] && row.control == GetDlgCtrlID(control))
                        label = row.byPlace ? controls.at(row.label) : GetDlgItem(page, row.label);
                const Accessible seen = AccessibleOf(control);
                const wchar_t letter = MnemonicOf(WindowText(label));
                // Wine reads a link's markup out with its text; Windows does not.
                EXPECT_EQ(Heard(seen.name, letter), Heard(WindowText(label), letter));
                EXPECT_TRUE(!seen.name.empty() || (ClassName(control) == L"Static" && text.empty())) << "no name";
                EXPECT_EQ((seen.state & STATE_SYSTEM_UNAVAILABLE) != 0, !IsWindowEnabled(control));
                if (!IsTabStop(control)) continue;
                stops.push_back(control);
                RECT labelRect{};
                GetClientRect(label, &labelRect);
                if (ClassName(control) != L"SysLink" && !IsRectEmpty(&labelRect)) {
                    EXPECT_NE(letter, 0) << "no mnemonic";
                }
                EXPECT_TRUE(!letter || pageMnemonics.insert(letter).second) << "a mnemonic of the page twice";
                EXPECT_FALSE(sheetMnemonics.count(letter)) << "the sheet's own buttons have this mnemonic";
                // Wine reads a shortcut from a control's own text only.
                if (label == control && letter) {
                    EXPECT_EQ(seen.shortcut, std::wstring(L"Alt+") + text[text.find(L'&') + 1]);
                }
                // A push button's mnemonic presses it, which a Browse button
                // answers with a dialog: the others are pressed here.
                if (!letter || (ClassName(control) == L"Button" &&
                                (GetWindowLongW(control, GWL_STYLE) & 0xF) == BS_PUSHBUTTON))
                    continue;
                const LRESULT checked = SendMessageW(control, BM_GETCHECK, 0, 0);
                Key(sheet, WM_SYSCHAR, towlower(letter));
                EXPECT_EQ(Focus(sheet), control) << "Alt+" << std::wstring(1, letter);
                if (SendMessageW(control, BM_GETCHECK, 0, 0) != checked) Key(sheet, WM_SYSCHAR, towlower(letter));
            }
            // Template order is reading order: down the page, and along a
            // row from where reading starts (the right on a mirrored page).
            const bool mirrored = GetWindowLongW(page, GWL_EXSTYLE) & WS_EX_LAYOUTRTL;
            for (size_t i = 1; i < stops.size(); ++i) {
                RECT before{}, after{};
                GetWindowRect(stops[i - 1], &before);
                GetWindowRect(stops[i], &after);
                const bool sameRow = after.top < before.bottom && before.top < after.bottom;
                EXPECT_TRUE(sameRow ? (after.left < before.left) == mirrored : after.top > before.top)
                    << "tab stop " << GetDlgCtrlID(stops[i]) << " out of reading order";
            }
            // Tab from the tabs: the page's tab stops in order, the sheet's
            // buttons, and the tabs again.
            HWND tabs = PropSheet_GetTabControl(sheet);
            std::vector<HWND> expected = stops, visited;
            for (int button : {IDOK, IDCANCEL, 0x3021})
                if (IsTabStop(GetDlgItem(sheet, button))) expected.push_back(GetDlgItem(sheet, button));
            expected.push_back(tabs);
            SendMessageW(sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs), TRUE);
            for (size_t step = 0; step < expected.size(); ++step) {
                Key(sheet, WM_KEYDOWN, VK_TAB);
                visited.push_back(Focus(sheet));
            }
            EXPECT_EQ(visited, expected);
        }
    });
}

}  // namespace
