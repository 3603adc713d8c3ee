#pragma once

#include "locale/ILanguagePlatform.h"
#include "win32/Module.h"

// The language settings of the running system, and language resource
// libraries that become `module`'s resource module.
class Win32LanguagePlatform final : public ILanguagePlatform {
public:
    explicit Win32LanguagePlatform(CQuorvelCplModule& module) : module_(module) {}

    LangId UserUiLanguage() override;
    std::optional<LangId> SystemUiLanguage() override;
    bool IsWin9xFamily() override;
    LangId NtdllVersionLanguage() override;
    LangId UserDefaultLanguage() override;
    LangId SystemDefaultLanguage() override;
    std::optional<IsoName> IsoNameOf(LangId language, IsoNameKind kind) override;
    std::optional<Text260> AppletModulePath() override;
    LangId HostTranslationLanguage() override;
    LibraryHandle LoadResourceLibrary(const char16_t* path) override;
    void FreeResourceLibrary(LibraryHandle library) override;
    void MakeCurrentResourceModule(LibraryHandle library) override;

private:
    CQuorvelCplModule& module_;
};
