#include "DialogTemplate.h"

#include "ModuleResources.h"

#include <cwctype>
#include <stdexcept>

namespace {

// Reads a dialog template field by field; running past its end throws.
class TemplateReader {
public:
    explicit TemplateReader(std::span<const BYTE> bytes) : bytes_(bytes) {}
    void Skip(size_t count) {
        if (at_ + count > bytes_.size()) throw std::out_of_range("dialog template ends early");
        at_ += count;
    }
    void AlignToDword() { Skip((4 - at_ % 4) % 4); }
    WORD Word() {
        Skip(2);
        return static_cast<WORD>(bytes_[at_ - 2] | bytes_[at_ - 1] << 8);
    }
    short Short() { return static_cast<short>(Word()); }
    DWORD Dword() {
        WORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    // A zero-terminated text, or 0xFFFF and a number that names a resource or
    // a predefined window class instead.
    std::wstring TextOrOrdinal(WORD* ordinal = nullptr) {
        std::wstring text;
        WORD unit = Word();
        if (unit == 0xFFFF) {
            WORD number = Word();
            if (ordinal) *ordinal = number;
            return text;
        }
        for (; unit != 0; unit = Word()) text += static_cast<wchar_t>(unit);
        return text;
    }

private:
    std::span<const BYTE> bytes_;
    size_t at_ = 0;
};

std::wstring ClassName(TemplateReader& reader) {
    static const wchar_t* const kPredefined[] = {
        L"BUTTON", L"EDIT", L"STATIC", L"LISTBOX", L"SCROLLBAR", L"COMBOBOX"};
    WORD ordinal = 0;
    std::wstring name = reader.TextOrOrdinal(&ordinal);
    if (ordinal) return kPredefined[ordinal - 0x80];
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
    return name;
}

}  // namespace

Dialog ReadDialog(std::span<const BYTE> bytes) {
    TemplateReader reader(bytes);
    Dialog dialog{};
    reader.Skip(2);  // template version
    dialog.signature = reader.Word();
    reader.Skip(8);  // help id, extended style
    dialog.style = reader.Dword();
    WORD count = reader.Word();
    reader.Skip(4);  // x, y
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    reader.TextOrOrdinal();  // menu
    reader.TextOrOrdinal();  // window class
    dialog.caption = reader.TextOrOrdinal();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Word();
        reader.Skip(4);  // weight, italic, character set
        dialog.face = reader.TextOrOrdinal();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        DialogItem item{};
        reader.Skip(8);  // help id, extended style
        item.style = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        item.id = static_cast<int>(reader.Dword());
        item.windowClass = ClassName(reader);
        item.text = reader.TextOrOrdinal(&item.iconId);
        reader.Skip(reader.Word());  // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

Dialog DialogResource(HMODULE module, UINT id) {
    auto bytes = ResourceBytes(module, RT_DIALOG, MAKEINTRESOURCEW(id));
    if (bytes.empty()) throw std::out_of_range("no dialog " + std::to_string(id));
    return ReadDialog(bytes);
}
