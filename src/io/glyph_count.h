#pragma once

#include "model/block_set.h"
#include "model/edition.h"

namespace rw {

// How many glyphs with a character these blocks hold: a Cyrillic block 34, a Latin letter block
// 26, symbol set 1 37, symbol set 2 36. The count a font-file load or save reports.
int GlyphsInBlocks(Edition edition, BlockSet blocks);

}  // namespace rw
