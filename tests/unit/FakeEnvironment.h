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

// The English texts of the string table that the tested code loads; a test
// may change one to see that the text really comes from the table.
class FakeStringTable final : public IStringTable {
public:
    std::map<unsigned, std::u16string> texts{
        {IDS_KEY_MACHINE_DEFAULT, u"SOFTWARE\\Velmora\\Quorvel\\Default"},
        {IDS_KEY_USER_DEFAULT, u"Software\\Velmora\\Quorvel\\Default"},
        {IDS_KEY_MACHINE_PROXIMITY_PAIRING, u"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing"},
        {IDS_KEY_MACHINE_NOTIFICATIONS, u"SOFTWARE\\Velmora\\Quorvel\\Default\\Notifications"},
        {IDS_KEY_USER_NOTIFICATIONS, u"Software\\Velmora\\Quorvel\\Notifications"},
        {IDS_KEY_USER_NOTIFICATIONS_CREATE, u"Software\\Velmora\\Quorvel\\Notifications"},
        {IDS_KEY_USER_PRODUCT, u"Software\\Velmora\\Quorvel"},
        {IDS_VALUE_LOCAL_DEVICE_NAME, u"LocalDeviceName"},
        {IDS_VALUE_IS_DISCOVERY_ENABLED, u"IsDiscoveryEnabled"},
        {IDS_VALUE_IS_RADIO_ON, u"IsRadioOn"},
        {IDS_NAME_EMPTY, u"Device name can not be empty. Please enter."},
        {IDS_ERROR_CAPTION, u"Error"},
        {IDS_CONFIG_ERROR_CAPTION, u"Bluetooth Configuration Error"},
        {IDS_DEVICE_UNAVAILABLE_NOT_SAVED, u"Device Unavailable. Settings can not be saved."},
        {IDS_SET_NAME_FAILED, u"Unable to Set Local Device Name"},
        {IDS_HELP_FOLDER_FORMAT, u"%s\\HelpFiles\\"},
    };

    Text260 Load(unsigned id) const override {
        auto found = texts.find(id);
        return found == texts.end() ? Text260() : Text260(found->second);
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

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u) << "a key was left open"; }

    MemoryRegistry registry;
    FakeStringTable strings;
    FakeUserFolders folders;
};
