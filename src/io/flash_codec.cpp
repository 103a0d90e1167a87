#include "io/flash_codec.h"

#include "model/load_scope.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <numeric>

#include "io/image_patch.h"
#include "io/rollback_journal.h"

namespace rw {
namespace {

int64_t CyrillicPosition(const FontLayout& layout, GlyphSlot g) {
    const bool bold = g.block >= 2;
    const bool lower = g.block % 2 == 1;
    const int64_t base = bold ? layout.bold_base : layout.normal_base;
    const int64_t r = layout.RecordLength();
    const int64_t l = layout.case_offset;
    // Ё and Є lie before the upper-case run, ё and є after the lower-case run.
    if (g.slot == 6) return lower ? base + 2 * l + r : base - l + 17 * r;
    if (g.slot == 33) return lower ? base + 2 * l + 4 * r : base - l + 20 * r;
    const int64_t letter = g.slot < 6 ? g.slot : g.slot - 1;
    return base + (lower ? l : 0) + letter * r;
}

int64_t LatinPosition(const FontLayout& layout, GlyphSlot g) {
    const LatinWeightPlaces& places = g.block >= 4 ? layout.latin_bold : layout.latin_normal;
    const int set = g.block % 4;
    const int64_t r = layout.RecordLength();
    if (set == 0) return places.upper_base + g.slot * r;
    if (set == 1) return places.lower_base + g.slot * r;
    // Symbols follow one running position through set 1 and then set 2.
    const int glyphs_before = set == 2 ? g.slot : 37 + g.slot;
    int64_t position = places.symbol_base;
    for (int k = 0; k < glyphs_before; ++k) position += places.symbol_gaps[k];
    return position;
}

bool IsBoldBlock(Edition edition, int block) {
    return block >= BoldStep(edition);
}

// Appends the records of one block in slot order. Symbol positions are summed as they go rather
// than from the start for each glyph.
void AppendBlockRecords(Edition edition, const FontLayout& layout, int block,
                        std::vector<FlashRecord>& records) {
    const int slots = SlotsWithRecords(edition, block);
    const bool symbols = edition == Edition::Latin && block % 4 >= 2;
    if (!symbols) {
        for (int slot = 0; slot < slots; ++slot) {
            const GlyphSlot g{block, slot};
            records.push_back({g, RecordPosition(edition, layout, g)});
        }
        return;
    }
    const GlyphSlot first{block, 0};
    int64_t position = RecordPosition(edition, layout, first);
    const LatinWeightPlaces& places = block >= 4 ? layout.latin_bold : layout.latin_normal;
    const int first_gap = block % 4 == 2 ? 0 : 37;
    for (int slot = 0; slot < slots; ++slot) {
        records.push_back({{block, slot}, position});
        position += places.symbol_gaps[first_gap + slot];
    }
}

// Indices of the records in the order of their positions in the image. Sorting plain keys
// (position above, index below) is several times cheaper than sorting through the records.
std::vector<uint32_t> ByPosition(const std::vector<FlashRecord>& records) {
    std::vector<uint64_t> keys(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        keys[i] = static_cast<uint64_t>(records[i].position) << 16 | i;
    }
    std::sort(keys.begin(), keys.end());
    std::vector<uint32_t> order(records.size());
    for (size_t i = 0; i < keys.size(); ++i) order[i] = static_cast<uint32_t>(keys[i] & 0xFFFF);
    return order;
}

std::vector<ByteRange> MergedRanges(const std::vector<FlashRecord>& records,
                                    const std::vector<uint32_t>& order, int payload) {
    std::vector<ByteRange> runs;
    for (uint32_t i : order) {
        const int64_t begin = records[i].position;
        const int64_t end = begin + payload;
        if (!runs.empty() && begin <= runs.back().end + kMergeGap) {
            runs.back().end = std::max(runs.back().end, end);
        } else {
            runs.push_back({begin, end});
        }
    }
    return runs;
}

Status ImageLongEnough(const std::string& path, int64_t size,
                       const std::vector<FlashRecord>& records, const FontLayout& layout,
                       bool for_save) {
    const int64_t required = RequiredImageSize(records, layout);
    bool negative = false;
    for (const FlashRecord& rec : records) negative |= rec.position < 0;
    if (size >= required && !negative) return Status::Ok();
    const MessageId id = for_save ? MessageId::ImageTooShortToSave : MessageId::ImageTooShortToLoad;
    return Status::Failure(path, Message{id, {std::to_string(size), std::to_string(required)}});
}

// Reads the payload of every record into `payloads`, one after the other in the order given,
// with few reads: one when the records lie close together, else merged runs.
Status ReadRecordPayloads(File& file, const std::vector<FlashRecord>& records, int payload,
                          std::vector<uint8_t>* payloads) {
    payloads->resize(records.size() * payload);
    std::vector<uint8_t> buffer;
    // Most fonts lie in one compact stretch of the image: one read of it, no sorting.
    ByteRange span{INT64_MAX, 0};
    for (const FlashRecord& r : records) {
        span.begin = std::min(span.begin, r.position);
        span.end = std::max(span.end, r.position + payload);
    }
    if (records.empty()) return Status::Ok();
    if (span.end - span.begin <= int64_t{2} * payload * static_cast<int64_t>(records.size())) {
        buffer.resize(static_cast<size_t>(span.end - span.begin));
        Status status = file.ReadAt(span.begin, buffer);
        if (!status.ok()) return status;
        for (size_t i = 0; i < records.size(); ++i) {
            std::memcpy(payloads->data() + static_cast<size_t>(i) * payload,
                        buffer.data() + (records[i].position - span.begin), payload);
        }
        return Status::Ok();
    }
    const std::vector<uint32_t> order = ByPosition(records);
    size_t next = 0;
    // The runs come from the same ordering, so records fill them front to back.
    for (const ByteRange& run : MergedRanges(records, order, payload)) {
        buffer.resize(static_cast<size_t>(run.end - run.begin));
        Status status = file.ReadAt(run.begin, buffer);
        if (!status.ok()) return status;
        for (; next < order.size(); ++next) {
            const uint32_t i = order[next];
            const int64_t p = records[i].position;
            if (p + payload > run.end) break;
            std::memcpy(payloads->data() + static_cast<size_t>(i) * payload,
                        buffer.data() + (p - run.begin), payload);
        }
    }
    return Status::Ok();
}

}  // namespace

int SlotsWithRecords(Edition edition, int block) {
    return SetSize(edition, block % BoldStep(edition));
}

int64_t RecordPosition(Edition edition, const FontLayout& layout, GlyphSlot glyph) {
    return edition == Edition::Latin ? LatinPosition(layout, glyph)
                                     : CyrillicPosition(layout, glyph);
}

std::vector<FlashRecord> RecordsToRead(Edition edition, const FontLayout& layout, BlockSet blocks) {
    std::vector<FlashRecord> records;
    records.reserve(static_cast<size_t>(kMaxBlocks) * kMaxSlots);
    for (int block = 0; block < BlockCount(edition); ++block) {
        if (blocks.Contains(block)) AppendBlockRecords(edition, layout, block, records);
    }
    return records;
}

std::vector<FlashRecord> RecordsToWrite(Edition edition, const FontLayout& layout) {
    std::vector<FlashRecord> records;
    for (int block = 0; block < BlockCount(edition); ++block) {
        if (layout.single_weight && IsBoldBlock(edition, block)) continue;
        AppendBlockRecords(edition, layout, block, records);
    }
    if (edition == Edition::Cyrillic && !layout.has_yo_ye) {
        std::erase_if(records,
                      [](const FlashRecord& r) { return r.glyph.slot == 6 || r.glyph.slot == 33; });
    }
    return records;
}

int64_t FirstRecordPosition(Edition edition, const FontLayout& layout) {
    int64_t first = INT64_MAX;
    for (const FlashRecord& r :
         RecordsToRead(edition, layout, ScopeBlocks(LoadScope::WholeFont, edition))) {
        first = std::min(first, r.position);
    }
    return first;
}

int64_t RequiredImageSize(const std::vector<FlashRecord>& records, const FontLayout& layout) {
    int64_t end = 0;
    for (const FlashRecord& rec : records) {
        end = std::max(end, rec.position + RecordPayloadLength(layout));
    }
    return end;
}

std::vector<ByteRange> CoalescedReads(const std::vector<FlashRecord>& records, int payload) {
    return MergedRanges(records, ByPosition(records), payload);
}

uint16_t MaskToWidth(uint16_t row, int width) {
    if (width <= 0) return 0;
    if (width >= 16) return row;
    const int shift = 16 - width;
    return static_cast<uint16_t>((row >> shift) << shift);
}

void DecodeNarrowRecord(const uint8_t* record, int last_row, NarrowGlyph& glyph) {
    for (int i = 0; i <= last_row; ++i) glyph[i] = record[i];
}

void DecodeWideRecord(const uint8_t* record, int last_row, WideGlyph& glyph) {
    const uint16_t header = static_cast<uint16_t>(record[0] << 8 | record[1]);
    glyph[0] = header;
    const uint16_t keep = MaskToWidth(0xFFFF, header & 0xFF);
    for (int r = 1; r <= last_row; ++r) {
        const uint8_t* row = record + 2 * static_cast<std::ptrdiff_t>(r);
        glyph[r] = static_cast<uint16_t>((row[0] << 8 | row[1]) & keep);
    }
}

void EncodeNarrowRecord(const NarrowGlyph& glyph, int last_row, uint8_t* record) {
    for (int i = 0; i <= last_row; ++i) record[i] = glyph[i];
}

void EncodeWideRecord(const WideGlyph& glyph, int last_row, uint8_t* record) {
    for (int r = 0; r <= last_row; ++r) {
        uint8_t* row = record + 2 * static_cast<std::ptrdiff_t>(r);
        row[0] = static_cast<uint8_t>(glyph[r] >> 8);
        row[1] = static_cast<uint8_t>(glyph[r] & 0xFF);
    }
}

Status ReadRecordBytes(File& image, const FontLayout& layout,
                       const std::vector<FlashRecord>& records, bool for_save,
                       std::vector<uint8_t>* payloads, int64_t* image_size) {
    Status status = image.Size(image_size);
    if (status.ok()) status = ImageLongEnough(image.path(), *image_size, records, layout, for_save);
    if (status.ok()) {
        status = ReadRecordPayloads(image, records, RecordPayloadLength(layout), payloads);
    }
    return status;
}

void DecodeRecords(const std::vector<FlashRecord>& records, Edition edition,
                   const FontLayout& layout, std::span<const uint8_t> payloads, FontImage& font) {
    const int payload = RecordPayloadLength(layout);
    const bool wide = edition == Edition::Latin || layout.wide;
    if (wide) {
        font.ClearWide();
    } else {
        font.ClearNarrow();
    }
    for (size_t i = 0; i < records.size(); ++i) {
        const uint8_t* record = payloads.data() + i * payload;
        if (wide) {
            DecodeWideRecord(record, layout.last_row, font.Wide(records[i].glyph));
        } else {
            DecodeNarrowRecord(record, layout.last_row, font.Narrow(records[i].glyph));
        }
    }
}

Status ReadFlashFont(const std::string& path, Edition edition, const FontLayout& layout,
                     BlockSet blocks, FontImage& font, FileSystem& fs) {
    const std::vector<FlashRecord> records = RecordsToRead(edition, layout, blocks);
    // A save into this image that was cut off is undone before anything is read.
    File file(fs, path);
    LoadStamp stamp;
    Status recovered = OpenImageForLoad(fs, file, &stamp);
    if (!recovered.ok()) return recovered;
    std::vector<uint8_t> payloads;
    int64_t size = 0;
    Status status = ReadRecordBytes(file, layout, records, /*for_save=*/false, &payloads, &size);
    if (status.ok()) status = FinishLoad(fs, file, stamp);
    if (!status.ok()) return status.WithNote(recovered.note());

    // Every read succeeded: only now does the font change.
    DecodeRecords(records, edition, layout, payloads, font);
    return recovered;
}

std::vector<uint8_t> EncodeRecords(const std::vector<FlashRecord>& records, Edition edition,
                                   const FontLayout& layout, const FontImage& font) {
    const int payload = RecordPayloadLength(layout);
    const bool wide = edition == Edition::Latin || layout.wide;
    std::vector<uint8_t> encoded(records.size() * payload);
    for (size_t i = 0; i < records.size(); ++i) {
        uint8_t* record = encoded.data() + i * payload;
        if (wide) {
            EncodeWideRecord(font.Wide(records[i].glyph), layout.last_row, record);
        } else {
            EncodeNarrowRecord(font.Narrow(records[i].glyph), layout.last_row, record);
        }
    }
    return encoded;
}

Status WriteFlashFont(const std::string& path, Edition edition, const FontLayout& layout,
                      const FontImage& font, FileSystem& fs) {
    const std::vector<FlashRecord> records = RecordsToWrite(edition, layout);
    const int payload = RecordPayloadLength(layout);
    const std::vector<uint8_t> encoded = EncodeRecords(records, edition, layout, font);

    std::vector<JournalEntry> patches(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        patches[i].position = records[i].position;
        patches[i].bytes.assign(encoded.begin() + static_cast<long>(i * payload),
                                encoded.begin() + static_cast<long>((i + 1) * payload));
    }
    return PatchImage(fs, path, std::move(patches), [&](int64_t size) {
        return ImageLongEnough(path, size, records, layout, /*for_save=*/true);
    });
}

}  // namespace rw
