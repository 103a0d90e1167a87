#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// One glyph record of the current layout inside a fullflash.
struct FlashRecord {
    GlyphSlot glyph;
    int64_t position = 0;
};

// Slots of a block that have a record in the flash: those of its set that hold a character
// (Latin letters 26, symbol set 1 37, symbol set 2 36; every Cyrillic block 34).
int SlotsWithRecords(Edition edition, int block);

// Records this close are read together, by a load and by the identification: one read of a few
// spare bytes is cheaper than two.
inline constexpr int64_t kMergeGap = 64;

// Absolute position of the record of a glyph.
int64_t RecordPosition(Edition edition, const FontLayout& layout, GlyphSlot glyph);

// Bytes of a record that are read and written: all but the spare byte at its end.
inline int RecordPayloadLength(const FontLayout& layout) {
    return layout.RecordLength() - 1;
}

// Records a load of these blocks reads, in decoding order.
std::vector<FlashRecord> RecordsToRead(Edition edition, const FontLayout& layout, BlockSet blocks);
// Records a save writes, in writing order: normal blocks, then bold ones if the font has them.
// 35-series Cyrillic fonts lack Ё and Є; their slots are left out so foreign records stay intact.
std::vector<FlashRecord> RecordsToWrite(Edition edition, const FontLayout& layout);

// A stretch of the image read in one go.
struct ByteRange {
    int64_t begin;
    int64_t end;
};

// The reads a load makes: records lying close together are merged into one range, so a whole
// font costs a few reads instead of hundreds.
std::vector<ByteRange> CoalescedReads(const std::vector<FlashRecord>& records, int payload);

// The row with all but its `width` leftmost bits cleared.
uint16_t MaskToWidth(uint16_t row, int width);

// Decoding and encoding of single records (payload bytes only).
void DecodeNarrowRecord(const uint8_t* record, int last_row, NarrowGlyph& glyph);
void DecodeWideRecord(const uint8_t* record, int last_row, WideGlyph& glyph);
void EncodeNarrowRecord(const NarrowGlyph& glyph, int last_row, uint8_t* record);
void EncodeWideRecord(const WideGlyph& glyph, int last_row, uint8_t* record);

// The payloads of the records as a save writes them, one after the other in the order given.
std::vector<uint8_t> EncodeRecords(const std::vector<FlashRecord>& records, Edition edition,
                                   const FontLayout& layout, const FontImage& font);

// Clears the table of the current format and decodes the chosen blocks from the fullflash at
// `path`. The font changes only when every record was read.
Status ReadFlashFont(const std::string& path, Edition edition, const FontLayout& layout,
                     BlockSet blocks, FontImage& font, FileSystem& fs = SystemFileSystem());

// The payload bytes of `records` in an image opened for a load (see OpenImageForLoad), one
// record after another, with few reads, and the image's size. An image too short for the records
// fails before anything is read, in the save's words when `for_save`.
Status ReadRecordBytes(File& image, const FontLayout& layout,
                       const std::vector<FlashRecord>& records, bool for_save,
                       std::vector<uint8_t>* payloads, int64_t* image_size);

// Clears the live table of `font` (the wide one for the Latin edition and wide layouts) and
// decodes into it the payloads of `records`, one record after another as ReadRecordBytes reads
// them.
void DecodeRecords(const std::vector<FlashRecord>& records, Edition edition,
                   const FontLayout& layout, std::span<const uint8_t> payloads, FontImage& font);

// Patches every record of the current font kind into the existing fullflash at `path`. Checks the
// image is long enough before writing anything; on a failed write puts the old bytes back.
Status WriteFlashFont(const std::string& path, Edition edition, const FontLayout& layout,
                      const FontImage& font, FileSystem& fs = SystemFileSystem());

// Position of the font's first record in the image (of any block).
int64_t FirstRecordPosition(Edition edition, const FontLayout& layout);

// Smallest image size that holds every byte a load of these blocks or a save reads or writes.
int64_t RequiredImageSize(const std::vector<FlashRecord>& records, const FontLayout& layout);

}  // namespace rw
