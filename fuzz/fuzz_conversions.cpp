// The two .sft conversions from files of any length and with any scope.
#include <cstdlib>
#include <vector>

#include "io/memory_file_system.h"
#include "io/sft_conversion.h"
#include "model/load_scope.h"

using namespace rw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool bold = data[0] & 0x80;
    const LoadScope scope{static_cast<int8_t>(data[0] % 7)};
    MemoryFileSystem fs;
    fs.Put("in.sft", std::vector<uint8_t>(data + 1, data + size));
    FontImage font;
    for (auto& block : font.wide)
        for (auto& g : block) g.fill(0xFFFF);
    const FontImage before = font;
    const BlockSet blocks = ScopeBlocks(scope, Edition::Cyrillic);
    const Status s = bold ? LoadBoldSftAsSbf("in.sft", blocks, font, fs)
                          : LoadThinSftAsSbf("in.sft", blocks, font, fs);
    if (size - 1 < 1768) {
        if (s.ok() || !(font == before)) std::abort();
        return 0;
    }
    if (!s.ok()) std::abort();
    // Rows 13..15 survive, the right half of every converted row is clear.
    for (int b = 0; b < 4; ++b) {
        for (int slot = 0; slot < 34; ++slot) {
            const WideGlyph& g = font.wide[b][slot];
            if (g[13] != 0xFFFF || g[14] != 0xFFFF || g[15] != 0xFFFF) std::abort();
            for (int r = 1; r <= 12; ++r)
                if (g[r] & 0xFF) std::abort();
        }
    }
    return 0;
}
