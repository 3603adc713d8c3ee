#pragma once
// Scripted systems for the language and help tests: language settings, ISO
// names, installed language libraries and help folders, with a record of what
// the code asked for, loaded, freed and opened.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "locale/IHelpPlatform.h"
#include "locale/ILanguagePlatform.h"

class FakeLanguagePlatform final : public ILanguagePlatform {
public:
    // The system's answers.
    LangId userUi = 0;
    std::optional<LangId> systemUi = LangId{0};
    LangId userDefault = 0;
    LangId systemDefault = 0;
    LangId hostTranslation = 0;
    std::optional<Text260> appletPath = Text260(u"C:\\Dir\\QuorvelCpl.DLL");
    // Language and country names; a language not listed has neither, and an
    // empty country stands for a failing country query.
    std::map<LangId, std::pair<std::u16string, std::u16string>> isoNames{
        {0x0409, {u"en", u"US"}}, {0x0407, {u"de", u"DE"}}, {0x0007, {u"de", u"DE"}},
        {0x0C07, {u"de", u"AT"}}, {0x040C, {u"fr", u"FR"}}, {0x000C, {u"fr", u""}},
        {0x0C0C, {u"fr", u"CA"}}, {0x0413, {u"nl", u"NL"}}, {0x0013, {u"nl", u"NL"}},
    };
    // Full paths of the libraries that load.
    std::set<std::u16string> installed;

    // What the code did.
    std::vector<LangId> languagesTried;  // every language whose name was asked for
    std::vector<std::u16string> loadAttempts;
    std::vector<std::u16string> loaded;  // handle n is loaded[n - 1]
    std::vector<LibraryHandle> freed;
    LibraryHandle currentResourceModule = 0;
    int freedWhileCurrent = 0;

    LangId UserUiLanguage() override { return userUi; }
    std::optional<LangId> SystemUiLanguage() override { return systemUi; }
    bool IsWin9xFamily() override { return false; }
    LangId NtdllVersionLanguage() override { return 0; }
    LangId UserDefaultLanguage() override { return userDefault; }
    LangId SystemDefaultLanguage() override { return systemDefault; }
    std::optional<IsoName> IsoNameOf(LangId language, IsoNameKind kind) override {
        if (kind == IsoNameKind::Language) languagesTried.push_back(language);
        auto found = isoNames.find(language);
        if (found == isoNames.end()) return std::nullopt;
        const std::u16string& name = kind == IsoNameKind::Language ? found->second.first : found->second.second;
        if (name.empty()) return std::nullopt;
        return IsoName(name);
    }
    std::optional<Text260> AppletModulePath() override { return appletPath; }
    LangId HostTranslationLanguage() override { return hostTranslation; }

    LibraryHandle LoadResourceLibrary(const char16_t* path) override {
        loadAttempts.emplace_back(path);
        if (!installed.count(path)) return 0;
        loaded.emplace_back(path);
        return loaded.size();
    }
    void FreeResourceLibrary(LibraryHandle library) override {
        freed.push_back(library);
        if (library == currentResourceModule) ++freedWhileCurrent;
    }
    void MakeCurrentResourceModule(LibraryHandle library) override { currentResourceModule = library; }
};

class FakeHelpPlatform final : public IHelpPlatform {
public:
    std::optional<Text260> appletPath = Text260(u"C:\\Dir\\QuorvelCpl.dll");
    std::set<std::u16string> existing;  // folders and files, as spelt in the tests

    std::vector<std::u16string> existenceChecks;
    std::vector<std::u16string> opened;

    std::optional<Text260> AppletModulePath() override { return appletPath; }
    // As the shell does it for the paths the tests use: "C:\Dir\file" gives
    // "C:\Dir", "C:\file" gives "C:\", and a bare name cannot be shortened.
    bool RemoveFileSpec(Text260& path) override {
        std::u16string text(path.view());
        std::size_t separator = text.rfind(u'\\');
        if (separator == std::u16string::npos || separator + 1 == text.size()) return false;
        bool root = separator == 2 && text[1] == u':';
        path.assign(text.substr(0, root ? separator + 1 : separator));
        return true;
    }
    bool PathExists(const char16_t* path) override {
        existenceChecks.emplace_back(path);
        return existing.count(path) != 0;
    }
    void ShellOpen(const char16_t* path) override { opened.emplace_back(path); }
};
