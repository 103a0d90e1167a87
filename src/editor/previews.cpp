#include "editor/previews.h"

#include <algorithm>

namespace rw {
namespace {

Rgb Ink(bool set) {
    return set ? kBlack : kWhite;
}

void PaintNarrowRow(uint8_t byte, int row, Picture16& picture) {
    for (int x = 0; x < 8; ++x) picture.Set(x, row, Ink((byte >> (7 - x)) & 1u));
}

void PaintWideRow(uint16_t word, int row, Picture16& picture) {
    for (int x = 0; x < 16; ++x) picture.Set(x, row, Ink((word >> (15 - x)) & 1u));
}

}  // namespace

void PaintNarrowGlyph(const NarrowGlyph& glyph, int last_row, Picture16& picture) {
    picture.Fill(kFaceGrey);
    // Row 0 is the width byte; the marker hides it.
    for (int row = 0; row <= 10; ++row) PaintNarrowRow(glyph[row], row, picture);
    for (int row = 11; row <= 12; ++row) {
        if (last_row == 9) {
            for (int x = 0; x < 8; ++x) picture.Set(x, row, kWhite);
        } else {
            PaintNarrowRow(glyph[row], row, picture);
        }
    }
}

void PaintWideGlyph(const WideGlyph& glyph, int last_row, Picture16& picture) {
    picture.Fill(kFaceGrey);
    const int last_painted = last_row > 11 ? 15 : last_row > 9 ? 11 : 9;
    for (int row = 0; row <= last_painted; ++row) PaintWideRow(glyph[row], row, picture);
}

void PaintNarrowEditImage(const NarrowGlyph& glyph, int last_row, Picture16& picture) {
    picture.Fill(kWhite);
    const int h = std::min(last_row, 12);
    for (int row = 1; row <= h; ++row) PaintNarrowRow(glyph[row], row, picture);
}

void PaintWideEditImage(const WideGlyph& glyph, int last_row, Picture16& picture) {
    for (int x = 0; x < 16; ++x) picture.Set(x, 0, kWhite);
    const int h = std::min(last_row, 15);
    for (int row = 1; row <= h; ++row) PaintWideRow(glyph[row], row, picture);
}

std::vector<Picture16> PaintBlockThumbnails(Edition edition, const FontImage& font, bool wide,
                                            int last_row, int block) {
    std::vector<Picture16> pictures(SlotCount(edition));
    for (int k = 0; k < SlotCount(edition); ++k) {
        if (wide) {
            PaintWideGlyph(font.wide[block][k], last_row, pictures[k]);
        } else {
            PaintNarrowGlyph(font.narrow[block][k], last_row, pictures[k]);
        }
    }
    return pictures;
}

}  // namespace rw
