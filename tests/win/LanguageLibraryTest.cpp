// Checks the German resource library against the applet's own resources: the
// same string ids, page layouts and icons, with every text translated except
// those that the applet uses as they stand. Both are loaded as data files.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "ModuleResources.h"
#include "TestSupport.h"

#include <set>
#include <string>

namespace {

// Registry key paths and value names, the help folder format, the help topic
// files and the maker's name.
const std::set<UINT> kUntranslatable = {141, 142, 143, 144, 148, 149, 158, 159, 181, 182, 221, 222, 272, 287};

// Texts that read the same in German.
const std::set<UINT> kSameInGerman = {
    120,  // "Headset"
    121,  // "Stereo"
    134,  // "HCRP"
    253,  // "Name"
};

const UINT kPages[] = {202, 203, 205, 211, 219, 221, 287};

HMODULE LoadAsData(const wchar_t* fileName) {
    return LoadLibraryExW(BesideTestProgram(fileName).c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

std::wstring Text(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

bool HasLink(const std::wstring& text) {
    size_t open = text.find(L"<a>");
    return open != std::wstring::npos && text.find(L"</a>", open) != std::wstring::npos;
}

class LanguageLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        applet_ = LoadAsData(L"QuorvelCpl.dll");
        ASSERT_NE(applet_, nullptr) << "LoadLibraryEx failed with " << GetLastError();
        german_ = LoadAsData(L"de-DE\\QuorvelCplde-DE.dll");
        ASSERT_NE(german_, nullptr) << "LoadLibraryEx failed with " << GetLastError();
    }
    void TearDown() override {
        for (HMODULE module : {german_, applet_}) {
            if (module) FreeLibrary(module);
        }
    }
    HMODULE applet_ = nullptr;
    HMODULE german_ = nullptr;
};

TEST_F(LanguageLibrary, GermanHasExactlyTheAppletsStringIds) {
    std::set<UINT> ids = StringIds(applet_);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(StringIds(german_), ids);
}

TEST_F(LanguageLibrary, GermanKeepsKeyPathsHelpFilesAndMakerAsTheyAre) {
    for (UINT id : kUntranslatable) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(Text(applet_, id).empty());
        EXPECT_EQ(Text(german_, id), Text(applet_, id));
    }
}

TEST_F(LanguageLibrary, GermanTranslatesEveryOtherText) {
    for (UINT id : StringIds(applet_)) {
        if (kUntranslatable.contains(id)) continue;
        SCOPED_TRACE(id);
        std::wstring english = Text(applet_, id), german = Text(german_, id);
        if (kSameInGerman.contains(id)) {
            EXPECT_EQ(german, english);
        } else {
            EXPECT_NE(german, english);
        }
        EXPECT_EQ(HasLink(german), HasLink(english));
    }
}

TEST_F(LanguageLibrary, GermanPagesKeepTheAppletsLayout) {
    for (UINT id : kPages) {
        SCOPED_TRACE(id);
        Dialog english = DialogResource(applet_, id);
        Dialog german = DialogResource(german_, id);
        EXPECT_EQ(german.signature, english.signature);
        EXPECT_EQ(german.style, english.style);
        EXPECT_EQ(german.cx, english.cx);
        EXPECT_EQ(german.cy, english.cy);
        EXPECT_EQ(german.face, english.face);
        EXPECT_EQ(german.pointSize, english.pointSize);
        EXPECT_FALSE(german.caption.empty());
        ASSERT_EQ(german.items.size(), english.items.size());
        for (size_t i = 0; i < english.items.size(); ++i) {
            const DialogItem& expected = english.items[i];
            const DialogItem& actual = german.items[i];
            SCOPED_TRACE(testing::Message() << "control " << i << ", id " << expected.id);
            EXPECT_EQ(actual.id, expected.id);
            EXPECT_EQ(actual.windowClass, expected.windowClass);
            EXPECT_EQ(actual.style, expected.style);
            EXPECT_EQ(actual.x, expected.x);
            EXPECT_EQ(actual.y, expected.y);
            EXPECT_EQ(actual.cx, expected.cx);
            EXPECT_EQ(actual.cy, expected.cy);
            EXPECT_EQ(actual.iconId, expected.iconId);
            EXPECT_EQ(HasLink(actual.text), HasLink(expected.text));
        }
    }
}

TEST_F(LanguageLibrary, GermanCarriesTheAppletsIcons) {
    for (WORD id : {207, 215, 222, 260}) {
        SCOPED_TRACE(id);
        auto english = ResourceBytes(applet_, RT_GROUP_ICON, MAKEINTRESOURCEW(id));
        auto german = ResourceBytes(german_, RT_GROUP_ICON, MAKEINTRESOURCEW(id));
        ASSERT_FALSE(german.empty());
        EXPECT_EQ(german.size(), english.size()) << "a different number of images";
    }
}

}  // namespace
