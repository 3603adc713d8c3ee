// The Windows Installer package, silent, with a verbose log.  Each case runs
// in a prefix of its own, fresh from a pristine one (tools/wine-cases.sh):
// no stack, no Control Panel keys, no product.  Exit codes are msiexec's
// whole Windows codes, as a deployment tool reads them.

#include "TestSupport.h"

#include <msi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

namespace fs = std::filesystem;

#include "PackageVersions.inc"  // kVersion, kNextVersion, kUpgradeCode

constexpr DWORD kInstallFailure = 1603;
constexpr char16_t kItem[] = u"Bluetooth Settings";
const std::u16string kAppIdKey = u"AppID\\" + std::u16string(sys::kAppId);
constexpr char16_t kModuleAppIdKey[] = u"AppID\\QuorvelCpl.DLL";
constexpr const wchar_t* kStackLibraries[] = {L"VmrBtProxy.dll", L"VmrBtOBEXProxy.dll"};

fs::path KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    SHGetKnownFolderPath(id, 0, nullptr, &path);
    fs::path folder = path ? path : L"";
    CoTaskMemFree(path);
    return folder;
}
const fs::path kFolder = KnownFolder(FOLDERID_ProgramFiles) / L"QuorvelCpl";
const fs::path kApplet = kFolder / L"QuorvelCpl.dll";
const fs::path kSystem = KnownFolder(FOLDERID_System);
const std::wstring kPackage = BesideTestProgram(L"QuorvelCpl.msi");
const std::wstring kNextPackage = BesideTestProgram(L"..\\next\\QuorvelCpl.msi");

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file under a folder, by its path inside it.
std::set<fs::path> Tree(const fs::path& folder) {
    std::set<fs::path> files;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder));
    return files;
}

// Runs a program to its end; its exit code, or ~0 when it did not end in time.
DWORD RunToEnd(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ~0u;
    CloseHandle(process.hThread);
    DWORD code = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 ? 0 : ~0u;
    if (code == 0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

struct Outcome {
    DWORD code;
    std::string said;  // the package's own lines and the errors of the log, to explain a failure
};

Outcome Msiexec(const std::wstring& arguments) {
    const fs::path log = fs::temp_directory_path() / L"quorvel-msiexec.log";
    std::error_code ignored;
    fs::remove(log, ignored);
    Outcome outcome{RunToEnd(L"msiexec.exe " + arguments + L" /qn /l*v \"" + log.wstring() + L"\""), {}};
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);)
        if (line.find("QuorvelCpl:") != std::string::npos || line.find("rror") != std::string::npos)
            outcome.said += line + "\n";
    return outcome;
}
// Whether msiexec ended with `code`; else what it ended with and what was said.
testing::AssertionResult EndsWith(const Outcome& outcome, DWORD code) {
    if (outcome.code == code) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "exit " << outcome.code << ", not " << code << ":\n" << outcome.said;
}
Outcome Install(const std::wstring& package, const std::wstring& options = L"") {
    return Msiexec(L"/i \"" + package + L"\" " + options);
}

// The products of the package's upgrade code on the machine.
std::vector<std::wstring> InstalledProducts() {
    std::vector<std::wstring> products;
    wchar_t product[39] = {};
    for (DWORD index = 0; MsiEnumRelatedProductsW(kUpgradeCode, 0, index, product) == ERROR_SUCCESS; ++index)
        products.push_back(product);
    return products;
}
std::wstring ProductInfo(const std::wstring& product, const wchar_t* property) {
    wchar_t value[MAX_PATH] = {};
    DWORD units = MAX_PATH;
    MsiGetProductInfoW(product.c_str(), property, value, &units);
    return value;
}
std::vector<std::wstring> InstalledVersions() {
    std::vector<std::wstring> versions;
    for (const auto& product : InstalledProducts())
        versions.push_back(ProductInfo(product, INSTALLPROPERTY_VERSIONSTRING));
    return versions;
}
// Removes the installed version, as the list of programs would.
Outcome Uninstall() {
    auto products = InstalledProducts();
    return products.size() == 1 ? Msiexec(L"/x " + products[0])
                                : Outcome{~0u, std::to_string(products.size()) + " products to remove"};
}

bool KeyExists(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    bool exists = RegOpenKeyExW(root, Wide(path), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (exists) RegCloseKey(key);
    return exists;
}
std::wstring Value(HKEY root, const char16_t* key, const std::wstring& name) {
    return ReadRegistryString(root, key, reinterpret_cast<const char16_t*>(name.c_str())).second;
}

class PackageTest : public ::testing::Test {
protected:
    // The stack's own libraries in the system folder: the stand-ins' code
    // under another product name.
    void InstallStack() {
        for (const wchar_t* library : kStackLibraries)
            ASSERT_TRUE(fs::copy_file(BesideTestProgram((L"stack\\" + std::wstring(library)).c_str()),
                                      kSystem / library, fs::copy_options::overwrite_existing));
    }
    void RemoveStack() {
        for (const wchar_t* library : kStackLibraries) ASSERT_TRUE(fs::remove(kSystem / library));
    }
    // The stack's libraries in a folder: the system's, or the build's copies.
    static std::string StackBytes(const fs::path& folder = kSystem) {
        return Bytes(folder / kStackLibraries[0]) + "|" + Bytes(folder / kStackLibraries[1]);
    }
    static bool Registered() {
        return Value(HKEY_LOCAL_MACHINE, sys::kCplsKey, L"Bluetooth Settings") == kApplet.wstring() &&
               Value(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, kApplet.wstring()) == L"2,3,4" &&
               Value(HKEY_CLASSES_ROOT, kAppIdKey.c_str(), L"") == L"QuorvelCpl" &&
               Value(HKEY_CLASSES_ROOT, kModuleAppIdKey, L"AppID") == Wide(sys::kAppId);
    }
    // Nothing of the package's is left, or was ever there.
    static void ExpectNothingOfOurs() {
        EXPECT_FALSE(fs::exists(kFolder)) << "the install folder";
        EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, kApplet.wstring()), L"");
        EXPECT_NE(Value(HKEY_LOCAL_MACHINE, sys::kCplsKey, L"Bluetooth Settings"), kApplet.wstring());
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kAppIdKey.c_str()) || KeyExists(HKEY_CLASSES_ROOT, kModuleAppIdKey));
        EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>()) << "a product is registered";
    }
};

// Beside a stack, the package installs every file and its registration as
// data, in Program Files whatever the command line says, and leaves the
// stack's libraries as they are.  Removal takes exactly what was installed and keeps the Control
// Panel's keys, which it had to create.
TEST_F(PackageTest, InstallsBesideTheStackAndTakesOnlyItsOwnAway) {
    InstallStack();
    const std::wstring elsewhere = L"C:\\users\\Public\\Quorvel";
    ASSERT_TRUE(EndsWith(Install(kPackage, L"QuorvelFolder=" + elsewhere + L" TARGETDIR=" + elsewhere), 0));
    EXPECT_FALSE(fs::exists(elsewhere)) << "the command line moved the install folder";
    std::set<fs::path> expected = {L"QuorvelCpl.dll", L"IconResource.dll"};
    for (const std::wstring tag : kLanguageTags) expected.insert(fs::path(tag) / (L"QuorvelCpl" + tag + L".dll"));
    for (const auto& topic : Tree(BesideTestProgram(L"HelpFiles"))) expected.insert(L"HelpFiles" / topic);
    EXPECT_EQ(Tree(kFolder), expected);
    EXPECT_EQ(Bytes(kApplet), Bytes(BesideTestProgram(L"QuorvelCpl.dll")));
    EXPECT_EQ(StackBytes(), StackBytes(BesideTestProgram(L"stack"))) << "the stack's libraries were replaced";
    EXPECT_TRUE(Registered());
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{kVersion});
    const std::wstring product = InstalledProducts().at(0), icon = ProductInfo(product, INSTALLPROPERTY_PRODUCTICON);
    EXPECT_EQ(Bytes(icon).substr(0, 4), std::string("\0\0\1\0", 4)) << "the uninstall entry's icon: " << icon;
    EXPECT_EQ(ProductInfo(product, INSTALLPROPERTY_PUBLISHER), L"Velmora");
    EXPECT_EQ(ProductInfo(product, INSTALLPROPERTY_INSTALLEDPRODUCTNAME), L"Bluetooth Settings");

    EXPECT_TRUE(EndsWith(Uninstall(), 0));
    ExpectNothingOfOurs();
    EXPECT_EQ(StackBytes(), StackBytes(BesideTestProgram(L"stack"))) << "the stack's libraries were removed";
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, sys::kCplsKey) && KeyExists(HKEY_LOCAL_MACHINE, sys::kCategoriesKey))
        << "the Control Panel's keys are the system's";
}

// Without the stack the applet could not load: the install stops before
// changing anything and says why.  A folder of a library's name is none.
TEST_F(PackageTest, WithoutTheStackNothingIsInstalled) {
    for (const wchar_t* library : kStackLibraries) ASSERT_TRUE(fs::create_directory(kSystem / library));
    const Outcome refused = Install(kPackage);
    EXPECT_EQ(refused.code, kInstallFailure);
    EXPECT_NE(refused.said.find("The Bluetooth stack is not installed"), std::string::npos) << refused.said;
    ExpectNothingOfOurs();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, sys::kCplsKey)) << "a key was made for nothing";
}

// Other items of the Control Panel's keys, and a default value as reg add
// makes one, stay as they are.  An item of the applet's name that names
// another module is never overwritten or deleted: the install refuses before
// changing anything, and a removal after another module took the name
// leaves it.
TEST_F(PackageTest, OtherModulesItemsAreNeverTouched) {
    InstallStack();
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"", L"");
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Other Item", L"C:\\Other\\other.cpl");
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, u"C:\\Other\\other.cpl", L"5");
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, kItem, L"D:\\Stack\\Bt Settings.dll");
    auto theirs = [] {
        return std::vector<std::pair<DWORD, std::wstring>>{
            ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u""),
            ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, u"Other Item"),
            ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCategoriesKey, u"C:\\Other\\other.cpl"),
            ReadRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, kItem)};
    };
    const auto before = theirs();
    const Outcome refused = Install(kPackage);
    EXPECT_EQ(refused.code, kInstallFailure);
    EXPECT_NE(refused.said.find("D:\\Stack\\Bt Settings.dll"), std::string::npos) << refused.said;
    ExpectNothingOfOurs();
    EXPECT_EQ(theirs(), before);

    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, Wide(sys::kCplsKey), Wide(kItem));
    ASSERT_TRUE(EndsWith(Install(kPackage), 0));
    EXPECT_TRUE(Registered());
    SetRegistryString(HKEY_LOCAL_MACHINE, sys::kCplsKey, kItem, L"D:\\Stack\\Bt Settings.dll");
    EXPECT_TRUE(EndsWith(Uninstall(), 0));
    ExpectNothingOfOurs();
    EXPECT_EQ(theirs(), before);
}

// The same package again changes nothing; a newer one replaces an older one
// whole; an older one is refused and changes nothing.
TEST_F(PackageTest, ANewerVersionReplacesAnOlderOneAndNeverTheReverse) {
    InstallStack();
    ASSERT_TRUE(EndsWith(Install(kPackage), 0));
    EXPECT_TRUE(EndsWith(Install(kPackage), 0));
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{kVersion});

    ASSERT_TRUE(EndsWith(Install(kNextPackage), 0));
    const std::set<fs::path> files = Tree(kFolder);
    EXPECT_EQ(files.size(), Tree(BesideTestProgram(L"HelpFiles")).size() + 2 + std::size(kLanguageTags));
    EXPECT_EQ(Bytes(kApplet), Bytes(BesideTestProgram(L"..\\next\\QuorvelCpl.dll")));
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{kNextVersion});
    EXPECT_TRUE(Registered());

    EXPECT_TRUE(EndsWith(Install(kPackage), kInstallFailure));
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{kNextVersion});
    EXPECT_EQ(Tree(kFolder), files);
    EXPECT_EQ(Bytes(kApplet), Bytes(BesideTestProgram(L"..\\next\\QuorvelCpl.dll")));
}

// A fresh install that fails after it copied files (a folder lies where a
// file goes) takes everything back.  Over an earlier version, every check
// that can fail runs before the earlier version is touched; once the stack
// is gone, removal still takes everything.
TEST_F(PackageTest, AFailedInstallLeavesWhatWasThere) {
    InstallStack();
    ASSERT_TRUE(fs::create_directories(kFolder / L"IconResource.dll"));
    EXPECT_TRUE(EndsWith(Install(kPackage), kInstallFailure));
    EXPECT_FALSE(fs::exists(kApplet)) << "a copied file stayed";
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, sys::kCplsKey, L"Bluetooth Settings"), L"");
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>());
    fs::remove_all(kFolder);

    ASSERT_TRUE(EndsWith(Install(kPackage), 0));
    RemoveStack();
    EXPECT_TRUE(EndsWith(Install(kNextPackage), kInstallFailure));
    EXPECT_EQ(InstalledVersions(), std::vector<std::wstring>{kVersion});
    EXPECT_EQ(Bytes(kApplet), Bytes(BesideTestProgram(L"QuorvelCpl.dll")));
    EXPECT_TRUE(Registered());
    EXPECT_TRUE(EndsWith(Uninstall(), 0)) << "removal without the stack: ";
    ExpectNothingOfOurs();
}

// STANDINS=1 puts a stand-in only where no library of its name is found; a
// removal takes a stand-in only while it is the file installed, not one
// that a stack has put over it since.
TEST_F(PackageTest, StandInsGoOnlyWhereTheStackIsNot) {
    ASSERT_TRUE(fs::copy_file(BesideTestProgram(L"stack\\VmrBtProxy.dll"), kSystem / L"VmrBtProxy.dll"));
    ASSERT_TRUE(EndsWith(Install(kPackage, L"STANDINS=1"), 0));
    EXPECT_EQ(Bytes(kSystem / L"VmrBtProxy.dll"), Bytes(BesideTestProgram(L"stack\\VmrBtProxy.dll")));
    EXPECT_EQ(Bytes(kSystem / L"VmrBtOBEXProxy.dll"), Bytes(BesideTestProgram(L"VmrBtOBEXProxy.dll")));

    ASSERT_TRUE(EndsWith(Install(kNextPackage), 0)) << "an earlier stand-in counts as asked for: ";
    EXPECT_EQ(Bytes(kSystem / L"VmrBtOBEXProxy.dll"), Bytes(BesideTestProgram(L"VmrBtOBEXProxy.dll")));

    ASSERT_TRUE(fs::copy_file(BesideTestProgram(L"stack\\VmrBtOBEXProxy.dll"), kSystem / L"VmrBtOBEXProxy.dll",
                              fs::copy_options::overwrite_existing));
    EXPECT_TRUE(EndsWith(Uninstall(), 0));
    EXPECT_EQ(StackBytes(), StackBytes(BesideTestProgram(L"stack"))) << "a library of the stack's was removed";
    ExpectNothingOfOurs();
}

}  // namespace
