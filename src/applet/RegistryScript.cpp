#include "applet/RegistryScript.h"

#include <algorithm>
#include <cstddef>

#include "base/CaseFold.h"
#include "settings/RegKey.h"

namespace {

// Nesting deeper than any real script is refused rather than recursed into.
constexpr int kMaxDepth = 32;

std::optional<std::u16string> Substitute(std::u16string_view text, const ScriptReplacements& replacements) {
    std::u16string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != u'%') {
            out += text[at];
            continue;
        }
        std::size_t end = text.find(u'%', at + 1);
        if (end == std::u16string_view::npos) return std::nullopt;
        std::u16string name(text.substr(at + 1, end - at - 1));
        if (name.empty()) {
            out += u'%';
        } else {
            auto found = replacements.find(name);
            if (found == replacements.end()) return std::nullopt;
            out += found->second;
        }
        at = end;
    }
    return out;
}

struct Token {
    std::u16string text;
    bool quoted = false;
    bool Is(std::u16string_view word) const { return !quoted && EqualIgnoringCase(text, word); }
    bool IsPunctuation() const { return !quoted && (text == u"{" || text == u"}" || text == u"="); }
};

std::optional<std::vector<Token>> Tokenize(std::u16string_view text) {
    std::vector<Token> tokens;
    auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    for (std::size_t at = 0; at < text.size();) {
        char16_t c = text[at];
        if (isSpace(c)) {
            ++at;
        } else if (c == u'{' || c == u'}' || c == u'=') {
            tokens.push_back({std::u16string(1, c)});
            ++at;
        } else if (c == u'\'') {
            Token token{{}, true};
            for (++at;; ++at) {
                if (at >= text.size()) return std::nullopt;  // unterminated
                if (text[at] == u'\'') {
                    if (at + 1 < text.size() && text[at + 1] == u'\'') {
                        token.text += u'\'';
                        ++at;
                        continue;
                    }
                    ++at;
                    break;
                }
                token.text += text[at];
            }
            tokens.push_back(std::move(token));
        } else {
            std::size_t start = at;
            while (at < text.size() && !isSpace(text[at]) && text[at] != u'{' && text[at] != u'}' &&
                   text[at] != u'=' && text[at] != u'\'')
                ++at;
            tokens.push_back({std::u16string(text.substr(start, at - start))});
        }
    }
    return tokens;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::optional<RegistryScript> Script() {
        RegistryScript script;
        while (!AtEnd()) {
            auto root = Root();
            if (!root || !Expect(u"{")) return std::nullopt;
            ScriptRoot entry{*root, {}};
            while (!Peek().Is(u"}")) {
                auto key = Key(1);
                if (!key) return std::nullopt;
                entry.keys.push_back(std::move(*key));
            }
            Next();
            script.push_back(std::move(entry));
        }
        return script;
    }

private:
    bool AtEnd() const { return at_ >= tokens_.size(); }
    const Token& Peek() const {
        static const Token end{};
        return AtEnd() ? end : tokens_[at_];
    }
    const Token& Next() {
        const Token& token = Peek();
        if (!AtEnd()) ++at_;
        return token;
    }
    bool Expect(std::u16string_view word) {
        if (!Peek().Is(word) || AtEnd()) return false;
        ++at_;
        return true;
    }

    std::optional<RegistryRoot> Root() {
        const Token& token = Next();
        if (token.Is(u"HKCR") || token.Is(u"HKEY_CLASSES_ROOT")) return RegistryRoot::ClassesRoot;
        if (token.Is(u"HKCU") || token.Is(u"HKEY_CURRENT_USER")) return RegistryRoot::CurrentUser;
        if (token.Is(u"HKLM") || token.Is(u"HKEY_LOCAL_MACHINE")) return RegistryRoot::LocalMachine;
        return std::nullopt;
    }

    std::optional<std::u16string> Name() {
        if (AtEnd() || Peek().IsPunctuation() || Peek().text.empty()) return std::nullopt;
        return Next().text;
    }

    // "s 'text'": the only value type this subset knows.
    std::optional<std::u16string> Value() {
        if (!Expect(u"=") || !Next().Is(u"s") || AtEnd() || !Peek().quoted) return std::nullopt;
        return Next().text;
    }

    std::optional<ScriptKey> Key(int depth) {
        if (depth > kMaxDepth) return std::nullopt;
        ScriptKey key;
        if (Peek().Is(u"NoRemove")) key.flag = ScriptKey::Flag::NoRemove;
        else if (Peek().Is(u"ForceRemove")) key.flag = ScriptKey::Flag::ForceRemove;
        else if (Peek().Is(u"Delete")) key.flag = ScriptKey::Flag::Delete;
        if (key.flag != ScriptKey::Flag::None) Next();
        auto name = Name();
        if (!name) return std::nullopt;
        key.name = std::move(*name);
        if (Peek().Is(u"=")) {
            key.defaultValue = Value();
            if (!key.defaultValue) return std::nullopt;
        }
        if (!Peek().Is(u"{")) return key;
        Next();
        while (!Peek().Is(u"}")) {
            if (AtEnd()) return std::nullopt;
            if (Peek().Is(u"val")) {
                Next();
                auto valueName = Name();
                auto text = valueName ? Value() : std::nullopt;
                if (!text) return std::nullopt;
                key.values.emplace_back(std::move(*valueName), std::move(*text));
                continue;
            }
            auto subkey = Key(depth + 1);
            if (!subkey) return std::nullopt;
            key.subkeys.push_back(std::move(*subkey));
        }
        Next();
        return key;
    }

    std::vector<Token> tokens_;
    std::size_t at_ = 0;
};

std::u16string Child(const std::u16string& parent, const std::u16string& name) {
    return parent.empty() ? name : parent + u"\\" + name;
}

long Register(IRegistry& registry, RegistryRoot root, const std::u16string& parent, const ScriptKey& key) {
    const std::u16string path = Child(parent, key.name);
    if (key.flag == ScriptKey::Flag::Delete || key.flag == ScriptKey::Flag::ForceRemove) {
        long deleted = registry.DeleteTree(root, path.c_str());
        if (deleted != reg::kSuccess && deleted != reg::kFileNotFound) return RegistryResult(deleted);
        if (key.flag == ScriptKey::Flag::Delete) return 0;
    }
    {
        RegKey opened(registry);
        if (!opened.Create(root, path.c_str(), reg::kReadWrite)) return RegistryResult(opened.LastResult());
        if (key.defaultValue && !opened.WriteString(nullptr, *key.defaultValue))
            return RegistryResult(opened.LastResult());
        for (const auto& [name, text] : key.values)
            if (!opened.WriteString(name.c_str(), text)) return RegistryResult(opened.LastResult());
    }
    for (const ScriptKey& subkey : key.subkeys)
        if (long result = Register(registry, root, path, subkey); result != 0) return result;
    return 0;
}

long Unregister(IRegistry& registry, RegistryRoot root, const std::u16string& parent, const ScriptKey& key) {
    const std::u16string path = Child(parent, key.name);
    if (key.flag == ScriptKey::Flag::Delete) return 0;
    if (key.flag != ScriptKey::Flag::NoRemove) {
        long deleted = registry.DeleteTree(root, path.c_str());
        return deleted == reg::kSuccess || deleted == reg::kFileNotFound ? 0 : RegistryResult(deleted);
    }
    long result = 0;
    for (const ScriptKey& subkey : key.subkeys)
        if (long failed = Unregister(registry, root, path, subkey); failed != 0) result = failed;
    // The kept key loses the script's values; one that is not there (or a
    // key that is not) was never written, but a refusal is reported.
    if (key.values.empty()) return result;
    RegKey kept(registry);
    if (!kept.Open(root, path.c_str(), reg::kReadWrite))
        return kept.LastResult() == reg::kFileNotFound ? result : RegistryResult(kept.LastResult());
    for (const auto& value : key.values)
        if (!kept.DeleteValue(value.first.c_str()) && kept.LastResult() != reg::kFileNotFound)
            result = RegistryResult(kept.LastResult());
    return result;
}

}  // namespace

long RegistryResult(long win32Error) {
    return win32Error == 0 ? 0 : static_cast<long>(0x80070000u | (static_cast<unsigned long>(win32Error) & 0xFFFF));
}

std::optional<RegistryScript> ParseRegistryScript(std::u16string_view text,
                                                  const ScriptReplacements& replacements) {
    auto substituted = Substitute(text, replacements);
    auto tokens = substituted ? Tokenize(*substituted) : std::nullopt;
    if (!tokens) return std::nullopt;
    return Parser(std::move(*tokens)).Script();
}

long ApplyRegistryScript(IRegistry& registry, const RegistryScript& script, bool registering) {
    long result = 0;
    for (const ScriptRoot& root : script) {
        for (const ScriptKey& key : root.keys) {
            long step = registering ? Register(registry, root.root, u"", key) : Unregister(registry, root.root, u"", key);
            if (step != 0 && result == 0) result = step;
            if (step != 0 && registering) break;
        }
        if (result != 0 && registering) break;
    }
    // A registration that failed half-way is taken back as far as it went.
    if (result != 0 && registering) ApplyRegistryScript(registry, script, false);
    return result;
}

long ApplyRegistrationScript(IRegistry& registry, std::u16string_view text,
                             const ScriptReplacements& replacements, bool registering) {
    auto script = ParseRegistryScript(text, replacements);
    if (!script) return kScriptMalformed;
    bool namesAKey =
        std::any_of(script->begin(), script->end(), [](const ScriptRoot& root) { return !root.keys.empty(); });
    return namesAKey ? ApplyRegistryScript(registry, *script, registering) : kScriptMissing;
}
