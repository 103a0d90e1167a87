#include "editor/previews.h"

namespace rw {
namespace {

Rgb Ink(bool set) {
    return set ? kBlack : kWhite;
}

void PaintRow(const Glyph& glyph, int row, uint16_t value, Picture16& picture) {
    for (int x = 0; x < glyph.columns(); ++x) {
        picture.Set(x, row, Ink((value & glyph.ColumnBit(x)) != 0));
    }
}

// The last row a thumbnail paints from a glyph (see PaintThumbnail).
int LastThumbnailRow(const Glyph& glyph, int last_row) {
    if (glyph.form == GlyphForm::Narrow) return glyph.stored_last_row();
    return last_row > 11 ? 15 : last_row > 9 ? 11 : 9;
}

}  // namespace

void PaintThumbnail(const Glyph& glyph, int last_row, Picture16& picture) {
    picture.Fill(kFaceGrey);
    const bool blank_tail = glyph.form == GlyphForm::Narrow && last_row == 9;
    for (int row = 0; row <= LastThumbnailRow(glyph, last_row); ++row) {
        PaintRow(glyph, row, blank_tail && row >= 11 ? 0 : glyph[row], picture);
    }
}

void PaintEditImage(const Glyph& glyph, int last_row, Picture16& picture) {
    if (glyph.form == GlyphForm::Narrow) picture.Fill(kWhite);
    for (int x = 0; x < Picture16::kSize; ++x) picture.Set(x, 0, kWhite);
    for (int row = 1; row <= glyph.LastRowOf(last_row); ++row) {
        PaintRow(glyph, row, glyph[row], picture);
    }
}

std::vector<Picture16> PaintBlockThumbnails(Edition edition, const FontImage& font, bool wide,
                                            int last_row, int block) {
    std::vector<Picture16> pictures(SlotCount(edition));
    for (int k = 0; k < SlotCount(edition); ++k) {
        PaintThumbnail(font.At(FormOf(wide), {block, k}), last_row, pictures[k]);
    }
    return pictures;
}

}  // namespace rw
