#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/ImageFolderSettings.h"

namespace {

constexpr char16_t kKey[] = u"Software\\Velmora\\Default\\FileSharing\\BIPServerPath";

}  // namespace

class ImageFolderSettingsTest : public RegistryTest {
protected:
    void Put(std::uint32_t type, std::string_view bytes) {
        registry.PutValue(kUser, kKey, u"Alice", type, bytes);
    }
    std::u16string Get() { return std::u16string(GetImageFolderPath(registry, folders).view()); }
    std::optional<MemoryRegistry::Value> Stored() { return registry.GetValue(kUser, kKey, u"Alice"); }
};

TEST_F(ImageFolderSettingsTest, GetTakesTheUsersAcceptableValue) {
    registry.PutString(kUser, kKey, u"Alice", u"D:\\Images");
    registry.PutString(kUser, kKey, u"Bob", u"D:\\Bob");
    EXPECT_EQ(Get(), u"D:\\Images");
    registry.PutString(kUser, kKey, u"Alice", u"%PICS%", reg::kExpandSz);
    EXPECT_EQ(Get(), u"%PICS%");
    Put(reg::kSz, "");
    EXPECT_EQ(Get(), u"");
    std::u16string longest(259, u'p');  // 520 bytes with the terminator
    registry.PutString(kUser, kKey, u"Alice", longest);
    EXPECT_EQ(Get(), longest);
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kReadWrite);
}

TEST_F(ImageFolderSettingsTest, GetFallsBackToMyPicturesThenTheSystemDrive) {
    EXPECT_EQ(Get(), u"C:\\Users\\Alice\\Pictures");
    EXPECT_FALSE(registry.HasKey(kUser, kKey));  // reading never creates the key
    const std::string rejected[] = {
        Utf16Bytes(u"D:\\x") + std::string(2, '\0') + "z",  // odd size
        Utf16Bytes(u"D:\\x"),                              // no terminator
        Utf16Bytes(std::u16string(260, u'p') + u'\0'),      // over 520 bytes
    };
    for (const std::string& bytes : rejected) {
        Put(reg::kSz, bytes);
        EXPECT_EQ(Get(), u"C:\\Users\\Alice\\Pictures") << bytes.size();
    }
    Put(reg::kBinary, Utf16Bytes(std::u16string(u"D:\\x\0", 5)));
    EXPECT_EQ(Get(), u"C:\\Users\\Alice\\Pictures");

    registry.PutString(kUser, kKey, u"Alice", u"D:\\Images");
    folders.userName.reset();
    EXPECT_EQ(Get(), u"C:\\Users\\Alice\\Pictures");
    folders.myPictures.reset();
    EXPECT_EQ(Get(), u"C:\\");
}

TEST_F(ImageFolderSettingsTest, SetCreatesTheKeyAndReplacesTheValue) {
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored()->type, reg::kSz);
    EXPECT_EQ(Stored()->bytes, Utf16Bytes(std::u16string(u"E:\\New\0", 7)));
    EXPECT_TRUE(registry.KeyRequests().back().create);
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kReadWrite);

    registry.PutString(kUser, kKey, u"Alice", u"%OLD%", reg::kExpandSz);
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"F:\\"));
    EXPECT_EQ(Get(), u"F:\\");
    EXPECT_EQ(Stored()->type, reg::kSz);
}

TEST_F(ImageFolderSettingsTest, SetRefusesWithoutLosingTheStoredFolder) {
    registry.PutString(kUser, kKey, u"Alice", u"D:\\Keep");
    EXPECT_FALSE(SetImageFolderPath(registry, folders, nullptr));
    EXPECT_FALSE(SetImageFolderPath(registry, folders, std::u16string(260, u'x').c_str()));
    registry.RefuseDelete(kUser, kKey);
    EXPECT_FALSE(SetImageFolderPath(registry, folders, u"E:\\New"));
    folders.userName.reset();
    EXPECT_FALSE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored()->bytes, Utf16Bytes(std::u16string(u"D:\\Keep\0", 8)));

    registry.RefuseCreate(kUser, kKey);
    EXPECT_FALSE(SetImageFolderPath(registry, folders, u"E:\\New"));

    folders.userName = Text260(u"Alice");
    MemoryRegistry fresh;  // an unacceptable old value is overwritten, not deleted
    fresh.PutValue(kUser, kKey, u"Alice", reg::kBinary, "junk");
    fresh.RefuseDelete(kUser, kKey);
    EXPECT_TRUE(SetImageFolderPath(fresh, folders, u"E:\\New"));
    EXPECT_EQ(fresh.GetValue(kUser, kKey, u"Alice")->type, reg::kSz);
    EXPECT_EQ(fresh.OpenHandleCount(), 0u);
}
