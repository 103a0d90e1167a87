#include "patch/patch_writer.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "edition/utf8.h"
#include "edition/windows1251.h"
#include "io/identify_messages.h"
#include "io/rollback_journal.h"
#include "patch/glyph_label.h"
#include "patch/hex_text.h"
#include "version.h"

namespace rw {
namespace {

constexpr const char* kLineEnd = "\r\n";

// One character of a comment in Windows-1251; '?' for what the code page lacks and for control
// characters, so that nothing can end the comment's line early.
char CommentByte(char32_t c) {
    if (c < 0x20 || c == 0x7F) return '?';
    return static_cast<char>(ToWindows1251(c).value_or('?'));
}

// A file name for a comment: UTF-8 converted, other bytes taken as Windows-1251 already.
std::string CommentText(std::string_view text) {
    std::string out;
    if (const auto decoded = DecodeUtf8(text)) {
        for (const char32_t c : *decoded) out += CommentByte(c);
        return out;
    }
    for (const char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        out += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return out;
}

// "А, normal"; a character the code page lacks is named by its code, "U+00A1, bold".
std::string GlyphComment(Edition edition, GlyphSlot glyph) {
    const char32_t c = GlyphCharacter(edition, glyph);
    std::string name;
    if (const auto byte = ToWindows1251(c); byte && c >= 0x20 && c != 0x7F) {
        name = std::string(1, static_cast<char>(*byte));
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        name = code;
    }
    return name + ", " + GlyphWeight(edition, glyph);
}

std::string Header(const FontPlace& place, const FlashFacts& flash) {
    const char* edition = place.edition == Edition::Latin ? "Latin" : "Cyrillic";
    return std::string("; Font patch made by Runewright ") + kVersion + kLineEnd + "; " + edition +
           " edition, " + LayoutName(place.id) + kLineEnd + "; against the fullflash " +
           CommentText(flash.name) + ", " + std::to_string(flash.size) + " bytes" + kLineEnd +
           "; Apply it to that fullflash with V_Klay, or with" + kLineEnd +
           ";   runewright-cli apply-patch FLASH PATCH.vkp" + kLineEnd +
           "; and take it back with runewright-cli apply-patch --undo FLASH PATCH.vkp" + kLineEnd;
}

// A stretch of bytes a save would change, and the glyph whose record it begins in.
struct ChangedRun {
    int64_t address = 0;
    std::vector<uint8_t> old_bytes;
    std::vector<uint8_t> new_bytes;
    GlyphSlot glyph;
};

// The maximal runs of changed bytes, in address order.
std::vector<ChangedRun> ChangedRuns(const std::vector<FlashRecord>& records, int payload,
                                    std::span<const uint8_t> before,
                                    std::span<const uint8_t> after) {
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return records[a].position < records[b].position; });
    std::vector<ChangedRun> runs;
    for (const size_t i : order) {
        const uint8_t* old_bytes = before.data() + i * payload;
        const uint8_t* new_bytes = after.data() + i * payload;
        for (int k = 0; k < payload;) {
            if (old_bytes[k] == new_bytes[k]) {
                ++k;
                continue;
            }
            const int64_t address = records[i].position + k;
            // A run that goes on from the previous record's last byte stays one line.
            const bool goes_on =
                !runs.empty() &&
                runs.back().address + static_cast<int64_t>(runs.back().new_bytes.size()) == address;
            if (!goes_on) runs.push_back({address, {}, {}, records[i].glyph});
            for (; k < payload && old_bytes[k] != new_bytes[k]; ++k) {
                runs.back().old_bytes.push_back(old_bytes[k]);
                runs.back().new_bytes.push_back(new_bytes[k]);
            }
        }
    }
    return runs;
}

}  // namespace

FontPatch MakeFontPatch(const FontPlace& place, const FlashFacts& flash,
                        const std::vector<FlashRecord>& records, std::span<const uint8_t> before,
                        std::span<const uint8_t> after) {
    const int payload = RecordPayloadLength(place.layout);
    FontPatch patch;
    for (size_t i = 0; i < records.size(); ++i) {
        if (!std::equal(before.begin() + i * payload, before.begin() + (i + 1) * payload,
                        after.begin() + i * payload)) {
            patch.glyphs.push_back(records[i].glyph);
        }
    }
    const std::vector<ChangedRun> runs = ChangedRuns(records, payload, before, after);
    if (runs.empty()) return patch;
    patch.lines = static_cast<int>(runs.size());
    patch.text = Header(place, flash);
    for (const ChangedRun& run : runs) {
        patch.text += PatchAddress(run.address) + ": " + HexBytes(run.old_bytes) + " " +
                      HexBytes(run.new_bytes) + " ; " + GlyphComment(place.edition, run.glyph) +
                      kLineEnd;
    }
    return patch;
}

Status ExportFontPatch(const std::string& flash, const FontPlace& place, const FontImage& font,
                       FontPatch* patch, FileSystem& fs) {
    const std::vector<FlashRecord> records = RecordsToWrite(place.edition, place.layout);
    // As every load: a save into this image that was cut off is undone first, and the image is
    // read under the shared lock.
    File image(fs, flash);
    LoadStamp stamp;
    Status recovered = OpenImageForLoad(fs, image, &stamp);
    if (!recovered.ok()) return recovered;
    std::vector<uint8_t> before;
    int64_t size = 0;
    Status status =
        ReadRecordBytes(image, place.layout, records, /*for_save=*/true, &before, &size);
    if (status.ok()) status = FinishLoad(fs, image, stamp);
    if (!status.ok()) return status.WithNote(recovered.note());
    const std::vector<uint8_t> after = EncodeRecords(records, place.edition, place.layout, font);
    *patch = MakeFontPatch(place, {BaseNameOf(flash), size}, records, before, after);
    return recovered;
}

Status WritePatchFile(const std::string& path, const FontPatch& patch, FileSystem& fs) {
    const auto* text = reinterpret_cast<const uint8_t*>(patch.text.data());
    return WriteFileAtomically(fs, path, {text, patch.text.size()});
}

}  // namespace rw
