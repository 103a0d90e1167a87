#include "edition/letter_sets.h"

#include <cstdio>

#include "edition/utf8.h"

namespace rw {
namespace {

// Latin-1 characters that Windows-1251 holds too, so the window can name them by themselves.
bool SharedWithWindows1251(char32_t code) {
    switch (code) {
        case 0xA4:
        case 0xA6:
        case 0xA7:
        case 0xA9:
        case 0xAB:
        case 0xAC:
        case 0xAD:
        case 0xAE:
        case 0xB0:
        case 0xB1:
        case 0xB5:
        case 0xB6:
        case 0xB7:
        case 0xBB:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string SetHint(Edition edition, int set, int slot) {
    const std::optional<char32_t> code = CodePoint(edition, set, slot);
    if (!code) return {};
    // Labels take a single & as an accelerator prefix.
    if (*code == U'&') return "&&";
    // The window's texts were Windows-1251: a symbol it cannot hold goes by its code.
    if (*code < 0x80 || *code > 0xFF || SharedWithWindows1251(*code)) return EncodeUtf8(*code);
    char name[24];
    std::snprintf(name, sizeof name, "Unicode Char 00%02X", static_cast<unsigned>(*code));
    return name;
}

std::string DisplayText(std::string_view held) {
    std::string shown;
    shown.reserve(held.size());
    for (size_t i = 0; i < held.size(); ++i) {
        shown += held[i];
        if (held[i] == '&' && i + 1 < held.size() && held[i + 1] == '&') ++i;
    }
    return shown;
}

std::string LetterLabelText(Edition edition, std::string_view hint) {
    if (edition == Edition::Latin && hint.substr(0, 7) == "Unicode") return "·";
    return DisplayText(hint);
}

}  // namespace rw
