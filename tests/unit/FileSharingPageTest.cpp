#include "PageFixture.h"
#include "base/FormatText.h"
#include "pages/CFtpFileSharingDlg.h"

namespace {

constexpr char16_t kSource[] = u"C:\\Applet\\IconResource.dll";

class FileSharingPageTest : public PageTest<CFtpFileSharingDlg> {
protected:
    void SetUp() override {
        files.files[kSource] = "icons";
        files.folders = {u"C:\\Share", u"C:\\New", u"C:\\Locked", u"C:\\Users\\Alice\\Pictures"};
        files.readOnlyFolders = {u"C:\\Locked"};
        files.files[u"C:\\File.txt"] = "text";
        registry.PutKey(kUser, sys::kFileSharingKey);
        info.SetExchangeFolderPath(u"C:\\Share");
        info.SetTransferPassword(u"p\u00E4ss");
        info.SetObexServersDisabled(0);
    }
    auto UserValue(const char16_t* name) { return registry.Bytes(kUser, sys::kFileSharingKey, name); }
    // The exchange and the imaging folder boxes.
    auto Boxes() { return std::tuple(Control(IDC_EXCHANGE_FOLDER).text, Control(IDC_IMAGING_FOLDER).text); }
};

// The folder check's probe never leaves a copy, never overwrites and never
// deletes a file of the user's: a folder that has a file of the probe's name
// is probed with a name of the probe's own.
TEST_F(FileSharingPageTest, TheFolderCheckProbesWritingWithoutTouchingTheUsersFiles) {
    const std::u16string longFolder = u"C:\\" + std::u16string(240, u'l');  // + "\IconResource.dll" > 259
    files.folders.insert(longFolder);
    // The probe's name, then its spare names, as the user may already have files of them.
    const char16_t* const probeNames[] = {u"IconResource.dll", u"~QvProbe1.tmp", u"~QvProbe2.tmp", u"~QvProbe3.tmp"};
    files.folders.insert({u"share", u"\\\\server\\share", u"C:\\Sticky"});
    files.undeletable.insert(u"C:\\Sticky\\~QvProbe1.tmp");
    const struct {
        const char* what;
        std::u16string path;
        int usersFiles;  // of the probe's names, in order
        FolderVerdict verdict;
    } cases[] = {
        {"missing", u"C:\\Gone", 0, FolderVerdict::Missing},
        {"a file", u"C:\\File.txt", 0, FolderVerdict::NotAFolder},
        {"writable", u"C:\\Share", 0, FolderVerdict::Accepted},
        {"writable, holding the probe's name", u"C:\\Share", 1, FolderVerdict::Accepted},
        {"a share", u"\\\\server\\share", 0, FolderVerdict::Accepted},
        {"relative to wherever the host is", u"share", 0, FolderVerdict::Invalid},
        {"read-only", u"C:\\Locked", 0, FolderVerdict::NotWritable},
        {"read-only, holding the probe's name", u"C:\\Locked", 1, FolderVerdict::NotWritable},
        {"read-only, one spare name left", u"C:\\Locked", 3, FolderVerdict::NotWritable},
        // No name left to probe with: nothing is overwritten, and nothing refused.
        {"read-only, every name taken", u"C:\\Locked", 4, FolderVerdict::Accepted},
        {"too long to probe", longFolder, 0, FolderVerdict::Invalid},
        {"its copy cannot be deleted", u"C:\\Sticky", 1, FolderVerdict::ProbeLeft},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int name = 0; name < c.usersFiles; ++name) files.files[c.path + u"\\" + probeNames[name]] = "the user's";
        auto before = files.files;
        Text260 leftover(u"none");
        EXPECT_EQ(CheckFolder(files, c.path, &leftover), c.verdict);
        const bool left = c.verdict == FolderVerdict::ProbeLeft;
        if (left) before[c.path + u"\\" + probeNames[c.usersFiles]] = "icons";
        EXPECT_EQ(files.files, before) << "a copy was left or a file changed or deleted";
        EXPECT_EQ(leftover.view(), left ? c.path + u"\\" + probeNames[c.usersFiles] : u"none");
        for (const char16_t* name : probeNames) files.files.erase(c.path + u"\\" + name);
    }
    // Without the probe's source nothing can be copied, and nothing is refused.
    files.files.erase(kSource);
    EXPECT_EQ(CheckFolder(files, u"C:\\Locked"), FolderVerdict::Accepted);
    files.moduleFolder.reset();
    EXPECT_EQ(CheckFolder(files, u"C:\\Locked"), FolderVerdict::Accepted);
}

// The page opens with the record's folders and sharing state; a first start
// without an exchange folder still applies.
TEST_F(FileSharingPageTest, OpensWithTheRecordsFoldersAndSharingStateAndAppliesWithoutAFolder) {
    info.SetObexServersDisabled(1);
    Open();
    EXPECT_EQ(Boxes(), std::tuple(u"C:\\Share", u"C:\\Users\\Alice\\Pictures"));
    EXPECT_TRUE(Control(IDC_EXCHANGE_FOLDER).pathBox && Control(IDC_IMAGING_FOLDER).pathBox);
    EXPECT_FALSE(Control(IDC_SHARING_ENABLED).checked);
    EXPECT_EQ(Control(IDC_SHARING_ENABLED).text, TextOf(IDS_SHARING_LABEL)) << "what a screen reader names it by";
    // The folders can be edited only while sharing is ticked; the links always open.
    auto folders = [this] {
        return Enabled({IDC_EXCHANGE_FOLDER, IDC_EXCHANGE_BROWSE, IDC_OPEN_EXCHANGE_LINK, IDC_IMAGING_FOLDER,
                        IDC_IMAGING_BROWSE, IDC_OPEN_IMAGING_LINK});
    };
    EXPECT_EQ(folders(), (std::vector<bool>{false, false, true, false, false, true}));
    for (bool on : {true, false}) {
        Control(IDC_SHARING_ENABLED).checked = on;
        EXPECT_TRUE(page.OnCommand(view, IDC_SHARING_ENABLED));
        EXPECT_EQ(folders(), (std::vector<bool>{on, on, true, on, on, true}));
    }
    EXPECT_EQ(view.changed, 2);

    // On a first start no exchange folder has been chosen: OK must still
    // close the sheet, without sending or writing a folder.
    info.SetObexServersDisabled(0);
    info.SetExchangeFolderPath(u"");
    Open();
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_EQ(Messages(), std::vector<std::u16string>());
    EXPECT_FALSE(stack.Called("SetFtpServerRootFolder") || UserValue(sys::kFtspath));
}

// With sharing off the boxes cannot be edited: OK neither checks nor applies
// their folders, whatever has become of them, and the saved ones stay.
TEST_F(FileSharingPageTest, FoldersThatCannotBeEditedAreNoReasonToRefuseOk) {
    registry.PutString(kMachine, sys::kFileSharingKey, sys::kFtspath, u"C:\\Stored");
    registry.PutString(kUser, sys::kImageFolderKey, u"Alice", u"D:\\Pictures");
    info.SetObexServersDisabled(1);
    for (const char16_t* gone : {u"C:\\Share", u"D:\\Pictures"}) {
        SCOPED_TRACE(gone[0] == u'C' ? "the exchange folder gone" : "the imaging folder gone");
        files.folders.erase(gone);
        Open();
        Control(IDC_EXCHANGE_FOLDER).text = u"C:\\New";  // left there before sharing was switched off
        EXPECT_TRUE(page.OnApply(view));
        EXPECT_EQ(Messages(), std::vector<std::u16string>());
        EXPECT_FALSE(stack.Called("SetFtpServerRootFolder"));
        EXPECT_EQ(registry.Bytes(kUser, sys::kImageFolderKey, u"Alice"), SzBytes(u"D:\\Pictures"));
        EXPECT_EQ(registry.Bytes(kMachine, sys::kFileSharingKey, sys::kFtspath), SzBytes(u"C:\\Stored"));
        files.folders.insert(gone);
    }
}

// The servers hear of a switch the user changed once, of a changed folder on
// every Apply (the saved path is the opening's), and the settings are stored.
TEST_F(FileSharingPageTest, ApplyHandsChangesToTheServersAndStoresTheSettings) {
    registry.PutKey(kMachine, sys::kFileSharingKey);
    info.SetOpenArrivedImage(true);  // and no password required: the two switches differ
    Open();
    Control(IDC_EXCHANGE_FOLDER).text = u"C:\\New";
    Control(IDC_IMAGING_FOLDER).text = u"C:\\Share";
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_TRUE(page.OnApply(view));
    Control(IDC_SHARING_ENABLED).checked = false;
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_TRUE(page.OnApply(view));
    EXPECT_EQ(stack.calls,
              (std::vector<std::string>{"SetFtpServerRootFolder", "SetFtpServerRootFolder", "ObexServersDeActivate"}));
    EXPECT_EQ(info.GetObexServersDisabled(), 1u);
    using Stored = std::vector<std::optional<std::string>>;
    EXPECT_EQ((Stored{UserValue(sys::kDisableObexServers), UserValue(sys::kFtspath), UserValue(sys::kTPassword),
                      UserValue(sys::kOpenArrivedImage), UserValue(sys::kTPasswordRequired),
                      registry.Bytes(kUser, sys::kImageFolderKey, u"Alice"),
                      registry.Bytes(kMachine, sys::kFileSharingKey, sys::kDisableObexServers),
                      registry.Bytes(kMachine, sys::kFileSharingKey, sys::kFtspath)}),
              (Stored{DwordBytes(1), SzBytes(u"C:\\New"), "p\xC3\xA4ss", DwordBytes(1), DwordBytes(0),
                      SzBytes(u"C:\\Share"), DwordBytes(1), SzBytes(u"C:\\New")}));
    EXPECT_TRUE(view.messages.empty());
}

// Each row of the failure table: what the user sees, what Apply answers, and
// what was and was not written.  The exchange box always keeps the saved
// folder, and nothing of the folder or the servers' switch is stored.
TEST_F(FileSharingPageTest, ApplyFailuresShowWhyAndKeepWhatTheyMust) {
    // The user switches sharing over from what the record says, and the servers refuse.
    auto toggleSharing = [this](bool on, const char* failing) {
        info.SetObexServersDisabled(on);
        Control(IDC_SHARING_ENABLED).checked = on;
        page.OnCommand(view, IDC_SHARING_ENABLED);
        stack.results[failing] = -1;
    };
    const struct {
        const char* what;
        std::optional<std::u16string> exchange, imaging;  // what the user typed into the boxes
        std::function<void()> arrange;
        unsigned message;  // 0: none
        bool result, passwordWritten, boxSelected;
    } cases[] = {
        {"no user key", {}, {}, [this] { registry = MemoryRegistry(); }, IDS_SAVE_SHARING_FAILED, true, false, false},
        {"exchange folder is a file", u"C:\\File.txt", {}, {}, IDS_PATH_IS_FILE, false, false, false},
        {"exchange folder emptied", u"", {}, {}, IDS_INVALID_FOLDER_PATH, false, false, true},
        {"a typed exchange folder that does not exist", u"C:\\Gone", {}, {}, 0, false, false, false},
        {"the saved exchange folder has gone", {}, {}, [this] { files.folders.erase(u"C:\\Share"); },
         IDS_INVALID_FOLDER_PATH, false, false, true},
        {"imaging folder is a file", {}, u"C:\\File.txt", {}, IDS_PATH_IS_FILE, false, false, false},
        {"exchange folder relative", u"Share", {}, {}, IDS_INVALID_FOLDER_PATH, false, false, false},
        {"exchange folder cannot be written", u"C:\\Locked", {}, {}, IDS_FOLDER_NOT_WRITABLE, false, false, false},
        {"imaging folder cannot be written", {}, u"C:\\Locked", {}, IDS_FOLDER_NOT_WRITABLE, false, false, false},
        {"server refuses the folder", u"C:\\New", {}, [this] { stack.results["SetFtpServerRootFolder"] = 1; },
         IDS_SAVE_SHARING_FAILED, true, true, false},
        {"activation fails", {}, {}, [&] { toggleSharing(true, "ObexServersActivate"); },
         IDS_ACTIVATE_FAILED, true, true, false},
        {"deactivation fails: sharing stays on", {}, {}, [&] { toggleSharing(false, "ObexServersDeActivate"); },
         IDS_DEACTIVATE_FAILED, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        Open();
        if (c.exchange) Control(IDC_EXCHANGE_FOLDER).text = *c.exchange;
        if (c.imaging) Control(IDC_IMAGING_FOLDER).text = *c.imaging;
        if (c.arrange) c.arrange();
        EXPECT_EQ(page.OnApply(view), c.result);
        EXPECT_EQ(Messages(), c.message ? std::vector{TextOf(c.message)} : std::vector<std::u16string>());
        for (const auto& shown : view.messages)
            EXPECT_EQ(std::tie(shown.caption, shown.flags),
                      std::tuple(TextOf(IDS_CONFIG_ERROR_CAPTION), kMessageError));
        EXPECT_EQ(std::tuple(Control(IDC_EXCHANGE_FOLDER).text, std::u16string(info.GetExchangeFolderPath().view()),
                             Control(IDC_EXCHANGE_FOLDER).focused),
                  std::tuple(u"C:\\Share", u"C:\\Share", c.boxSelected ? 1 : 0));
        EXPECT_EQ(UserValue(sys::kTPassword).has_value(), c.passwordWritten);
        EXPECT_FALSE(UserValue(sys::kFtspath) || UserValue(sys::kDisableObexServers));
        EXPECT_EQ(info.GetObexServersDisabled(), c.what == std::string("activation fails") ? 1u : 0u);
        EXPECT_TRUE(Control(IDC_SHARING_ENABLED).checked && Control(IDC_EXCHANGE_BROWSE).enabled);
    }
}

TEST_F(FileSharingPageTest, BrowseTakesOnlyAcceptedFoldersAndStoresTheImagingFolderAtOnce) {
    Open();
    files.folders.insert(u"C:\\Sticky");
    files.undeletable.insert(u"C:\\Sticky\\IconResource.dll");
    const struct {
        const char16_t* chosen;
        std::u16string message;
    } refusals[] = {{u"C:\\File.txt", TextOf(IDS_PATH_IS_FILE)},
                    {u"C:\\Locked", TextOf(IDS_FOLDER_NOT_WRITABLE)},
                    {u"C:\\Sticky", WithArgument(TextOf(IDS_PROBE_LEFT), u"C:\\Sticky\\IconResource.dll")}};
    for (const auto& refusal : refusals) {
        view.folderShell.chosen = Text260(refusal.chosen);
        for (int browse : {IDC_EXCHANGE_BROWSE, IDC_IMAGING_BROWSE}) {
            view.messages.clear();
            EXPECT_TRUE(page.OnCommand(view, browse));
            EXPECT_EQ(Messages(), std::vector<std::u16string>{refusal.message});
            files.files.erase(u"C:\\Sticky\\IconResource.dll");
        }
        EXPECT_EQ(Boxes(), std::tuple(u"C:\\Share", u"C:\\Users\\Alice\\Pictures"));
    }
    EXPECT_FALSE(registry.Bytes(kUser, sys::kImageFolderKey, u"Alice")) << "a refused folder was stored";
    EXPECT_EQ(view.changed, 0);

    view.folderShell.chosen = Text260(u"C:\\New");
    page.OnCommand(view, IDC_EXCHANGE_BROWSE);
    page.OnCommand(view, IDC_IMAGING_BROWSE);
    EXPECT_EQ(view.folderShell.browsed.back(),
              std::make_pair(TextOf(IDS_BROWSE_TITLE), std::u16string(u"C:\\Users\\Alice\\Pictures")));
    EXPECT_EQ(Boxes(), std::tuple(u"C:\\New", u"C:\\New"));
    EXPECT_EQ(info.GetExchangeFolderPath().view(), u"C:\\New");
    EXPECT_EQ(registry.Bytes(kUser, sys::kImageFolderKey, u"Alice"), SzBytes(u"C:\\New"));
    EXPECT_EQ(view.changed, 2);
}

TEST_F(FileSharingPageTest, OpenLinksOpenAcceptedFoldersOnClickOnly) {
    Open();
    Control(IDC_IMAGING_FOLDER).text = u"C:\\File.txt";
    EXPECT_TRUE(page.OnNotify(view, {.controlId = IDC_OPEN_EXCHANGE_LINK, .code = NotifyCode::Click}));
    EXPECT_FALSE(page.OnNotify(view, {.controlId = IDC_OPEN_EXCHANGE_LINK, .code = NotifyCode::Return}));
    EXPECT_TRUE(page.OnNotify(view, {.controlId = IDC_OPEN_IMAGING_LINK, .code = NotifyCode::Click}));
    EXPECT_EQ(view.folderShell.opened, std::vector<std::u16string>{u"C:\\Share"});
    ASSERT_EQ(Messages(), (std::vector<std::u16string>{TextOf(IDS_PATH_IS_FILE), TextOf(IDS_INVALID_FOLDER_PATH)}));
    EXPECT_EQ(view.messages[1].owner, MessageOwner::None);
    view.messages.clear();
    Control(IDC_IMAGING_FOLDER).text = u"Pictures";
    page.OnNotify(view, {.controlId = IDC_OPEN_IMAGING_LINK, .code = NotifyCode::Click});
    EXPECT_EQ(Messages(), std::vector<std::u16string>{TextOf(IDS_INVALID_FOLDER_PATH)}) << "said once";
}

}  // namespace
