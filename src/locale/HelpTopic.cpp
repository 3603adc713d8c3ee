#include "locale/HelpTopic.h"

#include <algorithm>
#include <string_view>

#include "base/AppendWhole.h"
#include "base/FormatText.h"
#include "locale/UserLanguage.h"
#include "settings/SettingsSchema.h"

namespace {

std::u16string_view ViewOf(const char16_t* text) {
    return text ? std::u16string_view(text) : std::u16string_view();
}

// The format comes from the string table: its first "%s" takes the folder.
bool HelpBase(std::u16string_view format, std::u16string_view folder, Text260& base) {
    return AppendWhole(base, {WithArgument(format, folder)});
}

// The tag comes from the user's registry and becomes part of a path the
// shell opens: only a tag of letters, digits and '-' names a folder, so that
// "..\x" or a path cannot lead out of the help folder.
bool LooksLikeLanguageTag(std::u16string_view tag) {
    return std::all_of(tag.begin(), tag.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

}  // namespace

int OpenHelpTopic(IHelpPlatform& platform, IRegistry& registry, const char16_t* topic,
                  const char16_t* folderFormat) {
    auto folder = platform.AppletModulePath();
    if (!folder || !platform.RemoveFileSpec(*folder)) return 0;

    Text260 base;
    if (!HelpBase(ViewOf(folderFormat), folder->view(), base)) return 0;

    // The tag's folder when it exists; the empty tag names HelpFiles itself.
    FixedText<kHelpTagUnits> tag;
    GetDefaultUserLang(registry, tag.data(), tag.capacity());
    Text260 path = base;
    if (!LooksLikeLanguageTag(tag.view()) || !AppendWhole(path, {tag.view()}) ||
        !platform.PathExists(path.c_str())) {
        path = base;
        if (!AppendWhole(path, {schema::kDefaultUserLangFallback})) return 0;
    }

    // A folder that already ends in a separator gets no second one.
    if (!path.view().ends_with(u'\\') && !AppendWhole(path, {u"\\"})) return 0;
    if (!AppendWhole(path, {ViewOf(topic)})) return 0;

    platform.ShellOpen(path.c_str());
    return 1;
}
