#pragma once
// Stand-ins for the string table and the user's folders, and the fixture of
// the settings tests, which checks after every test that no key is left open.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "MemoryRegistry.h"
#include "locale/IStringTable.h"
#include "resource.h"
#include "settings/IUserFolders.h"

// The English key paths of the string table; a test may change one to see
// that the path really comes from the table.
class FakeStringTable final : public IStringTable {
public:
    std::map<unsigned, std::u16string> texts{
        {IDS_KEY_MACHINE_DEFAULT, u"SOFTWARE\\Velmora\\Quorvel\\Default"},
        {IDS_KEY_USER_DEFAULT, u"Software\\Velmora\\Quorvel\\Default"},
        {IDS_KEY_MACHINE_PROXIMITY_PAIRING, u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing"},
    };

    Text260 Load(unsigned id) const override {
        auto found = texts.find(id);
        return found == texts.end() ? Text260() : Text260(found->second);
    }
};

class FakeUserFolders final : public IUserFolders {
public:
    std::optional<Text260> userName = Text260(u"Alice");
    std::optional<Text260> myPictures = Text260(u"C:\\Users\\Alice\\Pictures");

    std::optional<Text260> CurrentUserName() override { return userName; }
    std::optional<Text260> MyPicturesFolder() override { return myPictures; }
};

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u) << "a key was left open"; }

    MemoryRegistry registry;
    FakeStringTable strings;
    FakeUserFolders folders;
};
