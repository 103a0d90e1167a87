#include "io/glyph_count.h"

#include "io/flash_codec.h"

namespace rw {

int GlyphsInBlocks(Edition edition, BlockSet blocks) {
    int glyphs = 0;
    for (int block = 0; block < 8; ++block) {
        if (blocks.Contains(block) && (edition == Edition::Latin || block < 4)) {
            glyphs += SlotsWithRecords(edition, block);
        }
    }
    return glyphs;
}

}  // namespace rw
