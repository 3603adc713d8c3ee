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
    std::optional<std::string> Stored(const char16_t* name) { return registry.Bytes(kUser, kKey, name); }
    std::unique_ptr<CPIMSettingProps> page;
};

TEST_F(PimSettingsTest, BuildingTheSheetFillsMissingValuesWithOneAndKeepsTheOthers) {
    registry.PutDword(kUser, kKey, u"CalendarDest", 0);
    registry.PutValue(kUser, kKey, u"NotesDest", reg::kSz, Utf16Bytes(u"j"));
    registry.PutValue(kUser, kKey, u"MailDest", reg::kSz, Utf16Bytes(u"long"));  // too long to read: kept too
    Build();
    std::vector<std::optional<std::string>> stored;
    for (const char16_t* name : kSwitches) stored.push_back(Stored(name));
    EXPECT_EQ(stored, (decltype(stored){DwordBytes(1), DwordBytes(1), DwordBytes(0), Utf16Bytes(u"long"),
                                        Utf16Bytes(u"j"), DwordBytes(1)}));  // in the order of kSwitches
    EXPECT_EQ(Stored(u"FolderPath"), SzBytes(u""));
    EXPECT_EQ(Stored(u"DefContactItem"), SzBytes(u""));

    page->OnInitDialog(view);
    EXPECT_TRUE(Control(IDC_PIM_ALLOW_SEND).checked && Control(IDC_PIM_BUSINESS_CARDS).enabled);
    EXPECT_FALSE(Control(IDC_PIM_CALENDAR).checked);
    EXPECT_TRUE(Control(IDC_PIM_NOTES).checked) << "any data of 4 bytes or fewer is the check state";
}

// Over three applies every box has a sequence of states of its own (its
// place in binary), so a swapped pair or a wrong value name shows.
TEST_F(PimSettingsTest, ApplySendsTheServersOrderAndStoresTheBoxes) {
    Build();
    page->OnInitDialog(view);
    // The items follow the permission; attachments are not one of them.
    for (bool allowed : {false, true, false}) {
        Control(IDC_PIM_ALLOW_SEND).checked = allowed;
        EXPECT_TRUE(page->OnCommand(view, IDC_PIM_ALLOW_SEND));
        EXPECT_EQ(Enabled({IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR, IDC_PIM_EMAIL, IDC_PIM_NOTES, IDC_PIM_ATTACHMENTS}),
                  (std::vector<bool>{allowed, allowed, allowed, allowed, true}));
    }
    EXPECT_TRUE(Control(IDC_PIM_NOTES).checked) << "disabled, not cleared";
    registry.PutString(kUser, kKey, u"FolderPath", u"C:\\Old");

    const int boxes[] = {IDC_PIM_ALLOW_SEND, IDC_PIM_BUSINESS_CARDS, IDC_PIM_CALENDAR,
                         IDC_PIM_EMAIL,      IDC_PIM_NOTES,          IDC_PIM_ATTACHMENTS};  // as kSwitches
    for (int bit = 0; bit < 3; ++bit) {
        auto on = [bit](int box) { return static_cast<std::uint32_t>((box + 1) >> bit & 1); };
        for (int box = 0; box < 6; ++box) Control(boxes[box]).checked = on(box) != 0;
        stack.calls.clear();
        EXPECT_TRUE(page->OnApply(view));
        EXPECT_EQ(stack.calls, std::vector<std::string>{"OppSetServerConfig"});
        EXPECT_EQ(stack.oppSent, (std::vector<std::uint32_t>{on(0), on(1), on(3), on(4), on(2)}))
            << "allow, cards, e-mail, notes, calendar";
        for (int box = 0; box < 6; ++box) EXPECT_EQ(Stored(kSwitches[box]), DwordBytes(on(box))) << box;
    }
    EXPECT_EQ(Stored(u"FolderPath"), SzBytes(u""));
    EXPECT_FALSE(Control(IDC_PIM_CALENDAR).enabled) << "the controls are loaded again, allowing nothing";
    EXPECT_EQ(view.changed, 3) << "each click marks the sheet, an apply does not";
}

}  // namespace
