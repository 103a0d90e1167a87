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

// One item of the load-scope menu: its object name, the blocks it loads in each edition, whether
// it reads only bold glyphs (disabled for a font with one weight), its place in each edition's
// menu (-1: not there) and the separator that stands before it.
struct LoadScopeRow {
    LoadScope scope;
    const char* item;
    BlockSet cyrillic_blocks;
    BlockSet latin_blocks;
    bool bold_only;
    int8_t cyrillic_position;
    int8_t latin_position;
    const char* separator_before;
};

// By tag. The captions are the texts' LoadScope rows, in the same order.
inline constexpr LoadScopeRow kLoadScopes[] = {
    {LoadScope::UpperNormal, "N19", {0}, {0}, false, 0, 0, nullptr},
    {LoadScope::LowerNormal, "N20", {1}, {1}, false, 1, 1, nullptr},
    {LoadScope::UpperBold, "N21", {2}, {4}, true, 2, 3, nullptr},
    {LoadScope::LowerBold, "N22", {3}, {5}, true, 3, 4, nullptr},
    {LoadScope::Normal, "N27", {0, 1}, {0, 1, 2, 3}, false, 4, 6, "N25"},
    {LoadScope::Bold, "N28", {2, 3}, {4, 5, 6, 7}, true, 5, 7, nullptr},
    {LoadScope::WholeFont, "N24", {0, 1, 2, 3}, {0, 1, 2, 3, 4, 5, 6, 7}, false, 6, 10, "N26"},
    {LoadScope::SymbolsNormal, "Sym11", {}, {2, 3}, false, -1, 2, nullptr},
    {LoadScope::SymbolsBold, "Sym12", {}, {6, 7}, true, -1, 5, nullptr},
    {LoadScope::Letters, "AZaz1", {}, {0, 1, 4, 5}, false, -1, 8, nullptr},
    {LoadScope::Symbols, "Symbols1", {}, {2, 3, 6, 7}, false, -1, 9, nullptr},
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
    return (edition == Edition::Latin ? row.latin_position : row.cyrillic_position) >= 0;
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
