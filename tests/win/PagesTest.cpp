// The pages on the real sheet, driven the way a user drives them: what only
// real windows, the real registry, real folders and the stand-ins show.  The
// page logic itself is tested natively.

#include "TestSupport.h"

#include <shlobj.h>

#include <algorithm>

#include "res/resource.h"

namespace {

void Click(HWND page, int id) { SendMessageW(GetDlgItem(page, id), BM_CLICK, 0, 0); }

// Every cell of a list view of this process, row by row.
using ListCells = std::vector<std::vector<std::wstring>>;
ListCells ListRows(HWND list) {
    int columns = std::max(1, Header_GetItemCount(ListView_GetHeader(list)));
    ListCells rows(ListView_GetItemCount(list));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        for (int column = 0; column < columns; ++column) {
            wchar_t text[260] = {};
            ListView_GetItemText(list, row, column, text, 260);
            rows[row].emplace_back(text);
        }
    }
    return rows;
}

enum Tab { kFileSharing = 3, kComPorts };

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteRegistryTree(root, sys::kMakerTree);
        SetRegistryString(HKEY_CURRENT_USER, sys::kUserProductKey, u"", L"");
    }
    // Runs the sheet with `drive` acting on the page at `tab`.
    void Run(int tab, const std::function<void(HWND sheet, HWND page)>& drive) {
        RunSheet(applet, [&](HWND sheet) { drive(sheet, ShowPage(sheet, tab)); });
    }
    LoadedApplet applet;
};

TEST_F(PagesTest, ComPortsListTheStacksPortsAndRemoveAnOutgoingOne) {
    ListCells before, after;
    bool removeAfterIncoming = true, removeAfterOutgoing = false;
    Run(kComPorts, [&](HWND, HWND page) {
        HWND list = GetDlgItem(page, IDC_COM_PORTS_LIST);
        before = ListRows(list);
        ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        removeAfterIncoming = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        removeAfterOutgoing = IsWindowEnabled(GetDlgItem(page, IDC_COM_PORTS_REMOVE));
        Click(page, IDC_COM_PORTS_REMOVE);
        after = ListRows(list);
    });
    EXPECT_EQ(before, (ListCells{{L"COM5", L"Outgoing", L"Pocket Phone"},
                                 {L"COM6", L"Incoming", L"Field Scanner"},
                                 {L"COM8", L"Outgoing", L"M\u00E9lanie's Car Kit"}}));
    EXPECT_FALSE(removeAfterIncoming);
    EXPECT_TRUE(removeAfterOutgoing);
    EXPECT_NE(StubLog().find("BtVmrBtDeactivateService(address=0a1b2b3c4d5e, kind=12, port=5)"), std::string::npos)
        << StubLog();
    EXPECT_EQ(after, ListCells(before.begin() + 1, before.end()));
}

TEST_F(PagesTest, ChangedFoldersReachTheServerAndTheRegistry) {
    const std::wstring exchange = L"C:\\QuorvelShare\\Exchange", images = L"C:\\QuorvelShare\\Images";
    for (const wchar_t* folder : {L"C:\\QuorvelShare", exchange.c_str(), images.c_str()})
        CreateDirectoryW(folder, nullptr);
    std::wstring imagingAtStart;
    Run(kFileSharing, [&](HWND sheet, HWND page) {
        imagingAtStart = WindowText(GetDlgItem(page, IDC_IMAGING_FOLDER));
        SetDlgItemTextW(page, IDC_EXCHANGE_FOLDER, exchange.c_str());
        SetDlgItemTextW(page, IDC_IMAGING_FOLDER, images.c_str());
        PressOk(sheet);
    });
    wchar_t pictures[MAX_PATH] = {}, user[260] = {};
    SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, pictures);
    EXPECT_EQ(imagingAtStart, pictures) << "a new user's imaging folder";
    EXPECT_NE(StubLog().find("SetFTPServerRootFolder(path=\"C:\\QuorvelShare\\Exchange\", length=24)"),
              std::string::npos) << StubLog();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kFileSharingKey, sys::kFtspath).second, exchange);
    DWORD size = 260;
    GetUserNameW(user, &size);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kImageFolderKey, reinterpret_cast<const char16_t*>(user)).second,
              images);
}

}  // namespace
