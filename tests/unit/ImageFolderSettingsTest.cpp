#include "FakeEnvironment.h"
#include "settings/ImageFolderSettings.h"

namespace {

constexpr auto kKey = sys::kImageFolderKey;
constexpr char16_t kPictures[] = u"C:\\Users\\Alice\\Pictures";

class ImageFolderSettingsTest : public RegistryTest {
protected:
    std::u16string Get() { return std::u16string(GetImageFolderPath(registry, folders).view()); }
    std::optional<std::string> Stored() { return registry.Bytes(kUser, kKey, u"Alice"); }
};

// A stored folder counts only as a whole terminated text that fits 520
// bytes; anything else, or no user name, gives My Pictures, else "C:\".
TEST_F(ImageFolderSettingsTest, GetTakesOnlyAWholeTerminatedTextThatFits) {
    const struct {
        std::uint32_t type;
        std::string bytes;
        std::u16string path;
    } cases[] = {
        {reg::kExpandSz, SzBytes(u"%PICS%"), u"%PICS%"},
        {reg::kSz, "", u""},
        {reg::kSz, SzBytes(std::u16string(259, u'p')), std::u16string(259, u'p')},
        {reg::kSz, SzBytes(std::u16string(260, u'p')), kPictures},
        {reg::kSz, SzBytes(u"D:\\x") + "z", kPictures},
        {reg::kSz, Utf16Bytes(u"D:\\x"), kPictures},
        {reg::kBinary, SzBytes(u"D:\\x"), kPictures},
    };
    for (const auto& c : cases) {
        registry.PutValue(kUser, kKey, u"Alice", c.type, c.bytes);
        EXPECT_EQ(Get(), c.path) << c.bytes.size();
    }
    folders.userName.reset();
    EXPECT_EQ(Get(), kPictures);
    folders.myPictures.reset();
    EXPECT_EQ(Get(), u"C:\\");
}

// A refused path never costs the user the folder already stored.
TEST_F(ImageFolderSettingsTest, SetReplacesTheFolderOrKeepsTheOldOne) {
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"D:\\Keep"));
    EXPECT_FALSE(SetImageFolderPath(registry, folders, nullptr));
    EXPECT_FALSE(SetImageFolderPath(registry, folders, std::u16string(260, u'x').c_str()));
    registry.Refuse(kUser, kKey, MemoryRegistry::Refusal::DeleteValue);
    EXPECT_FALSE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored(), SzBytes(u"D:\\Keep"));

    registry = MemoryRegistry();  // an unacceptable old value is overwritten, not deleted
    registry.PutValue(kUser, kKey, u"Alice", reg::kBinary, "junk");
    registry.Refuse(kUser, kKey, MemoryRegistry::Refusal::DeleteValue);
    EXPECT_TRUE(SetImageFolderPath(registry, folders, u"E:\\New"));
    EXPECT_EQ(Stored(), SzBytes(u"E:\\New"));
}

}  // namespace
