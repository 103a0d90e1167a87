#pragma once

#include "model/block_set.h"
#include "model/edition.h"

namespace rw {

constexpr int kWholeFontScope = 6;

// Highest LoadScope value of an edition: the Latin edition adds the symbol-set scopes 7..10.
constexpr int MaxLoadScope(Edition e) {
    return e == Edition::Latin ? 10 : 6;
}

// The glyph blocks a load with this scope replaces; an empty set for a value the edition lacks.
BlockSet ScopeBlocks(int scope, Edition edition);

}  // namespace rw
