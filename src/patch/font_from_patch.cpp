#include "patch/font_from_patch.h"

#include <algorithm>

#include "io/flash_codec.h"
#include "io/identify_messages.h"
#include "io/rollback_journal.h"
#include "patch/byte_ranges.h"
#include "patch/patch_apply.h"

namespace rw {
namespace {

// The record payloads as the writes leave them: each write's bytes that fall into a record, in
// the writes' order, so a later write wins where two overlap.
void Overwrite(const std::vector<JournalEntry>& writes, const std::vector<FlashRecord>& records,
               int payload, std::vector<uint8_t>& payloads) {
    for (const JournalEntry& w : writes) {
        const int64_t w_end = w.position + static_cast<int64_t>(w.bytes.size());
        for (size_t i = 0; i < records.size(); ++i) {
            const int64_t begin = std::max(w.position, records[i].position);
            const int64_t end = std::min(w_end, records[i].position + payload);
            for (int64_t at = begin; at < end; ++at) {
                payloads[i * payload + static_cast<size_t>(at - records[i].position)] =
                    w.bytes[static_cast<size_t>(at - w.position)];
            }
        }
    }
}

}  // namespace

Status ReadFontThroughPatch(const std::string& flash, const Patch& patch, const FontPlace& place,
                            BlockSet blocks, const FontImage& font, PatchedFont* result,
                            FileSystem& fs) {
    const std::vector<FlashRecord> records = RecordsToRead(place.edition, place.layout, blocks);
    // The records and the patch's bytes in one look under the lock, so both come from the same
    // state of the dump.
    File image(fs, flash);
    LoadStamp stamp;
    Status opened = OpenImageForLoad(fs, image, &stamp);
    if (!opened.ok()) return opened;
    std::vector<uint8_t> payloads;
    int64_t size = 0;
    ImageExcerpt bytes;
    Status status =
        ReadRecordBytes(image, place.layout, records, /*for_save=*/false, &payloads, &size);
    if (status.ok()) status = ReadPatchFootprint(image, patch, size, &bytes);
    if (status.ok()) status = FinishLoad(fs, image, stamp);
    PatchOutcome outcome;
    if (status.ok()) status = PlanPatch(patch, {}, &bytes, &outcome);
    if (!status.ok()) return status.WithNote(opened.note());

    PatchedFont read{font, font,
                     EffectOnFont(RangesOf(outcome.writes), place.edition, place.layout)};
    DecodeRecords(records, place.edition, place.layout, payloads, read.unpatched);
    Overwrite(outcome.writes, records, RecordPayloadLength(place.layout), payloads);
    DecodeRecords(records, place.edition, place.layout, payloads, read.patched);
    *result = std::move(read);
    return opened;
}

std::vector<Message> DescribePatchImport(const FontEffect& effect, LayoutId layout) {
    if (effect.glyphs.empty()) return {{MessageId::PatchLeavesFont, {LayoutName(layout)}}};
    std::vector<Message> said = {
        {MessageId::PatchChangesGlyphs, {std::to_string(effect.glyphs.size())}}};
    if (effect.bytes_outside > 0) {
        said.push_back(
            {MessageId::PatchChangesBytesOutside, {std::to_string(effect.bytes_outside)}});
    }
    return said;
}

std::string PatchNameFor(const std::string& flash) {
    return WithExtension(flash, ".vkp");
}

}  // namespace rw
