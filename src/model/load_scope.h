#pragma once

#include <cstdint>
#include <iterator>

#include "model/block_set.h"
#include "model/edition.h"

namespace rw {

// Which part of the font a load replaces: the tag of the item of "Параметры загрузки ..." last
// chosen. Saves ignore it and always write the whole font.
enum class LoadScope : int8_t {
    UpperNormal = 0,
    LowerNormal = 1,
    UpperBold = 2,
    LowerBold = 3,
    Normal = 4,
    Bold = 5,
    WholeFont = 6,
    SymbolsNormal = 7,  // the Latin edition's symbol sets, normal and bold
    SymbolsBold = 8,
    Letters = 9,  // Latin: A-Z and a-z of both weights
    Symbols = 10,
};

// One load scope: the blocks it loads in each edition (none: the edition lacks it) and whether it
// reads only bold glyphs (disabled for a font with one weight).
struct LoadScopeRow {
    LoadScope scope;
    BlockSet cyrillic_blocks;
    BlockSet latin_blocks;
    bool bold_only;
};

// By tag. The captions are the texts' LoadScope rows, in the same order.
inline constexpr LoadScopeRow kLoadScopes[] = {
    {LoadScope::UpperNormal, {0}, {0}, false},
    {LoadScope::LowerNormal, {1}, {1}, false},
    {LoadScope::UpperBold, {2}, {4}, true},
    {LoadScope::LowerBold, {3}, {5}, true},
    {LoadScope::Normal, {0, 1}, {0, 1, 2, 3}, false},
    {LoadScope::Bold, {2, 3}, {4, 5, 6, 7}, true},
    {LoadScope::WholeFont, {0, 1, 2, 3}, {0, 1, 2, 3, 4, 5, 6, 7}, false},
    {LoadScope::SymbolsNormal, {}, {2, 3}, false},
    {LoadScope::SymbolsBold, {}, {6, 7}, true},
    {LoadScope::Letters, {}, {0, 1, 4, 5}, false},
    {LoadScope::Symbols, {}, {2, 3, 6, 7}, false},
};
inline constexpr int kLoadScopeCount = static_cast<int>(std::size(kLoadScopes));

constexpr int TagOf(LoadScope scope) {
    return static_cast<int>(scope);
}
constexpr bool IsLoadScopeTag(int tag) {
    return tag >= 0 && tag < kLoadScopeCount;
}
// The edition's menu has this item.
constexpr bool HasLoadScope(Edition edition, LoadScope scope) {
    if (!IsLoadScopeTag(TagOf(scope))) return false;
    const LoadScopeRow& row = kLoadScopes[TagOf(scope)];
    return (edition == Edition::Latin ? row.latin_blocks : row.cyrillic_blocks).bits() != 0;
}

// The highest tag of an edition (Cyrillic 6, Latin 10).
constexpr int MaxLoadScope(Edition edition) {
    int highest = -1;
    for (const LoadScopeRow& row : kLoadScopes) {
        if (HasLoadScope(edition, row.scope)) highest = TagOf(row.scope);
    }
    return highest;
}

// The glyph blocks a load with this scope replaces; an empty set for a scope the edition lacks.
constexpr BlockSet ScopeBlocks(LoadScope scope, Edition edition) {
    if (!HasLoadScope(edition, scope)) return {};
    const LoadScopeRow& row = kLoadScopes[TagOf(scope)];
    return edition == Edition::Latin ? row.latin_blocks : row.cyrillic_blocks;
}

constexpr bool EveryScopeAtItsTag() {
    for (int tag = 0; tag < kLoadScopeCount; ++tag) {
        if (TagOf(kLoadScopes[tag].scope) != tag) return false;
    }
    return true;
}
static_assert(EveryScopeAtItsTag());
static_assert(MaxLoadScope(Edition::Cyrillic) == 6 && MaxLoadScope(Edition::Latin) == 10);

}  // namespace rw
