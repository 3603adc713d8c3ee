#pragma once
// The registry script of the applet's registration: the subset of the
// registrar's syntax that the script resource uses.  Roots (HKCR, HKCU, HKLM
// and their long names) hold keys; a key may carry NoRemove, ForceRemove or
// Delete, a default value (= s 'text'), named values (val Name = s 'text')
// and subkeys in braces.  Names and texts are bare words or quoted with
// single quotes ('' is a quote); %NAME% takes a replacement, %% is a percent.
// Parsing is a pure function of the text, so malformed scripts are refused
// before anything is written.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IRegistry.h"

struct ScriptKey {
    enum class Flag { None, NoRemove, ForceRemove, Delete };
    Flag flag = Flag::None;
    std::u16string name;
    std::optional<std::u16string> defaultValue;
    std::vector<std::pair<std::u16string, std::u16string>> values;  // name, text
    std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
    RegistryRoot root;
    std::vector<ScriptKey> keys;
};

using RegistryScript = std::vector<ScriptRoot>;
using ScriptReplacements = std::map<std::u16string, std::u16string>;

// None when the text is not a well-formed script of this subset, or names a
// replacement that is not given.
std::optional<RegistryScript> ParseRegistryScript(std::u16string_view text,
                                                  const ScriptReplacements& replacements);

// HRESULTs of applying a script.
inline constexpr long kScriptMalformed = static_cast<long>(0x80020009);    // DISP_E_EXCEPTION
// A module without its script (or with one that names no key) would register
// nothing and say it had: ERROR_RESOURCE_DATA_NOT_FOUND.
inline constexpr long kScriptMissing = static_cast<long>(0x80070714);
// A refused registry operation gives its own error (access denied reads as
// access denied): HRESULT_FROM_WIN32.
long RegistryResult(long win32Error);

// Registering creates the keys and writes the values; a failure undoes what
// was done by unregistering the script.  Unregistering deletes every key not
// marked NoRemove, with its subkeys, and the named values of the NoRemove
// keys; keys that are not there are no failure.  Returns S_OK or the failure.
long ApplyRegistryScript(IRegistry& registry, const RegistryScript& script, bool registering);

// The script text as the module carries it: refused when it is missing,
// empty or malformed, else applied.
long ApplyRegistrationScript(IRegistry& registry, std::u16string_view text,
                             const ScriptReplacements& replacements, bool registering);
