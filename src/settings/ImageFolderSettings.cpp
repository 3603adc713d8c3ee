#include "settings/ImageFolderSettings.h"

#include <string>
#include <string_view>

#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

// A stored folder is taken only when it is a whole, terminated text that fits
// the 260-unit path buffer; an empty value counts and gives an empty path.
std::optional<std::u16string> ReadStoredFolder(const RegKey& key, const Text260& userName) {
    return key.ReadString(userName.c_str(), {.bufferBytes = schema::kImageFolderReadBytes,
                                             .terminatorRequired = true});
}

}  // namespace

Text260 GetImageFolderPath(IRegistry& registry, IUserFolders& folders) {
    if (auto userName = folders.CurrentUserName()) {
        RegKey key(registry);
        if (key.Open(RegistryRoot::CurrentUser, schema::kImageFolderKey, reg::kReadWrite)) {
            if (auto stored = ReadStoredFolder(key, *userName)) return Text260(*stored);
        }
    }
    if (auto pictures = folders.MyPicturesFolder()) return *pictures;
    return Text260(schema::kImageFolderLastResort);
}

bool SetImageFolderPath(IRegistry& registry, IUserFolders& folders, const char16_t* path) {
    // Checked before anything is touched, so a refused path never costs the
    // user the folder already stored.
    if (!path || std::u16string_view(path).size() >= Text260::capacity()) return false;
    RegKey key(registry);
    if (!key.Create(RegistryRoot::CurrentUser, schema::kImageFolderKey, reg::kReadWrite))
        return false;
    auto userName = folders.CurrentUserName();
    if (!userName) return false;
    if (ReadStoredFolder(key, *userName) && !key.DeleteValue(userName->c_str())) return false;
    return key.WriteString(userName->c_str(), path);
}
