#pragma once
// Stand-ins for the string table and the user's folders, and the fixture of
// the settings tests, which checks after every test that no key is left open.
// The unit tests take GoogleTest and the standard strings and containers
// from this header (or PageFixture.h, which includes it).

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "MemoryRegistry.h"
#include "SystemValues.h"
#include "base/IStringTable.h"
#include "resource.h"
#include "pages/FolderCheck.h"
#include "settings/IUserFolders.h"

// A text the tests can recognise by its id, such as "[115]": the English
// wording is checked on the real resources, not here.
inline std::u16string TextOf(unsigned id) {
    std::string digits = std::to_string(id);
    return u"[" + std::u16string(digits.begin(), digits.end()) + u"]";
}

// Key paths and value names as the system has them; every other id gives
// TextOf(id).  A test may change a text to see that it comes from the table.
class FakeStringTable final : public IStringTable {
public:
    std::map<unsigned, std::u16string> texts;

    FakeStringTable() {
        for (const auto& [id, text] : sys::kKeyTexts) texts[id] = text;
    }
    using IStringTable::Load;
    std::u16string Load(unsigned id, std::size_t units) const override {
        auto found = texts.find(id);
        return (found == texts.end() ? TextOf(id) : found->second).substr(0, units ? units - 1 : 0);
    }
};

// The two roots as the tests name them.
constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr auto kMachine = RegistryRoot::LocalMachine;

class FakeUserFolders final : public IUserFolders {
public:
    std::optional<Text260> userName = Text260(u"Alice");
    std::optional<Text260> myPictures = Text260(u"C:\\Users\\Alice\\Pictures");

    std::optional<Text260> CurrentUserName() override { return userName; }
    std::optional<Text260> MyPicturesFolder() override { return myPictures; }
};

// Folders and files in memory, with Win32's errors for copies.
class FakeFileSystem final : public IFileSystem {
public:
    std::set<std::u16string> folders;
    std::set<std::u16string> readOnlyFolders;
    std::set<std::u16string> undeletable;  // files whose deletion fails
    std::map<std::u16string, std::string> files;  // path: content
    std::optional<Text260> moduleFolder = Text260(u"C:\\Applet");

    bool Exists(const char16_t* path) override { return folders.count(path) || files.count(path); }
    bool IsDirectory(const char16_t* path) override { return folders.count(path) != 0; }
    std::optional<Text260> ModuleFolder() override { return moduleFolder; }
    bool CopyNew(const char16_t* from, const char16_t* to) override {
        std::u16string target(to);
        std::u16string folder = target.substr(0, target.rfind(u'\\'));
        error_ = !files.count(from) ? 2 : files.count(target) ? 80 : readOnlyFolders.count(folder) ? 5 : 0;
        if (error_ == 0) files[target] = files[from];
        return error_ == 0;
    }
    bool Delete(const char16_t* path) override { return !undeletable.count(path) && files.erase(path) != 0; }
    std::uint32_t LastError() override { return error_; }

private:
    std::uint32_t error_ = 0;
};

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u) << "a key was left open"; }

    MemoryRegistry registry;
    FakeStringTable strings;
    FakeUserFolders folders;
};
