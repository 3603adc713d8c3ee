#include <gtest/gtest.h>

#include "FakeEnvironment.h"
#include "settings/ImageFolderSettings.h"

namespace {

constexpr auto kKey = sys::kImageFolderKey;
constexpr char16_t kPictures[] = u"C:\\Users\\Alice\\Pictures";

class ImageFolderSettingsTest : public RegistryTest {
protected:
    void Put(std::uint32_t type, std::string_view bytes) { registry.PutValue(kUser, kKey, u"Alice", type, bytes); }
    std::u16string Get() { return std::u16string(GetImageFolderPath(registry, folders).view()); }
    std::optional<MemoryRegistry::Value> Stored() { return registry.GetValue(kUser, kKey, u"Alice"); }
};

TEST_F(ImageFolderSettingsTest, GetTakesOnlyAWholeTerminatedTextThatFits) {
    EXPECT_EQ(Get(), kPictures) << "no key";
    EXPECT_FALSE(registry.HasKey(kUser, kKey)) << "reading never creates the key";
    registry.PutString(kUser, kKey, u"Bob", u"D:\\Bob");
    auto text = [](std::u16string_view value) { return Utf16Bytes(std::u16string(value) + u'\0'); };
    const struct {
        std::uint32_t type;
        std::string bytes;
        std::u16string path;
    } cases[] = {
        {reg::kSz, text(u"D:\\Images"), u"D:\\Images"},
        {reg::kExpandSz, text(u"%PICS%"), u"%PICS%"},
        {reg::kSz, "", u""},
        {reg::kSz, text(std::u16string(259, u'p')), std::u16string(259, u'p')},  // 520 bytes
        {reg::kSz, text(std::u16string(260, u'p')), kPictures},                  // over 520 bytes
        {reg::kSz, text(u"D:\\x") + "z", kPictures},                             // odd size
        {reg::kSz, Utf16Bytes(u"D:\\x"), kPictures},                             // no terminator
        {reg::kBinary, text(u"D:\\x"), kPictures},
    };
    for (const auto& c : cases) {
        Put(c.type, c.bytes);
        EXPECT_EQ(Get(), c.path) << c.bytes.size();
    }
    EXPECT_EQ(registry.KeyRequests().back().access, reg::kReadWrite);

    folders.userName.reset();
    EXPECT_EQ(Get(), kPictures);
    folders.myPictures.reset();
    EXPECT_EQ(Get(), u"C:\\");
}

TEST_F(ImageFolderSettingsTest, SetCreatesTheKeyAndReplacesTheValue) {
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored()->type, reg::kSz);
    EXPECT_EQ(Stored()->bytes, Utf16Bytes(std::u16string(u"E:\\New\0", 7)));
    EXPECT_TRUE(registry.KeyRequests().back().create);

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
    registry = MemoryRegistry();  // an unacceptable old value is overwritten, not deleted
    Put(reg::kBinary, "junk");
    registry.RefuseDelete(kUser, kKey);
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored()->type, reg::kSz);
}

}  // namespace
