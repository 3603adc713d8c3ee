#include "locale/ResourceLanguage.h"

#include <string_view>

#include "base/AppendWhole.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

constexpr LangId kPrimaryLanguageMask = 0x3FF;
constexpr LangId kDefaultSublanguage = 0x400;
constexpr unsigned kSublanguageShift = 10;

int HexDigit(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') return unit - u'0';
    if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
    return -1;
}

// Reads the text the way "%x" does (leading blanks, an optional 0x, hex
// digits up to the first other character), but only as far as a language
// identifier goes: no digits, or a number beyond 16 bits, is no language.
LangId ParseHexLanguage(std::u16string_view text) {
    std::size_t at = text.find_first_not_of(u" \t\r\n");
    if (at == std::u16string_view::npos) return 0;
    text.remove_prefix(at);
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') &&
        HexDigit(text[2]) >= 0)
        text.remove_prefix(2);
    unsigned long value = 0;
    for (char16_t unit : text) {
        int digit = HexDigit(unit);
        if (digit < 0) break;
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFFFF) return 0;
    }
    return static_cast<LangId>(value);
}

// Windows 9x-family systems name their interface language in the user's
// ResourceLocale key, as hexadecimal text.
LangId ResourceLocaleLanguage(IRegistry& registry) {
    RegKey key(registry);
    if (!key.Open(RegistryRoot::CurrentUser, schema::kResourceLocaleKey, reg::kRead)) return 0;
    auto text = key.ReadString(nullptr, {.bufferBytes = schema::kResourceLocaleReadBytes,
                                         .expandSzAccepted = false});
    return text ? ParseHexLanguage(*text) : 0;
}

}  // namespace

CResourceLanguage::CResourceLanguage(ILanguagePlatform& platform, IRegistry& registry)
    : platform_(platform), registry_(registry), fallback_(platform.HostTranslationLanguage()) {}

void CResourceLanguage::SelectResourceLanguage() {
    // Each candidate is asked for only when the ones before it had no library.
    using Candidate = LangId (*)(CResourceLanguage&);
    static constexpr Candidate kCandidates[] = {
        [](CResourceLanguage& self) { return self.platform_.UserUiLanguage(); },
        [](CResourceLanguage& self) { return self.SystemUiLanguage(); },
        [](CResourceLanguage& self) { return self.platform_.UserDefaultLanguage(); },
        [](CResourceLanguage& self) { return self.platform_.SystemDefaultLanguage(); },
    };
    for (Candidate candidate : kCandidates) {
        current_ = candidate(*this);
        if (TryResourceLanguage()) return;
    }
    current_ = fallback_ != 0 ? fallback_ : kEnglishUnitedStates;
}

LangId CResourceLanguage::SystemUiLanguage() {
    if (auto language = platform_.SystemUiLanguage()) return *language;
    if (platform_.IsWin9xFamily()) return ResourceLocaleLanguage(registry_);
    return platform_.NtdllVersionLanguage();
}

bool CResourceLanguage::TryResourceLanguage() {
    const LangId language = current_;
    if (language == 0) return false;
    if (LoadResourceLanguage()) return true;

    const LangId primary = language & kPrimaryLanguageMask;
    const unsigned sublanguage = language >> kSublanguageShift;
    if (sublanguage != 0) {
        current_ = primary;
        if (LoadResourceLanguage()) return true;
    }
    // The default form was the language itself, already tried.
    if (sublanguage == 1) return false;
    current_ = primary | kDefaultSublanguage;
    return LoadResourceLanguage();
}

bool CResourceLanguage::LoadResourceLanguage() {
    Text260 path;
    if (!LibraryPath(path)) return false;
    LibraryHandle loaded = platform_.LoadResourceLibrary(path.c_str());
    if (loaded == 0) return false;
    // The new library is current before the old one goes, so resources are
    // never taken from a freed module.
    platform_.MakeCurrentResourceModule(loaded);
    if (library_ != 0) platform_.FreeResourceLibrary(library_);
    library_ = loaded;
    return true;
}

// C:\Dir\QuorvelCpl.DLL and fr-FR give C:\Dir\fr-FR\QuorvelCplfr-FR.dll.  A
// path longer than the buffer is no path: it is never cut into another one.
bool CResourceLanguage::LibraryPath(Text260& path) {
    auto language = platform_.IsoNameOf(current_, IsoNameKind::Language);
    if (!language) return false;
    auto country = platform_.IsoNameOf(current_, IsoNameKind::Country);
    if (!country) return false;
    auto applet = platform_.AppletModulePath();
    if (!applet) return false;

    std::u16string_view appletPath = applet->view();
    std::size_t separator = appletPath.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) return false;
    std::u16string_view folder = appletPath.substr(0, separator);
    std::u16string_view fileName = appletPath.substr(separator + 1);
    std::u16string_view stem = fileName.substr(0, fileName.rfind(u'.'));

    path.clear();
    return AppendWhole(path, {folder, u"\\", language->view(), u"-", country->view(), u"\\", stem,
                              language->view(), u"-", country->view(), u".dll"});
}

void CResourceLanguage::Release() {
    if (library_ == 0) return;
    platform_.MakeCurrentResourceModule(0);
    platform_.FreeResourceLibrary(library_);
    library_ = 0;
}
