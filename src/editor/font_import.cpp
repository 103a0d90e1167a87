#include "editor/font_import.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "edition/code_points.h"
#include "edition/utf8.h"

namespace rw {
namespace {

// The placed glyph of one character in one weight; `missing` when the face lacks it.
struct WeightResult {
    GlyphRows rows{};
    bool missing = false;
    bool clipped = false;
};

WeightResult RenderPlaced(GlyphSource& source, char32_t code, GlyphCell cell, int baseline) {
    WeightResult result;
    const std::optional<MonoBitmap> bitmap = source.Render(code);
    if (!bitmap) {
        result.missing = true;
        return result;
    }
    const PlacedGlyph placed = PlaceMonoBitmap(*bitmap, cell, baseline);
    result.rows = placed.rows;
    result.clipped = placed.clipped;
    return result;
}

ImportProblem& ProblemOf(char32_t code, FontImportReport& report) {
    for (ImportProblem& p : report.problems) {
        if (p.code == code) return p;
    }
    report.problems.push_back(ImportProblem{code});
    return report.problems.back();
}

void ClearBlock(FontImage& font, int block, bool wide) {
    if (wide) {
        font.wide[block] = {};
    } else {
        font.narrow[block] = {};
    }
}

std::string CodeName(char32_t code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    return std::string(hex) + " " + EncodeUtf8(code);
}

// "missing", "missing in bold", "clipped in normal and bold", ...
std::string WeightWords(const char* what, bool normal, bool bold) {
    if (normal && bold) return what;
    return std::string(what) + (normal ? " in normal" : " in bold");
}

}  // namespace

FontImportReport ImportFontGlyphs(const FontImportTarget& target, GlyphSource& normal,
                                  GlyphSource* bold, int baseline, FontImage& font) {
    FontImportReport report;
    const int step = BoldStep(target.edition);
    const bool wide = target.cell.columns == 16;
    for (int block = 0; block < BlockCount(target.edition); ++block) {
        const bool bold_block = block >= step;
        if (!target.blocks.Contains(block) || (bold_block && target.single_weight)) continue;
        ClearBlock(font, block, wide);
        for (int slot = 0; slot < SlotCount(target.edition); ++slot) {
            const std::optional<char32_t> code = CodePoint(target.edition, block % step, slot);
            if (!code) continue;
            WeightResult result;
            if (bold_block && bold != nullptr) {
                result = RenderPlaced(*bold, *code, target.cell, baseline);
            } else {
                result = RenderPlaced(normal, *code, target.cell, baseline);
                if (bold_block && !result.missing && Embolden(result.rows, target.cell))
                    result.clipped = true;
            }
            StoreGlyphRows(result.rows, target.cell, GlyphSlot{block, slot}, font);
            if (!result.missing && !result.clipped) continue;
            ImportProblem& problem = ProblemOf(*code, report);
            (bold_block ? problem.missing_bold : problem.missing_normal) |= result.missing;
            (bold_block ? problem.clipped_bold : problem.clipped_normal) |= result.clipped;
        }
    }
    return report;
}

std::vector<std::string> DescribeImportProblems(const FontImportReport& report) {
    std::vector<std::string> lines;
    for (const ImportProblem& p : report.problems) {
        std::string line = CodeName(p.code) + ":";
        if (p.missing_normal || p.missing_bold)
            line += " " + WeightWords("missing", p.missing_normal, p.missing_bold);
        if (p.clipped_normal || p.clipped_bold) {
            if (line.back() != ':') line += ",";
            line += " " + WeightWords("clipped", p.clipped_normal, p.clipped_bold);
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace rw
