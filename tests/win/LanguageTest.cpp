// The resource language chosen when the applet is loaded, and the message
// box's reading order.  The German* tests need a process with a German
// interface language (CTest's win_german entry runs them under a German Unix
// locale); every other test here runs in the ordinary English process.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "win32/LangMessageBox.h"

#include <commctrl.h>
#include <psapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kGermanLibrary[] = L"QuorvelCplde-DE.dll";
constexpr UINT kAppletNameText = 102;

std::wstring FileNameOf(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring name(path);
    return name.substr(name.find_last_of(L"\\/") + 1);
}

// The file names of the language libraries loaded in this process: anything
// named after the applet but the applet itself.
std::vector<std::wstring> LoadedLanguageLibraries() {
    HMODULE modules[512] = {};
    DWORD bytes = 0;
    EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &bytes);
    std::vector<std::wstring> found;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        std::wstring name = FileNameOf(modules[i]);
        if (name.size() > 10 && _wcsnicmp(name.c_str(), L"QuorvelCpl", 10) == 0 &&
            _wcsicmp(name.c_str(), L"QuorvelCpl.dll") != 0)
            found.push_back(name);
    }
    return found;
}

TEST(LanguageSelection, AnEnglishProcessKeepsTheAppletsOwnResources) {
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_ENGLISH);
    LoadedApplet applet;
    ASSERT_NE(applet.module(), nullptr);
    EXPECT_EQ(LoadedLanguageLibraries(), std::vector<std::wstring>{})
        << "no English library is installed, and no other language may stand in for it";
}

std::wstring Text(HMODULE module, UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

class GermanProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_GERMAN)
            << "run the German tests under a German Unix locale (QUORVEL_LANG=de_DE.UTF-8)";
        ASSERT_NE(GetFileAttributesW(BesideTestProgram(L"de-DE\\QuorvelCplde-DE.dll").c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << "the German library is not built beside the applet";
        ASSERT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "another test kept it loaded";
    }
};

TEST_F(GermanProcess, LoadsTheGermanLibraryBesideTheAppletAndFreesItWithTheApplet) {
    {
        LoadedApplet applet;
        ASSERT_NE(applet.module(), nullptr);
        HMODULE german = GetModuleHandleW(kGermanLibrary);
        ASSERT_NE(german, nullptr) << "the applet did not load the German library";
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(german, path, MAX_PATH);
        EXPECT_EQ(_wcsicmp(path, BesideTestProgram(L"de-DE\\QuorvelCplde-DE.dll").c_str()), 0) << path;
        EXPECT_EQ(LoadedLanguageLibraries(), std::vector<std::wstring>{kGermanLibrary});
    }
    EXPECT_EQ(GetModuleHandleW(kGermanLibrary), nullptr) << "the German library outlived the applet";
}

TEST_F(GermanProcess, TheSheetIsTitledFromTheGermanLibrary) {
    LoadedApplet applet;
    auto runModal = applet.export_<void(WINAPI*)(HWND)>("CPlDevPropRunModal");
    HMODULE german = GetModuleHandleW(kGermanLibrary);
    ASSERT_TRUE(runModal && german);
    std::wstring title = Text(german, kAppletNameText);
    ASSERT_FALSE(title.empty());
    ASSERT_NE(title, L"Bluetooth Settings") << "the German title must differ to tell the libraries apart";

    bool saw = false;
    {
        SheetWatcher watcher({}, title);
        runModal(nullptr);
        saw = watcher.SawSheet();
    }
    EXPECT_TRUE(saw) << "no sheet titled \"" << std::string(title.begin(), title.end()) << "\" was shown";
    DrainQuitMessages();
}

// Points this program's import of one function at a replacement for the
// object's life.  Wine draws message boxes left to right whatever their
// flags, so the flags are checked where they leave the applet's code.
class ImportPatch {
public:
    ImportPatch(const char* library, const char* function, void* replacement) {
        slot_ = FindImportSlot(library, function);
        if (slot_) original_ = Exchange(replacement);
    }
    ~ImportPatch() {
        if (slot_) Exchange(original_);
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Patched() const { return slot_ != nullptr; }

private:
    static void** FindImportSlot(const char* library, const char* function) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (imports.VirtualAddress == 0) return nullptr;
        for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
             ++entry) {
            if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), library) != 0) continue;
            DWORD namesAt = entry->OriginalFirstThunk ? entry->OriginalFirstThunk : entry->FirstThunk;
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + namesAt);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                    return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
        return nullptr;
    }
    void* Exchange(void* value) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        void* previous = *slot_;
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
        return previous;
    }

    void** slot_ = nullptr;
    void* original_ = nullptr;
};

struct ShownMessageBox {
    int calls = 0;
    HWND owner = nullptr;
    std::wstring text, caption;
    UINT flags = 0;
} shown;

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT flags) {
    shown = {shown.calls + 1, owner, text, caption, flags};
    return IDOK;
}

// Sets the user's DefaultUserLang for the object's life and then puts back
// what was there, or nothing.
class UserLanguageTag {
public:
    explicit UserLanguageTag(const std::wstring& tag) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        hadValue_ = RegQueryValueExW(key_, kValue, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
        if (hadValue_) {
            saved_.resize(size);
            RegQueryValueExW(key_, kValue, nullptr, &type_, saved_.data(), &size);
        }
        RegSetValueExW(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(tag.c_str()),
                       static_cast<DWORD>((tag.size() + 1) * sizeof(wchar_t)));
    }
    ~UserLanguageTag() {
        if (hadValue_)
            RegSetValueExW(key_, kValue, 0, type_, saved_.data(), static_cast<DWORD>(saved_.size()));
        else
            RegDeleteValueW(key_, kValue);
        RegCloseKey(key_);
    }
    UserLanguageTag(const UserLanguageTag&) = delete;
    UserLanguageTag& operator=(const UserLanguageTag&) = delete;

private:
    static constexpr wchar_t kKey[] = L"SOFTWARE\\Velmora\\Default";
    static constexpr wchar_t kValue[] = L"DefaultUserLang";
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> saved_;
};

TEST(LangMessageBoxFlags, AreRightToLeftForAHebrewTagOnly) {
    ImportPatch patch("user32.dll", "MessageBoxW", reinterpret_cast<void*>(&RecordMessageBox));
    ASSERT_TRUE(patch.Patched()) << "this program does not import MessageBoxW";
    HWND owner = GetDesktopWindow();
    {
        UserLanguageTag tag(L"he-IL");
        LangMessageBox(owner, u"Text", u"Caption", MB_ICONERROR);
        EXPECT_EQ(shown.calls, 1);
        EXPECT_EQ(shown.flags, static_cast<UINT>(MB_ICONERROR | MB_RIGHT | MB_RTLREADING));
        EXPECT_EQ(shown.owner, owner);
        EXPECT_EQ(shown.text, L"Text");
        EXPECT_EQ(shown.caption, L"Caption");
    }
    {
        UserLanguageTag tag(L"en-US");
        LangMessageBox(owner, u"Text", u"Caption", MB_OK);
        EXPECT_EQ(shown.calls, 2);
        EXPECT_EQ(shown.flags, static_cast<UINT>(MB_OK));
    }
}

}  // namespace
