#include "patch/font_effect.h"

#include "patch/byte_ranges.h"

namespace rw {

FontEffect EffectOnFont(std::vector<ByteRange> written, Edition edition, const FontLayout& layout) {
    written = MergeRanges(std::move(written));
    FontEffect effect;
    const int payload = RecordPayloadLength(layout);
    int64_t inside = 0;
    // The records of a layout never overlap, so their covered bytes add up.
    for (const FlashRecord& record : RecordsToWrite(edition, layout)) {
        const int64_t covered =
            CoveredLength(written, {record.position, record.position + payload});
        if (covered == 0) continue;
        effect.glyphs.push_back(record.glyph);
        inside += covered;
    }
    effect.bytes_outside = TotalLength(written) - inside;
    return effect;
}

}  // namespace rw
