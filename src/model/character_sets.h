#pragma once

#include <array>
#include <optional>

#include "model/edition.h"

namespace rw {

// The letter sets of both editions: which character each slot of a glyph block stands for. A set
// is a few runs of consecutive code points; its slots are numbered through the runs. Every other
// fact about slots (how many a block has, how many a set fills, where Ё and Є sit, the
// character a slot shows) is read from this one table.
struct CodeRun {
    char32_t first = 0;
    int count = 0;
};

struct LetterSet {
    std::array<CodeRun, 4> runs{};

    constexpr int size() const {
        int n = 0;
        for (const CodeRun& run : runs) n += run.count;
        return n;
    }
    // The character of a slot; empty past the set's last character.
    constexpr std::optional<char32_t> At(int slot) const {
        if (slot < 0) return std::nullopt;
        for (const CodeRun& run : runs) {
            if (slot < run.count) return run.first + static_cast<char32_t>(slot);
            slot -= run.count;
        }
        return std::nullopt;
    }
};

struct EditionSets {
    int set_count = 0;
    std::array<LetterSet, 4> sets{};
    // Slots whose characters the 35-series phones lack (Ё and Є, both cases); -1 for none.
    std::array<int, 2> yo_ye_slots{-1, -1};
};

constexpr LetterSet Runs(CodeRun a, CodeRun b = {}, CodeRun c = {}, CodeRun d = {}) {
    return LetterSet{{a, b, c, d}};
}

// By Edition. Cyrillic: upper and lower case, А..Е, Ё, Ж..Я, Є (Ё between Е and Ж, Є closing
// the set). Latin: A..Z, a..z; symbol set 1 is ASCII 0x21..0x40 then 0x5B..0x5F; symbol set 2
// is 0x60, 0x7B..0x7E and U+00A1..U+00BF.
inline constexpr EditionSets kEditionSets[] = {
    {2,
     {Runs({U'\u0410', 6}, {U'\u0401', 1}, {U'\u0416', 26}, {U'\u0404', 1}),
      Runs({U'\u0430', 6}, {U'\u0451', 1}, {U'\u0436', 26}, {U'\u0454', 1})},
     {6, 33}},
    {4,
     {Runs({U'A', 26}), Runs({U'a', 26}), Runs({U'\u0021', 32}, {U'\u005B', 5}),
      Runs({U'\u0060', 1}, {U'\u007B', 4}, {U'\u00A1', 31})},
     {-1, -1}},
};

constexpr const EditionSets& SetsOf(Edition e) {
    return kEditionSets[static_cast<int>(e)];
}

// Letter sets: Cyrillic 0 upper, 1 lower; Latin 0 A..Z, 1 a..z, 2 symbol set 1, 3 symbol set 2.
constexpr int SetCount(Edition e) {
    return SetsOf(e).set_count;
}

// Slots of every glyph block: the largest set of the edition (Cyrillic 34, Latin 37).
constexpr int SlotCount(Edition e) {
    int largest = 0;
    for (int set = 0; set < SetCount(e); ++set) {
        if (SetsOf(e).sets[set].size() > largest) largest = SetsOf(e).sets[set].size();
    }
    return largest;
}

// A block per set and weight; the bold block of a set lies BoldStep blocks after its normal one.
constexpr int BoldStep(Edition e) {
    return SetCount(e);
}
constexpr int BlockCount(Edition e) {
    return 2 * SetCount(e);
}

// Storage sized for the larger edition.
constexpr int kMaxSlots = SlotCount(Edition::Latin);
constexpr int kMaxBlocks = BlockCount(Edition::Latin);

// The characters a set holds (Latin letters 26, symbol sets 37 and 36, Cyrillic sets 34); 0 for a
// set the edition lacks.
constexpr int SetSize(Edition e, int set) {
    return set >= 0 && set < SetCount(e) ? SetsOf(e).sets[set].size() : 0;
}

// The Unicode character a slot of a letter set stands for; empty for a slot without a character
// (Latin letter sets past Z, a set the edition lacks).
constexpr std::optional<char32_t> CodePoint(Edition e, int set, int slot) {
    if (set < 0 || set >= SetCount(e)) return std::nullopt;
    return SetsOf(e).sets[set].At(slot);
}

constexpr bool SlotHasCharacter(Edition e, int set, int slot) {
    return CodePoint(e, set, slot).has_value();
}

// Whether a slot holds Ё or Є (either case), which the 35-series phones lack.
constexpr bool IsYoOrYeSlot(Edition e, int slot) {
    return slot == SetsOf(e).yo_ye_slots[0] || slot == SetsOf(e).yo_ye_slots[1];
}

// Where a character lives: its set and slot.
struct SetSlot {
    int set = 0;
    int slot = 0;
    friend constexpr bool operator==(SetSlot, SetSlot) = default;
};

// The set and slot of a character; empty when no slot of the edition holds it.
constexpr std::optional<SetSlot> SlotOfCodePoint(Edition e, char32_t code) {
    for (int set = 0; set < SetCount(e); ++set) {
        int slot = 0;
        for (const CodeRun& run : SetsOf(e).sets[set].runs) {
            if (code >= run.first && code < run.first + static_cast<char32_t>(run.count)) {
                return SetSlot{set, slot + static_cast<int>(code - run.first)};
            }
            slot += run.count;
        }
    }
    return std::nullopt;
}

static_assert(SlotCount(Edition::Cyrillic) == 34 && SlotCount(Edition::Latin) == 37);
static_assert(IsYoOrYeSlot(Edition::Cyrillic, 6) && CodePoint(Edition::Cyrillic, 0, 33) == U'Є');

}  // namespace rw
