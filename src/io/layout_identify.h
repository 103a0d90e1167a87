#pragma once

#include <string>
#include <vector>

#include "io/file_io.h"
#include "model/edition.h"
#include "model/phone_layouts.h"

namespace rw {

// One phone model and font kind.
struct LayoutId {
    PhoneModel model = PhoneModel::SME45;
    FontKind kind = FontKind::Normal;
    friend constexpr bool operator==(LayoutId, LayoutId) = default;
};

// How much the bytes at the records of a layout look like a font. Layouts whose records lie at
// the very same places read the same bytes, so they share one score.
struct LayoutScore {
    std::vector<LayoutId> layouts;  // in code order: models, then kinds
    int matching = 0;               // records that look like glyphs
    int records = 0;                // records of the layout
    bool inside_image = true;       // false when a record lies past the end of the image

    // The share of matching records in whole percent, rounded down: 100 only when all match.
    int Percent() const { return records == 0 ? 0 : matching * 100 / records; }
    // At least 90 % of the records look like glyphs.
    bool LooksLikeFont() const { return records > 0 && matching * 10 >= records * 9; }
    bool Covers(LayoutId id) const;
};

// Whether a record's payload looks like a glyph: its width value at most one past the glyph
// columns: narrow, byte 0 at most 9; wide, header high byte 0 and low byte at most 17. Erased
// flash (every byte 0xFF) fails this test in both forms.
bool LooksLikeGlyph(const uint8_t* payload, bool wide);

// Scores every layout of the edition against the fullflash at `path`, best first (at an equal
// share the one with more records, then code order). Reads only the bytes of the records, each
// stretch of the image once; records past the end of the image count as not looking like glyphs. A
// layout with fewer than one distinct drawn glyph (a width and ink) in eight records scores 0:
// zeros, erased flash or a few stray bytes are no font. Like a load, it first rolls back a save
// into the image that was cut off (the result's note says so) and reads under a shared lock.
Status IdentifyLayouts(const std::string& path, Edition edition, std::vector<LayoutScore>* scores,
                       FileSystem& fs = SystemFileSystem());

// The score that covers a model and kind; nullptr when none does.
const LayoutScore* ScoreOf(const std::vector<LayoutScore>& scores, LayoutId id);

// Whether a fullflash holds a font where the chosen model and kind keep theirs: the one check
// behind the warning after a load, the question before a save and inject's refusal.
struct FontPlaceCheck {
    // An interrupted save that looking into the image rolled back; empty when there was none.
    Message note;
    // The records there look like a font, or the image could not be read at all.
    bool holds_font = true;
    // Every record of the layout lies inside the image.
    bool inside_image = true;
    // Every layout's score, best first, to name those that do look like a font.
    std::vector<LayoutScore> scores;

    // A save would write font records over something else. An image too short for the layout
    // is not asked about: the save refuses it by itself.
    bool WritesOverForeignData() const { return !holds_font && inside_image; }
};
FontPlaceCheck CheckFontPlace(const std::string& path, Edition edition, LayoutId chosen,
                              FileSystem& fs = SystemFileSystem());

}  // namespace rw
