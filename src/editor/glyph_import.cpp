#include "editor/glyph_import.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "edition/utf8.h"
#include "model/character_sets.h"

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

std::string CodeName(char32_t code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
    return std::string(hex) + " " + EncodeUtf8(code);
}

// "missing", "missing in bold", "clipped in normal", ...: the row of the weights it concerns.
Message WeightWords(MessageId both, MessageId normal_only, MessageId bold_only, bool normal,
                    bool bold) {
    return {normal && bold ? both : normal ? normal_only : bold_only, {}};
}

}  // namespace

FontImportReport ImportFontGlyphs(const FontImportTarget& target, GlyphSource& normal,
                                  GlyphSource* bold, int baseline, FontImage& font) {
    FontImportReport report;
    const int step = BoldStep(target.edition);
    for (int block = 0; block < BlockCount(target.edition); ++block) {
        const bool bold_block = block >= step;
        if (!target.blocks.Contains(block) || (bold_block && target.single_weight)) continue;
        font.Clear(target.cell.form(), block);
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

std::vector<std::string> DescribeImportProblems(const FontImportReport& report, Language language) {
    std::vector<std::string> lines;
    for (const ImportProblem& p : report.problems) {
        std::vector<Message> words;
        if (p.missing_normal || p.missing_bold) {
            words.push_back(WeightWords(MessageId::ImportMissing, MessageId::ImportMissingNormal,
                                        MessageId::ImportMissingBold, p.missing_normal,
                                        p.missing_bold));
        }
        if (p.clipped_normal || p.clipped_bold) {
            words.push_back(WeightWords(MessageId::ImportClipped, MessageId::ImportClippedNormal,
                                        MessageId::ImportClippedBold, p.clipped_normal,
                                        p.clipped_bold));
        }
        lines.push_back(CodeName(p.code) + ": " + Render(words, language, ", "));
    }
    return lines;
}

Message CountImportProblems(const FontImportReport& report) {
    int clipped = 0;
    int missing = 0;
    for (const ImportProblem& p : report.problems) {
        clipped += p.clipped_normal || p.clipped_bold;
        missing += p.missing_normal || p.missing_bold;
    }
    if (clipped == 0 && missing == 0) return {MessageId::ImportAllFit, {}};
    return {MessageId::ImportCounts, {std::to_string(clipped), std::to_string(missing)}};
}

}  // namespace rw
