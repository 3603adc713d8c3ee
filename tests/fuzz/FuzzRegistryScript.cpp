// Registry scripts of any text: parsed, and when they parse, registered and
// unregistered against the in-memory registry.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "MemoryRegistry.h"
#include "SystemValues.h"
#include "applet/RegistryScript.h"
#include "base/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text = Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(data), size));
    auto script = ParseRegistryScript(text, {{u"APPID", sys::kAppId}});
    if (!script) return 0;
    MemoryRegistry registry;
    ApplyRegistryScript(registry, *script, true);
    ApplyRegistryScript(registry, *script, false);
    if (registry.OpenHandleCount() != 0) __builtin_trap();
    return 0;
}
