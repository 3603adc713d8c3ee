#include "win32/dll/ResourceLanguageSelection.h"

#include "locale/ResourceLanguage.h"
#include "win32/Module.h"
#include "win32/Win32LanguagePlatform.h"
#include "win32/Win32Registry.h"

namespace {

// The one record of the process.  It is built at the library's static
// initialisation, before the loader's first notification reaches DllMain, and
// its destructor frees the language library at static teardown, after the
// last one.  Taking the module object here builds it first, so it outlives
// the record.
Win32LanguagePlatform platform(TheModule());
Win32Registry registry;
CResourceLanguage resourceLanguage(platform, registry);

}  // namespace

void SelectResourceLanguage() noexcept {
    try {
        resourceLanguage.SelectResourceLanguage();
    } catch (...) {
        // Reading the registry may fail to allocate; the applet's own
        // resources then stay in use.
    }
}
