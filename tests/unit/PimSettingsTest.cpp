#include <gtest/gtest.h>

#include <memory>

#include "PageFixture.h"
#include "pages/CPIMSettingProps.h"

namespace {

constexpr auto kKey = sys::kPimSettingsKey;
const char16_t* const kSwitches[] = {u"AllowDevicesToSend", u"BusinessCardDest", u"CalendarDest",
                                     u"MailDest",           u"NotesDest",        u"MailAttachment"};

class PimSettingsTest : public PageFixture {
protected:
    // The page holds the key from construction to destruction.
    void Build() { page = std::make_unique<CPIMSettingProps>(services); }
    void TearDown() override {
        page.reset();
        PageFixture::TearDown();
    }
    std::optional<std::string> Stored(const char16_t* name) {
        auto value = registry.GetValue(kUser, kKey, name);
        return value ? std::optional(value->bytes) : std::nullopt;
    }
    FakeControl& Box(int id) { return view.control(id); }
    std::unique_ptr<CPIMSettingProps> page;
};

const std::string kOne("\1\0\0\0", 4), kZero(4, '\0'), kEmptyText(2, '\0');

TEST_F(PimSettingsTest, BuildingTheSheetFillsMissingValuesWithOneAndKeepsTheOthers) {
    registry.PutDword(kUser, kKey, u"CalendarDest", 0);
    registry.PutValue(kUser, kKey, u"NotesDest", reg::kSz, Utf16Bytes(u"j"));
    Build();
    for (const char16_t* name : kSwitches) {
        std::u16string value(name);
        EXPECT_EQ(Stored(name), value == u"CalendarDest" ? kZero : value == u"NotesDest" ? Utf16Bytes(u"j") : kOne)
            << std::string(value.begin(), value.end());
    }
    EXPECT_EQ(Stored(u"FolderPath"), kEmptyText);
    EXPECT_EQ(Stored(u"DefContactItem"), kEmptyText);

    page->OnInitDialog(view);
    EXPECT_TRUE(Box(IDC_PIM_ALLOW_SEND).checked && Box(IDC_PIM_BUSINESS_CARDS).enabled);
    EXPECT_FALSE(Box(IDC_PIM_CALENDAR).checked);
    EXPECT_TRUE(Box(IDC_PIM_NOTES).checked) << "any data of 4 bytes or fewer is the check state";
}

TEST_F(PimSettingsTest, ApplySendsTheServersOrderAndStoresTheBoxes) {
    Build();
    page->OnInitDialog(view);
    Box(IDC_PIM_ALLOW_SEND).checked = false;
    EXPECT_TRUE(page->OnCommand(view, IDC_PIM_ALLOW_SEND));
    EXPECT_FALSE(Box(IDC_PIM_NOTES).enabled);
    EXPECT_TRUE(Box(IDC_PIM_NOTES).checked) << "disabled, not cleared";
    for (int id : {IDC_PIM_BUSINESS_CARDS, IDC_PIM_EMAIL, IDC_PIM_NOTES}) Box(id).checked = false;
    registry.PutString(kUser, kKey, u"FolderPath", u"C:\\Old");

    EXPECT_TRUE(page->OnApply(view));
    EXPECT_EQ(stack.calls, std::vector<std::string>{"OppSetServerConfig"});
    EXPECT_EQ(stack.oppSent, (std::vector<std::uint32_t>{0, 0, 0, 0, 1})) << "allow, cards, e-mail, notes, calendar";
    EXPECT_EQ(Stored(u"AllowDevicesToSend"), kZero);
    EXPECT_EQ(Stored(u"CalendarDest"), kOne);
    EXPECT_EQ(Stored(u"FolderPath"), kEmptyText);
    EXPECT_FALSE(Box(IDC_PIM_CALENDAR).enabled) << "the controls are loaded again";
    EXPECT_EQ(view.changed, 1);
}

TEST_F(PimSettingsTest, WithoutAKeyEverythingReadsZeroAndNothingIsWritten) {
    registry.RefuseCreate(kUser, kKey);
    Build();
    page->OnInitDialog(view);
    Box(IDC_PIM_NOTES).checked = true;
    EXPECT_TRUE(page->OnApply(view));
    EXPECT_FALSE(Box(IDC_PIM_NOTES).checked);
    EXPECT_FALSE(Box(IDC_PIM_ALLOW_SEND).checked || Box(IDC_PIM_NOTES).enabled);
    EXPECT_FALSE(registry.HasKey(kUser, kKey));
}

TEST_F(PimSettingsTest, OnlyAClickOnTheLinkOpensTheTopic) {
    Build();
    EXPECT_FALSE(page->OnNotify(view, {.controlId = IDC_PIM_HELP_LINK, .code = NotifyCode::Return}));
    EXPECT_TRUE(page->OnNotify(view, {.controlId = IDC_PIM_HELP_LINK, .code = NotifyCode::Click}));
    EXPECT_EQ(shell.helpOpened, (std::vector<std::pair<std::u16string, std::u16string>>{
                                    {TextOf(IDS_TOPIC_PIM), TextOf(IDS_HELP_FOLDER_FORMAT)}}));
}

}  // namespace
