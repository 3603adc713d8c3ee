// The File Sharing page on the real sheet, with real folders in the test
// prefix, the real registry and the OBEX stand-in.

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <commctrl.h>
#include <shlobj.h>

#include "res/resource.h"

namespace {

constexpr int kFileSharingTab = 3;
const std::wstring kExchange = L"C:\\QuorvelShare\\Exchange";
const std::wstring kImages = L"C:\\QuorvelShare\\Images";

std::wstring UserName() {
    wchar_t name[260] = {};
    DWORD size = 260;
    GetUserNameW(name, &size);
    return name;
}

class FileSharingPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        VmrStubReset();
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteRegistryTree(root, sys::kFileSharingKey);
        DeleteRegistryTree(HKEY_CURRENT_USER, sys::kImageFolderKey);
        CreateDirectoryW(L"C:\\QuorvelShare", nullptr);
        CreateDirectoryW(kExchange.c_str(), nullptr);
        CreateDirectoryW(kImages.c_str(), nullptr);
    }
    // Runs the sheet with `drive` acting on the File Sharing page.
    void Run(const std::function<void(HWND sheet, HWND page)>& drive) {
        RunSheet(applet, [&](HWND sheet) { drive(sheet, ShowPage(sheet, kFileSharingTab)); });
    }
    LoadedApplet applet;
};

TEST_F(FileSharingPageTest, ChangedFoldersReachTheServerTheRegistryAndTheShell) {
    std::wstring log = RecordShellOpens({u"Directory", u"Folder"});
    std::wstring imagingAtStart;
    Run([&](HWND sheet, HWND page) {
        imagingAtStart = WindowText(GetDlgItem(page, IDC_IMAGING_FOLDER));
        SetDlgItemTextW(page, IDC_EXCHANGE_FOLDER, kExchange.c_str());
        SetDlgItemTextW(page, IDC_IMAGING_FOLDER, kImages.c_str());
        ClickLink(page, IDC_OPEN_EXCHANGE_LINK);
        PressOk(sheet);
    });
    wchar_t pictures[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, pictures);
    EXPECT_EQ(imagingAtStart, pictures) << "a new user's imaging folder";
    EXPECT_NE(StubLog().find("SetFTPServerRootFolder(path=\"C:\\QuorvelShare\\Exchange\", length=24)"),
              std::string::npos) << StubLog();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kFileSharingKey, sys::kFtspath).second, kExchange);
    auto user = UserName();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, sys::kImageFolderKey,
                                 reinterpret_cast<const char16_t*>(user.c_str())).second, kImages);
    EXPECT_EQ(RecordedOpens(log, 1), "C:\\QuorvelShare\\Exchange\n");
}

TEST_F(FileSharingPageTest, AFirstStartUserCanCloseTheSheetAfterVisitingTheTab) {
    Run([](HWND sheet, HWND) { PressOk(sheet); });
}

TEST_F(FileSharingPageTest, AFileForAFolderIsRefusedAndKeepsTheSheetOpen) {
    std::wstring message;
    bool open = false;
    Run([&](HWND sheet, HWND page) {
        SetDlgItemTextW(page, IDC_EXCHANGE_FOLDER, BesideTestProgram(L"win_tests.exe").c_str());
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        message = AnswerMessageBox(L"Bluetooth Configuration Error");
        Sleep(200);
        open = IsWindow(sheet);
    });
    EXPECT_EQ(message, L"You have selected file, Please Select Folder");
    EXPECT_TRUE(open);
    EXPECT_EQ(StubLog().find("SetFTPServerRootFolder"), std::string::npos);
}

TEST_F(FileSharingPageTest, AFailedDeactivationSaysSoAndTurnsSharingBackOn) {
    VmrStubScriptResult("BtObexServersDeActivate", 1, 1);
    std::wstring message;
    bool ticked = false, browseEnabled = false;
    Run([&](HWND sheet, HWND page) {
        Click(page, IDC_SHARING_ENABLED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_EXCHANGE_BROWSE)));
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        message = AnswerMessageBox(L"Bluetooth Configuration Error", [&] {
            ticked = IsTicked(page, IDC_SHARING_ENABLED);
            browseEnabled = IsWindowEnabled(GetDlgItem(page, IDC_EXCHANGE_BROWSE));
        });
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));
    });
    EXPECT_EQ(message, L"Unable to Deactivate, FTP Server busy!");
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(browseEnabled);
    EXPECT_EQ(VmrStubGetState("obexServersActive"), 1);
}

}  // namespace
