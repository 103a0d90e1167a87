#include "edition/letter_sets.h"

#include <array>
#include <cstdio>

#include "edition/utf8.h"

namespace rw {
namespace {

constexpr int kCyrillicSlots = 34;
constexpr int kLatinLetters = 26;

// Ё sits between Е and Ж; Є closes the set.
constexpr std::array<const char*, kCyrillicSlots> kUpper = {
    "А", "Б", "В", "Г", "Д", "Е", "Ё", "Ж", "З", "И", "Й", "К", "Л", "М", "Н", "О", "П",
    "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш", "Щ", "Ъ", "Ы", "Ь", "Э", "Ю", "Я", "Є"};
constexpr std::array<const char*, kCyrillicSlots> kLower = {
    "а", "б", "в", "г", "д", "е", "ё", "ж", "з", "и", "й", "к", "л", "м", "н", "о", "п",
    "р", "с", "т", "у", "ф", "х", "ц", "ч", "ш", "щ", "ъ", "ы", "ь", "э", "ю", "я", "є"};

// Symbol set 1: printable ASCII 0x21..0x40, then 0x5B..0x5F.
char SymbolSet1Char(int slot) {
    return static_cast<char>(slot < 32 ? 0x21 + slot : 0x5B + slot - 32);
}

// Symbol set 2: 0x60, 0x7B..0x7E, then U+00A1..U+00BF.
int SymbolSet2CodePoint(int slot) {
    if (slot == 0) return 0x60;
    if (slot < 5) return 0x7B + slot - 1;
    return 0xA1 + slot - 5;
}

// Latin-1 characters that Windows-1251 holds too, so the window can name them by themselves.
bool SharedWithWindows1251(int code) {
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

std::string SymbolSet2Hint(int slot) {
    const int code = SymbolSet2CodePoint(slot);
    if (code < 0x80 || SharedWithWindows1251(code)) return EncodeUtf8(static_cast<char32_t>(code));
    char name[24];
    std::snprintf(name, sizeof name, "Unicode Char 00%02X", code);
    return name;
}

std::string LatinHint(int set, int slot) {
    switch (set) {
        case 0:
            return std::string(1, static_cast<char>('A' + slot));
        case 1:
            return std::string(1, static_cast<char>('a' + slot));
        case 2: {
            const char c = SymbolSet1Char(slot);
            // Labels take a single & as an accelerator prefix.
            return c == '&' ? "&&" : std::string(1, c);
        }
        default:
            return SymbolSet2Hint(slot);
    }
}

}  // namespace

bool SlotHasCharacter(Edition edition, int set, int slot) {
    if (set < 0 || set >= SetCount(edition) || slot < 0) return false;
    if (edition == Edition::Cyrillic) return slot < kCyrillicSlots;
    switch (set) {
        case 0:
        case 1:
            return slot < kLatinLetters;
        case 2:
            return slot < 37;
        default:
            return slot < 36;
    }
}

std::string SetHint(Edition edition, int set, int slot) {
    if (!SlotHasCharacter(edition, set, slot)) return {};
    if (edition == Edition::Cyrillic) return set == 0 ? kUpper[slot] : kLower[slot];
    return LatinHint(set, slot);
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
