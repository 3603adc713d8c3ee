#include "win32/Win32LanguagePlatform.h"

#include <windows.h>

#include <memory>
#include <new>

#include "win32/ModulePath.h"
#include "win32/WideText.h"

namespace {

using LanguageFunction = LANGID(WINAPI*)();

// The interface language functions are missing from older systems, so they
// are looked up rather than imported.
LanguageFunction Kernel32LanguageFunction(const char* name) {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (!kernel32) return nullptr;
    return reinterpret_cast<LanguageFunction>(reinterpret_cast<void*>(GetProcAddress(kernel32, name)));
}

BOOL CALLBACK KeepLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR last) {
    *reinterpret_cast<LangId*>(last) = language;
    return TRUE;
}

HMODULE ToModule(LibraryHandle library) { return reinterpret_cast<HMODULE>(library); }

}  // namespace

LangId Win32LanguagePlatform::UserUiLanguage() {
    LanguageFunction function = Kernel32LanguageFunction("GetUserDefaultUILanguage");
    return function ? function() : 0;
}

std::optional<LangId> Win32LanguagePlatform::SystemUiLanguage() {
    LanguageFunction function = Kernel32LanguageFunction("GetSystemDefaultUILanguage");
    if (!function) return std::nullopt;
    return function();
}

bool Win32LanguagePlatform::IsWin9xFamily() { return (GetVersion() & 0x80000000u) != 0; }

LangId Win32LanguagePlatform::NtdllVersionLanguage() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return 0;
    LangId last = 0;
    EnumResourceLanguagesW(ntdll, RT_VERSION, MAKEINTRESOURCEW(1), KeepLanguage,
                           reinterpret_cast<LONG_PTR>(&last));
    return last;
}

LangId Win32LanguagePlatform::UserDefaultLanguage() { return GetUserDefaultLangID(); }

LangId Win32LanguagePlatform::SystemDefaultLanguage() { return GetSystemDefaultLangID(); }

std::optional<IsoName> Win32LanguagePlatform::IsoNameOf(LangId language, IsoNameKind kind) {
    IsoName name;
    LCTYPE type = kind == IsoNameKind::Language ? LOCALE_SISO639LANGNAME : LOCALE_SISO3166CTRYNAME;
    if (GetLocaleInfoW(MAKELCID(language, SORT_DEFAULT), type, Wide(name.data()),
                       static_cast<int>(name.capacity())) == 0)
        return std::nullopt;
    name.terminate();
    return name;
}

std::optional<Text260> Win32LanguagePlatform::AppletModulePath() {
    return ModuleFilePath(module_.Instance());
}

LangId Win32LanguagePlatform::HostTranslationLanguage() {
    auto host = ModuleFilePath(nullptr);
    if (!host) return 0;
    const auto* path = Wide(host->c_str());
    DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    if (size == 0) return 0;
    // This runs at static initialisation, inside the loader's notification:
    // no allocation failure may throw from here.
    std::unique_ptr<BYTE[]> versionInfo(new (std::nothrow) BYTE[size]);
    if (!versionInfo || !GetFileVersionInfoW(path, 0, size, versionInfo.get())) return 0;
    void* translations = nullptr;
    UINT bytes = 0;
    // An entry is a language and a code page; an empty table has no language.
    if (!VerQueryValueW(versionInfo.get(), L"\\VarFileInfo\\Translation", &translations, &bytes) ||
        bytes < 2 * sizeof(WORD))
        return 0;
    return static_cast<const WORD*>(translations)[0];
}

// A language library holds resources only, so it is mapped as an image for
// its resources and never run: whatever code a planted library carries, its
// entry point is not called, in the Control Panel host or an elevated
// regsvr32 alike.
LibraryHandle Win32LanguagePlatform::LoadResourceLibrary(const char16_t* path) {
    return reinterpret_cast<LibraryHandle>(
        LoadLibraryExW(Wide(path), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE));
}

void Win32LanguagePlatform::FreeResourceLibrary(LibraryHandle library) { FreeLibrary(ToModule(library)); }

void Win32LanguagePlatform::MakeCurrentResourceModule(LibraryHandle library) {
    module_.ExchangeResourceInstance(ToModule(library));
}
