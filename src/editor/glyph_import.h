#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edition/message.h"
#include "editor/glyph_placement.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// One face of an outline or bitmap font, already set to the pixel size of the import.
class GlyphSource {
  public:
    virtual ~GlyphSource() = default;
    // The character as a one-bit picture; nullopt when the face has no glyph for it.
    virtual std::optional<MonoBitmap> Render(char32_t code) = 0;
};

// Where an import puts its glyphs and what it takes.
struct FontImportTarget {
    Edition edition = Edition::Cyrillic;
    GlyphCell cell;
    bool single_weight = false;  // the layout has no bold blocks: they are left alone
    BlockSet blocks;             // the blocks the load scope replaces
};

// What went wrong with one character, weight by weight.
struct ImportProblem {
    char32_t code = 0;
    bool missing_normal = false;
    bool missing_bold = false;
    bool clipped_normal = false;
    bool clipped_bold = false;
};

struct FontImportReport {
    std::vector<ImportProblem> problems;  // in font order, one per character
};

// Replaces the target's blocks with the characters of the faces: each block is cleared, then
// every slot with a character gets it placed on `baseline`. Bold blocks come from `bold` when
// given, else from the normal face emboldened.
FontImportReport ImportFontGlyphs(const FontImportTarget& target, GlyphSource& normal,
                                  GlyphSource* bold, int baseline, FontImage& font);

// "U+0404 Є: missing", "U+0416 Ж: clipped in bold", ...: one line per character, in a language.
std::vector<std::string> DescribeImportProblems(const FontImportReport& report, Language language);

// How many characters an import clips and how many the font lacks (each counted once, whatever
// its weights), or that every one is there and fits.
Message CountImportProblems(const FontImportReport& report);

}  // namespace rw
