// Properties of the resources that the code and the language libraries rely
// on, checked in the built files (loaded as data; the applet is also loaded
// for the manifest its dialogs are built under): every text, template and
// icon that resource.h names exists in every language, the languages agree
// wherever the code depends on it, and the texts that name registry keys are
// the system's keys.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "TestSupport.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cwctype>

#include <map>
#include <set>
#include <string>

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
std::set<UINT> Untranslated() {
    std::set<UINT> ids = {149, 158, 159, 287};
    for (const auto& key : sys::kKeyTexts) ids.insert(key.id);
    return ids;
}
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

size_t Count(const std::wstring& text, const wchar_t* what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

class Resources : public ::testing::Test {
protected:
    void SetUp() override {
        english_ = LoadAsData(L"QuorvelCpl.dll");
        languages_.push_back(english_);
        for (const std::wstring tag : kLanguageTags)
            languages_.push_back(translated_.emplace_back(LoadAsData(tag + L"\\QuorvelCpl" + tag + L".dll")));
    }
    void TearDown() override {
        for (HMODULE module : languages_) FreeLibrary(module);
    }
    std::vector<HMODULE> languages_;
    HMODULE english_ = nullptr;
    std::vector<HMODULE> translated_;  // in the order of kLanguageTags
    // The applet's manifest, under which its dialogs are built.
    LoadedApplet applet_;
    ShellOnApplet shell_{applet_};
};

TEST_F(Resources, EveryLanguageHasEveryNamedTextAndIcon) {
    for (HMODULE module : languages_) {
        for (UINT id : kStringIds) EXPECT_FALSE(StringResource(module, id).empty()) << id;
        for (UINT id : kIconIds) EXPECT_FALSE(ResourceData(module, RT_GROUP_ICON, MAKEINTRESOURCEW(id)).empty()) << id;
    }
}

TEST_F(Resources, TranslationsKeepFormatsLinksAndTheTextsUsedAsTheyStand) {
    const std::set<UINT> untranslated = Untranslated();
    for (size_t language = 0; language < translated_.size(); ++language) {
        const std::wstring tag = kLanguageTags[language];
        const auto same = kSameAsEnglish.find(tag);
        for (UINT id : kStringIds) {
            SCOPED_TRACE(testing::Message() << tag << ", text " << id);
            std::wstring english = StringResource(english_, id), text = StringResource(translated_[language], id);
            if (untranslated.contains(id) || (same != kSameAsEnglish.end() && same->second.contains(id)))
                EXPECT_EQ(text, english);
            else
                EXPECT_NE(text, english) << "not translated";
            for (const wchar_t* token : {L"%", L"<a>", L"</a>", L"\\"})
                EXPECT_EQ(Count(text, token), Count(english, token)) << "token " << token;
        }
    }
}

TEST_F(Resources, KeyTextsNameTheSystemsKeysAndValues) {
    for (const auto& key : sys::kKeyTexts) EXPECT_EQ(StringResource(english_, key.id), Wide(key.text)) << key.id;
}

// Every translation keeps the controls, their order, classes and styles and
// the page sizes; German keeps every position as well.  Only a language that
// reads right to left mirrors its pages.
TEST_F(Resources, TemplatesAgreeAcrossLanguagesInAllButTheirTexts) {
    for (size_t language = 0; language < translated_.size(); ++language) {
        const std::wstring tag = kLanguageTags[language];
        const bool samePlaces = tag == L"de-DE";
        for (UINT id : kDialogIds) {
            SCOPED_TRACE(testing::Message() << tag << ", dialog " << id);
            Dialog english = DialogResource(english_, id), translated = DialogResource(translated_[language], id);
            ASSERT_FALSE(english.items.empty()) << "not built";
            EXPECT_EQ(english.style & DS_CONTEXTHELP, 0u);
            EXPECT_EQ(english.extendedStyle & WS_EX_LAYOUTRTL, 0u);
            EXPECT_EQ((translated.extendedStyle & WS_EX_LAYOUTRTL) != 0, kRightToLeft.contains(tag));
            EXPECT_FALSE(translated.caption.empty());
            // The size is in pixels of the template's font, so it shows a changed font too.
            EXPECT_EQ(std::tie(translated.style, translated.size.cx, translated.size.cy),
                      std::tie(english.style, english.size.cx, english.size.cy));
            ASSERT_EQ(translated.items.size(), english.items.size());
            for (size_t i = 0; i < english.items.size(); ++i) {
                const DialogItem &e = english.items[i], &t = translated.items[i];
                SCOPED_TRACE(testing::Message() << "control " << i << ", id " << e.id);
                EXPECT_EQ(std::tie(t.id, t.windowClass, t.style), std::tie(e.id, e.windowClass, e.style));
                if (samePlaces) EXPECT_TRUE(EqualRect(&t.rect, &e.rect));
                // The pages handle link activation only from link controls.
                bool link = e.windowClass == L"SYSLINK";
                EXPECT_EQ(Count(e.text, L"<a>") == 1, link);
                EXPECT_EQ(Count(t.text, L"<a>") == 1, link);
            }
        }
    }
}

// The mnemonic of a control's text: the letter after a single '&'.
wchar_t Mnemonic(const std::wstring& text) {
    for (size_t at = text.find(L'&'); at != std::wstring::npos && at + 1 < text.size(); at = text.find(L'&', at + 2))
        if (text[at + 1] != L'&') return static_cast<wchar_t>(towupper(text[at + 1]));
    return 0;
}

// Every control a user can work is reached with Tab, and no two controls of
// a page share a mnemonic, in any language.
TEST_F(Resources, EveryWorkableControlIsATabStopAndMnemonicsDoNotRepeat) {
    for (HMODULE module : languages_) {
        for (UINT id : kDialogIds) {
            std::set<wchar_t> mnemonics;
            for (const DialogItem& item : DialogResource(module, id).items) {
                SCOPED_TRACE(testing::Message() << "dialog " << id << ", control " << item.id);
                DWORD kind = item.style & 0xF;
                bool staticText = item.windowClass == L"STATIC";
                bool groupBox = item.windowClass == L"BUTTON" && kind == BS_GROUPBOX;
                if (!staticText && !groupBox) {
                    EXPECT_NE(item.style & WS_TABSTOP, 0u);
                }
                wchar_t letter = Mnemonic(item.text);
                EXPECT_TRUE(letter == 0 || mnemonics.insert(letter).second);
            }
        }
    }
}

// The General page hides the "Proximity Pairing" group box as the third
// control without an id; it must be the group box around checkbox 294.
TEST_F(Resources, TheThirdUnnamedGeneralControlFramesProximityPairing) {
    for (HMODULE module : languages_) {
        Dialog page = DialogResource(module, 202);
        std::vector<DialogItem> unnamed;
        const DialogItem* checkbox = nullptr;
        for (const auto& item : page.items) {
            if (item.id == -1) unnamed.push_back(item);
            if (item.id == 294) checkbox = &item;
        }
        ASSERT_GE(unnamed.size(), 3u);
        ASSERT_NE(checkbox, nullptr);
        const DialogItem& group = unnamed[2];
        EXPECT_EQ(group.style & 0xF, static_cast<DWORD>(BS_GROUPBOX));
        RECT inside{};
        IntersectRect(&inside, &group.rect, &checkbox->rect);
        EXPECT_TRUE(EqualRect(&inside, &checkbox->rect)) << "the box is not inside the group";
    }
}

}  // namespace
