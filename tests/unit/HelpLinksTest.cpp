// Every link and help request of every page against the topic it opens:
// each opens its own page's topic, for the activations that page takes, and
// nothing opens where a page has no topic.

#include "PageFixture.h"

namespace {

using HelpLinksTest = PageFixture;

TEST_F(HelpLinksTest, EveryLinkAndHelpRequestOpensItsOwnTopic) {
    SheetPages pages(services);
    const std::u16string general = sys::kGeneralTopic, services_ = TextOf(IDS_TOPIC_SUPPORTED_SERVICES);
    const std::u16string lowEnergy = u"faq-blefob.html", pim = TextOf(IDS_TOPIC_PIM), none;
    constexpr int kHelpRequest = 0;  // the sheet's help notification
    const struct {
        unsigned page;
        int control;
        std::u16string click, onReturn;
    } rows[] = {
        {IDD_GENERAL, IDC_HELP_LINK, general, general},
        {IDD_GENERAL, kHelpRequest, general, none},
        {IDD_BTH_SERVICES, IDC_SERVICES_HELP_LINK, services_, services_},
        {IDD_BTH_SERVICES, IDC_LOW_ENERGY_HELP_LINK, lowEnergy, lowEnergy},
        {IDD_BTH_SERVICES, kHelpRequest, services_, none},
        {IDD_PIM_SETTINGS, IDC_PIM_HELP_LINK, pim, none},
        {IDD_PIM_SETTINGS, kHelpRequest, none, none},
        {IDD_HARDWARE, kHelpRequest, none, none},
        {IDD_FILE_SHARING, kHelpRequest, none, none},
        {IDD_COM_PORTS, kHelpRequest, none, none},
        {IDD_AUDIO_VIDEO, kHelpRequest, none, none},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "page " << row.page << ", control " << row.control);
        PropertyPage& page = PageOf(pages, row.page);
        for (auto [code, topic] : {std::pair{NotifyCode::Click, row.click}, std::pair{NotifyCode::Return, row.onReturn}}) {
            if (row.control == kHelpRequest && code == NotifyCode::Return) continue;
            shell.helpOpened.clear();
            if (row.control == kHelpRequest)
                page.OnHelp(view);
            else
                page.OnNotify(view, {.controlId = row.control, .code = code});
            using Opened = std::vector<std::pair<std::u16string, std::u16string>>;
            const Opened expected = topic.empty() ? Opened() : Opened{{topic, TextOf(IDS_HELP_FOLDER_FORMAT)}};
            EXPECT_EQ(shell.helpOpened, expected) << (code == NotifyCode::Click ? "click" : "return");
        }
    }
}

}  // namespace
