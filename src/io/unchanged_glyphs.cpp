#include "io/unchanged_glyphs.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "io/flash_codec.h"
#include "io/rollback_journal.h"

namespace rw {
namespace {

// The record's payload as a load reads it and a save writes it back: a load keeps no ink beyond
// a wide glyph's width, so such bits are no glyph the save would replace.
void AsLoaded(uint8_t* payload, bool wide, int last_row) {
    if (wide) {
        WideGlyph glyph{};
        DecodeWideRecord(payload, last_row, glyph);
        EncodeWideRecord(glyph, last_row, payload);
    } else {
        NarrowGlyph glyph{};
        DecodeNarrowRecord(payload, last_row, glyph);
        EncodeNarrowRecord(glyph, last_row, payload);
    }
}

// Whether the record's payload, as a save writes it, holds no ink: rows only, the width aside.
bool IsEmptyPayload(const uint8_t* payload, bool wide, int last_row) {
    if (wide) {
        WideGlyph glyph{};
        DecodeWideRecord(payload, last_row, glyph);
        return std::all_of(glyph.begin() + 1, glyph.end(), [](uint16_t row) { return row == 0; });
    }
    NarrowGlyph glyph{};
    DecodeNarrowRecord(payload, last_row, glyph);
    return std::all_of(glyph.begin() + 1, glyph.end(), [](uint8_t row) { return row == 0; });
}

}  // namespace

Status CountReplacedUnchangedGlyphs(const std::string& path, Edition edition,
                                    const FontLayout& layout, const FontImage& font,
                                    const FontImage& base, ReplacedGlyphs* replaced,
                                    FileSystem& fs) {
    const std::vector<FlashRecord> records = RecordsToWrite(edition, layout);
    const int payload = RecordPayloadLength(layout);
    std::vector<uint8_t> in_image;
    File image(fs, path);
    // As a load reads it: under the shared lock, after a save cut off there was rolled back.
    LoadStamp stamp;
    Status opened = OpenImageForLoad(fs, image, &stamp);
    if (!opened.ok()) return opened;
    int64_t size = 0;
    Status read = ReadRecordBytes(image, layout, records, /*for_save=*/true, &in_image, &size);
    if (read.ok()) read = FinishLoad(fs, image, stamp);
    if (!read.ok()) return read.WithNote(opened.note());

    const std::vector<uint8_t> written = EncodeRecords(records, edition, layout, font);
    const std::vector<uint8_t> as_left = EncodeRecords(records, edition, layout, base);
    const bool wide = edition == Edition::Latin || layout.wide;
    *replaced = {};
    for (size_t at = 0; at < written.size(); at += payload) {
        AsLoaded(&in_image[at], wide, layout.last_row);
        const bool unchanged = std::memcmp(&written[at], &as_left[at], payload) == 0;
        const bool replaces = std::memcmp(&written[at], &in_image[at], payload) != 0;
        if (!unchanged || !replaces) continue;
        ++replaced->count;
        replaced->empty += IsEmptyPayload(&written[at], wide, layout.last_row);
    }
    return opened;
}

}  // namespace rw
