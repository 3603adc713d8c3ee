#pragma once
// The choice of the language of the applet's dialogs, icons and texts.  Once
// per process, at library attach, the user's and the system's language
// settings are tried in turn; the first language for which a resource library
// is installed beside the applet (fr-FR\QuorvelCplfr-FR.dll) becomes the
// current resource module.  When none is, the applet's own resources serve.

#include "locale/ILanguagePlatform.h"
#include "settings/IRegistry.h"

inline constexpr LangId kEnglishUnitedStates = 0x0409;

class CResourceLanguage {
public:
    // Reads the fallback language from the host program; loads nothing.
    CResourceLanguage(ILanguagePlatform& platform, IRegistry& registry);
    ~CResourceLanguage() { Release(); }
    CResourceLanguage(const CResourceLanguage&) = delete;
    CResourceLanguage& operator=(const CResourceLanguage&) = delete;

    // Tries the user's interface language, the system's interface language,
    // the user's and the system's default language; when none has a library,
    // the current language becomes the fallback language (or English).
    void SelectResourceLanguage();
    // Gives the applet its own resources back and frees the library, if any.
    void Release();

    LangId FallbackLanguage() const { return fallback_; }
    LangId CurrentLanguage() const { return current_; }
    LibraryHandle Library() const { return library_; }

private:
    // The current language, then its neutral form, then its default form.
    bool TryResourceLanguage();
    // Loads the library of the current language from beside the applet.
    bool LoadResourceLanguage();
    bool LibraryPath(Text260& path);
    LangId SystemUiLanguage();

    ILanguagePlatform& platform_;
    IRegistry& registry_;
    LangId fallback_;
    LangId current_ = 0;
    LibraryHandle library_ = 0;
};
