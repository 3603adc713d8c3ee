#pragma once
// What the choice of the resource language needs of the system: its language
// settings, the ISO names of a language, where the applet lives, and a loader
// for language resource libraries.  The Win32 side forwards to kernel32,
// version.dll and the module object; the unit tests script every answer.

#include <cstdint>
#include <optional>

#include "base/FixedText.h"

// A Windows language identifier: primary language in bits 0 to 9,
// sublanguage in bits 10 to 15.
using LangId = std::uint16_t;

// A loaded library as the platform knows it; 0 is none.
using LibraryHandle = std::uintptr_t;

// An ISO 639 or ISO 3166 name, as read into 4 UTF-16 units.
using IsoName = FixedText<4>;

enum class IsoNameKind { Language, Country };

class ILanguagePlatform {
public:
    virtual ~ILanguagePlatform() = default;

    // The user's interface language; 0 when the system lacks the function.
    virtual LangId UserUiLanguage() = 0;
    // The system's interface language; none when the system lacks the function.
    virtual std::optional<LangId> SystemUiLanguage() = 0;
    // Windows 9x-family systems keep their interface language in the registry.
    virtual bool IsWin9xFamily() = 0;
    // The last language of ntdll's version resource; 0 when there is none.
    virtual LangId NtdllVersionLanguage() = 0;
    virtual LangId UserDefaultLanguage() = 0;
    virtual LangId SystemDefaultLanguage() = 0;
    // None when the system has no such name for the language.
    virtual std::optional<IsoName> IsoNameOf(LangId language, IsoNameKind kind) = 0;
    // The full path of the applet library's own file; none when it cannot be
    // had whole.
    virtual std::optional<Text260> AppletModulePath() = 0;
    // The first language of the host program's version translation table;
    // 0 when the host program has none.
    virtual LangId HostTranslationLanguage() = 0;

    virtual LibraryHandle LoadResourceLibrary(const char16_t* path) = 0;
    virtual void FreeResourceLibrary(LibraryHandle library) = 0;
    // Resources are taken from `library` from now on; 0 goes back to the
    // applet's own module.
    virtual void MakeCurrentResourceModule(LibraryHandle library) = 0;
};
