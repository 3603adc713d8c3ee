// The choice of the resource language on any system answers: language
// identifiers, ISO names, the applet's path and the ResourceLocale value
// come from the input.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/ResourceLanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    auto languageId = [&input] { return input.ConsumeIntegral<LangId>(); };
    auto text = [&input] {
        std::u16string text(input.ConsumeIntegral<std::uint8_t>(), u'\0');
        for (char16_t& unit : text) unit = input.ConsumeIntegral<char16_t>();
        return text;
    };
    FakeLanguagePlatform platform;
    platform.userUi = languageId();
    platform.systemUi = input.ConsumeBool() ? std::optional(languageId()) : std::nullopt;
    platform.win9x = input.ConsumeBool();
    platform.userDefault = languageId();
    platform.hostTranslation = languageId();
    platform.appletPath = Text260(text());
    for (int i = 0; i < 4; ++i) platform.isoNames[languageId()] = {text(), text()};
    MemoryRegistry registry;
    registry.PutValue(RegistryRoot::CurrentUser, u"Control Panel\\Desktop\\ResourceLocale", u"",
                      input.ConsumeIntegralInRange<std::uint32_t>(0, 7), input.ConsumeRemainingBytesAsString());
    CResourceLanguage selection(platform, registry);
    selection.SelectResourceLanguage();
    for (const auto& path : platform.loadAttempts)
        if (path.size() >= Text260::capacity()) __builtin_trap();
    return 0;
}
