// The resources that the code and the language libraries rely on, checked in
// the built files: every text, template and icon that resource.h names exists
// in every language, the languages agree wherever the code depends on it, the
// texts that name registry keys are the system's keys, and every page of
// every translation, built as the system builds it (hidden, under the
// applet's manifest) and measured in its own font, fits its texts.

#include "TestSupport.h"
#include "res/resource.h"
#include "win32/ActivationContext.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// The ids resource.h defines, extracted by the build.
const UINT kStringIds[] = {
#include "StringIds.inc"
};
const UINT kDialogIds[] = {
#include "DialogIds.inc"
};
const UINT kIconIds[] = {
#include "IconIds.inc"
};

// Used as they stand in every language: the maker's name, the help topic
// files and their folder format, and the key paths and value names.
const std::set<UINT> kUntranslated = [] {
    std::set<UINT> ids = {149, 158, 159, 287};
    for (const auto& key : sys::kKeyTexts) ids.insert(key.id);
    return ids;
}();
// The texts each translation takes over from English unchanged, and the
// languages that read right to left (their pages are mirrored).
const std::map<std::wstring, std::set<UINT>> kSameAsEnglish = {
    {L"de-DE", {120, 121, 134, 253}},  // Headset, Stereo, HCRP, Name
    {L"fr-FR", {134, 137, 251, 252}},  // HCRP, Description, Port, Direction
    {L"es-ES", {117, 134}},            // Error, HCRP
    {L"ja-JP", {134}},
    {L"he-IL", {134}},
};
const std::set<std::wstring> kRightToLeft = {L"he-IL"};
// English and German keep the applet's own layout, whatever this machine's
// fonts make of it; every other translation must fit.
const std::set<std::wstring> kOwnLayout = {L"en-US", L"de-DE"};
// Controls whose text the page writes when it opens; the template holds a
// placeholder.  The longest text a control gets is the one measured.
const std::map<std::pair<UINT, int>, UINT> kTextsWrittenAtOpening = {
    {{IDD_FILE_SHARING, IDC_SHARING_LABEL}, IDS_SHARING_LABEL},
    {{IDD_FILE_SHARING, IDC_OPEN_EXCHANGE_LINK}, IDS_OPEN_EXCHANGE_LINK},
    {{IDD_FILE_SHARING, IDC_OPEN_IMAGING_LINK}, IDS_OPEN_IMAGING_LINK},
    {{IDD_COM_PORTS, IDC_COM_PORTS_INFO}, IDS_COM_PORTS_INFO},
    {{IDD_HARDWARE, IDC_HARDWARE_STATUS}, IDS_DEVICE_UNAVAILABLE_STATUS},
    {{IDD_BTH_SERVICES, IDC_SERVICES_DEVICE_NAME}, IDS_DEVICE_NAME_UNAVAILABLE},
};

size_t Count(const std::wstring& text, const wchar_t* what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

struct DialogItem {
    int id;
    DWORD style, extendedStyle;
    RECT rect;                 // in the dialog's client area
    std::wstring windowClass;  // upper case
    std::wstring text;
};
struct Dialog {
    DWORD style, extendedStyle;
    SIZE size;
    std::wstring caption;
    std::vector<DialogItem> items;  // in the template's order
};

// The dialog resource `id` of `module` as the system builds it; `eachControl`
// sees every control's window before the dialog is destroyed.  A template the
// system cannot build, such as one naming an unregistered class, has no items.
Dialog DialogResource(HMODULE module, UINT id,
                      const std::function<void(const DialogItem&, HWND)>& eachControl = {}) {
    Dialog dialog{};
    auto bytes = ResourceData(module, RT_DIALOG, MAKEINTRESOURCEW(id));
    ScopedAppletContext context;
    if (bytes.empty() || !context.Active()) return dialog;
    // Pages are child dialogs: they need a parent.
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HWND window = CreateDialogIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), parent,
                                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    if (window) {
        dialog.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        dialog.extendedStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
        RECT client{};
        GetClientRect(window, &client);
        dialog.size = {client.right, client.bottom};
        dialog.caption = WindowText(window);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            std::wstring className = ClassName(child);
            DialogItem item{GetDlgCtrlID(child), static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)),
                            static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)), {}, CharUpperW(className.data()),
                            WindowText(child)};
            GetWindowRect(child, &item.rect);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item.rect), 2);
            if (eachControl) eachControl(item, child);
            dialog.items.push_back(item);
        }
        DestroyWindow(window);
    }
    DestroyWindow(parent);
    return dialog;
}

// How much a control's text lacks, in pixels, to fit the control as the
// control draws it: on one line, or word-wrapped to its width.
SIZE Shortfall(HWND control, const DialogItem& item, const std::wstring& text) {
    const DWORD kind = item.style & 0xF;
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int width = client.right;
    bool wrapped = false;
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (item.windowClass == L"STATIC") {
        wrapped = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
    } else if (item.windowClass == L"SYSLINK") {
        wrapped = client.bottom >= 2 * metrics.tmHeight;
        format |= DT_NOPREFIX;
    } else if (kind == BS_GROUPBOX) {
        width -= 2 * metrics.tmAveCharWidth;  // the caption sits inside the frame's corners
    } else if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON) {
        width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and the gap after it
        wrapped = (item.style & BS_MULTILINE) != 0;
    } else {
        width -= 2 * (GetSystemMetrics(SM_CXEDGE) + 1);  // a push button's frame
    }
    RECT needed{0, 0, std::max(width, 1), 0};
    DrawTextW(dc, text.c_str(), -1, &needed, format | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, font);
    ReleaseDC(control, dc);
    return {std::max(0L, needed.right - width), std::max(0L, needed.bottom - client.bottom)};
}

// A text control's text, as the page shows it, fits the control; a label of
// no size is there for a screen reader only.
void ExpectFits(HMODULE module, UINT page, const DialogItem& item, HWND control) {
    const std::wstring& windowClass = item.windowClass;
    if ((windowClass != L"STATIC" && windowClass != L"BUTTON" && windowClass != L"SYSLINK") ||
        (windowClass == L"STATIC" && (item.style & SS_TYPEMASK) == SS_ICON) || IsRectEmpty(&item.rect))
        return;
    auto written = kTextsWrittenAtOpening.find({page, item.id});
    std::wstring text = written != kTextsWrittenAtOpening.end() ? StringResource(module, written->second) : item.text;
    for (const wchar_t* tag : {L"<a>", L"</a>"})
        for (size_t at; (at = text.find(tag)) != std::wstring::npos;) text.erase(at, wcslen(tag));
    if (text.empty()) return;
    SIZE missing = Shortfall(control, item, text);
    EXPECT_TRUE(missing.cx == 0 && missing.cy == 0)
        << "control " << item.id << ": " << missing.cx << " px too narrow, " << missing.cy << " px too low for \""
        << text << "\"";
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

bool IsText(const DialogItem& item) {
    return (item.windowClass == L"STATIC" && (item.style & SS_TYPEMASK) != SS_ICON) ||
           (item.windowClass == L"BUTTON" && (item.style & 0xF) == BS_GROUPBOX);
}
bool IsPathBox(const DialogItem& item) { return item.id == IDC_EXCHANGE_FOLDER || item.id == IDC_IMAGING_FOLDER; }

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        languages_.emplace_back(L"en-US", LoadAsData(L"QuorvelCpl.dll"));
        for (const std::wstring tag : kLanguageTags)
            languages_.emplace_back(tag, LoadAsData(tag + L"\\QuorvelCpl" + tag + L".dll"));
    }
    void TearDown() override {
        for (const auto& [tag, module] : languages_) FreeLibrary(module);
    }
    HMODULE English() const { return languages_[0].second; }
    std::vector<std::pair<std::wstring, HMODULE>> languages_;  // English first, then kLanguageTags
    // The applet's manifest, under which its dialogs are built.
    LoadedApplet applet_;
    ShellOnApplet shell_{applet_};
};

// Each text and icon exists in each language; a translation changes every
// text but those used as they stand, and keeps its formats, links and paths.
TEST_F(Resources, EveryLanguageHasEveryTextAndIconAndTranslatesWhatIsToBeTranslated) {
    for (const auto& key : sys::kKeyTexts) EXPECT_EQ(StringResource(English(), key.id), Wide(key.text)) << key.id;
    for (const auto& [tag, module] : languages_) {
        for (UINT id : kIconIds) EXPECT_FALSE(ResourceData(module, RT_GROUP_ICON, MAKEINTRESOURCEW(id)).empty()) << id;
        const auto same = kSameAsEnglish.find(tag);
        for (UINT id : kStringIds) {
            SCOPED_TRACE(testing::Message() << tag << ", text " << id);
            std::wstring english = StringResource(English(), id), text = StringResource(module, id);
            EXPECT_FALSE(text.empty());
            if (tag == L"en-US") continue;
            if (kUntranslated.contains(id) || (same != kSameAsEnglish.end() && same->second.contains(id)))
                EXPECT_EQ(text, english);
            else
                EXPECT_NE(text, english) << "not translated";
            for (const wchar_t* token : {L"%", L"<a>", L"</a>", L"\\"})
                EXPECT_EQ(Count(text, token), Count(english, token)) << "token " << token;
        }
    }
}

// Every translation keeps the controls, their order, classes, styles and
// extended styles and the page sizes; German keeps every position as well,
// and only a language that reads right to left mirrors its pages and reads
// every text right to left but a path's.  Every workable control is a tab
// stop, and the General page's sixth unnamed
// control, which the page hides, frames Proximity Pairing.  Where the translation lays its pages out anew, every text fits
// its control, every control stays on the page, and no two shown controls
// overlap that do not in English.
TEST_F(Resources, EveryPageOfEveryLanguageAgreesWithEnglishAndFitsItsTexts) {
    for (const auto& [tag, module] : languages_) {
        for (UINT id : kDialogIds) {
            SCOPED_TRACE(testing::Message() << tag << ", dialog " << id);
            const Dialog english = DialogResource(English(), id);
            const bool mustFit = !kOwnLayout.contains(tag);
            const Dialog page = DialogResource(module, id, [&, module = module](const DialogItem& item, HWND control) {
                if (mustFit) ExpectFits(module, id, item, control);
            });
            ASSERT_FALSE(english.items.empty()) << "not built";
            EXPECT_EQ(english.style & DS_CONTEXTHELP, 0u);
            EXPECT_EQ(english.extendedStyle & WS_EX_LAYOUTRTL, 0u);
            EXPECT_EQ((page.extendedStyle & WS_EX_LAYOUTRTL) != 0, kRightToLeft.contains(tag));
            EXPECT_FALSE(page.caption.empty());
            // The size is in pixels of the template's font, so it shows a changed font too.
            EXPECT_EQ(std::tie(page.style, page.size.cx, page.size.cy),
                      std::tie(english.style, english.size.cx, english.size.cy));
            ASSERT_EQ(page.items.size(), english.items.size());
            const bool rightToLeft = kRightToLeft.contains(tag);
            std::vector<int> unnamed;
            for (size_t i = 0; i < page.items.size(); ++i) {
                const DialogItem &e = english.items[i], &t = page.items[i];
                SCOPED_TRACE(testing::Message() << "control " << i << ", id " << e.id);
                EXPECT_EQ(std::tie(t.id, t.windowClass, t.style), std::tie(e.id, e.windowClass, e.style));
                constexpr DWORD kByLanguage = WS_EX_LAYOUTRTL | WS_EX_RTLREADING;
                EXPECT_EQ(t.extendedStyle & ~kByLanguage, e.extendedStyle & ~kByLanguage);
                const bool readsText = IsText(t) || t.windowClass == L"SYSLINK" ||
                                       (t.windowClass == L"BUTTON" && t.id != -1) ||
                                       (t.windowClass == L"EDIT" && !IsPathBox(t));
                EXPECT_EQ((t.extendedStyle & WS_EX_RTLREADING) != 0, rightToLeft && readsText) << "reading order";
                if (tag == L"de-DE") {
                    EXPECT_TRUE(EqualRect(&t.rect, &e.rect));
                }
                // The pages handle link activation only from link controls.
                const bool link = e.windowClass == L"SYSLINK";
                EXPECT_EQ(Count(e.text, L"<a>") == 1, link);
                EXPECT_EQ(Count(t.text, L"<a>") == 1, link);
                const bool groupBox = t.windowClass == L"BUTTON" && (t.style & 0xF) == BS_GROUPBOX;
                if (t.windowClass != L"STATIC" && !groupBox) {
                    EXPECT_NE(t.style & WS_TABSTOP, 0u);
                }
                if (t.id == -1) unnamed.push_back(static_cast<int>(i));
                if (!mustFit) continue;
                EXPECT_TRUE(t.rect.left >= 0 && t.rect.top >= 0 && t.rect.right <= page.size.cx &&
                            t.rect.bottom <= page.size.cy) << "reaches past the page";
                for (size_t j = 0; j < i; ++j) {
                    if ((t.style & page.items[j].style & WS_VISIBLE) && Overlap(t.rect, page.items[j].rect)) {
                        EXPECT_TRUE(Overlap(e.rect, english.items[j].rect)) << "overlaps control " << page.items[j].id;
                    }
                }
            }
            if (id != IDD_GENERAL) continue;
            ASSERT_GE(unnamed.size(), 6u);
            const DialogItem& group = page.items[unnamed[5]];
            auto checkbox = std::find_if(page.items.begin(), page.items.end(),
                                         [](const DialogItem& item) { return item.id == IDC_PROXIMITY_PAIRING; });
            ASSERT_NE(checkbox, page.items.end());
            EXPECT_EQ(group.style & 0xF, static_cast<DWORD>(BS_GROUPBOX));
            RECT inside{};
            IntersectRect(&inside, &group.rect, &checkbox->rect);
            EXPECT_TRUE(EqualRect(&inside, &checkbox->rect)) << "the box is not inside the group";
        }
    }
}

}  // namespace
