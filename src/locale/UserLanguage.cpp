#include "locale/UserLanguage.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/FixedText.h"
#include "settings/RegKey.h"
#include "settings/SettingsSchema.h"

namespace {

// Copies what fits and terminates; nothing at all for no room.
void WriteTerminated(std::u16string_view text, char16_t* destination, std::size_t capacity) {
    if (capacity == 0) return;
    std::size_t units = std::min(text.size(), capacity - 1);
    std::copy_n(text.data(), units, destination);
    destination[units] = u'\0';
}

}  // namespace

void GetDefaultUserLang(IRegistry& registry, char16_t* destination, std::size_t capacity) {
    // The stored data must be empty or a terminated text of at most 60 bytes;
    // a value of 0 bytes is no tag.
    static constexpr StringReadRules kTagRules{.bufferBytes = schema::kDefaultUserLangReadBytes,
                                               .terminatorRequired = true,
                                               .emptyAccepted = false};
    std::optional<std::u16string> tag;
    RegKey key(registry);
    if (key.Open(RegistryRoot::CurrentUser, schema::kLanguageKey, reg::kRead))
        tag = key.ReadString(schema::kDefaultUserLang, kTagRules);

    // A tag cut to the caller's buffer would be a tag nobody configured, and
    // the message box and the help reader would each see a different one.
    if (tag && tag->size() < capacity)
        WriteTerminated(*tag, destination, capacity);
    else
        WriteTerminated(schema::kDefaultUserLangFallback, destination, capacity);
}

unsigned MessageBoxFlagsForUserLanguage(IRegistry& registry, unsigned flags) {
    FixedText<kMessageBoxTagUnits> tag;
    GetDefaultUserLang(registry, tag.data(), tag.capacity());
    std::u16string_view text = tag.view();
    if (text.find(u"ar-SA") != std::u16string_view::npos ||
        text.find(u"he-IL") != std::u16string_view::npos)
        flags |= kRightToLeftMessageBox;
    return flags;
}
