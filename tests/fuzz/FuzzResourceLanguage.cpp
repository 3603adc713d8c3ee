// The choice of the resource language on any system answers: language
// identifiers, ISO names, the applet's path and the ResourceLocale value
// come from the input.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FakeEnvironment.h"
#include "FakeLocalePlatform.h"
#include "locale/ResourceLanguage.h"

namespace {

// Reads what the input holds, and zeros once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::u16string Text() {
        std::u16string text(Byte(), u'\0');
        for (char16_t& unit : text) unit = Word();
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    FakeLanguagePlatform platform;
    MemoryRegistry registry;
    platform.userUi = input.Word();
    platform.systemUi = input.Byte() & 1 ? std::optional<LangId>(input.Word()) : std::nullopt;
    platform.win9x = input.Byte() & 1;
    platform.userDefault = input.Word();
    platform.hostTranslation = input.Word();
    platform.appletPath = Text260(input.Text());
    for (int i = 0; i < 4; ++i) platform.isoNames[input.Word()] = {input.Text(), input.Text()};
    registry.PutValue(RegistryRoot::CurrentUser, u"Control Panel\\Desktop\\ResourceLocale", u"", input.Byte() % 8,
                      std::string(reinterpret_cast<const char*>(data), size));
    CResourceLanguage language(platform, registry);
    language.SelectResourceLanguage();
    for (const auto& path : platform.loadAttempts)
        if (path.size() >= Text260::capacity()) __builtin_trap();
    return 0;
}
