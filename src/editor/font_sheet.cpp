#include "editor/font_sheet.h"

#include <algorithm>

#include "editor/picture.h"

namespace rw {
namespace {

bool InkAt(const GlyphRows& rows, GlyphCell cell, int column, int row) {
    return (rows[row] >> (cell.columns - 1 - column)) & 1u;
}

void PutPixel(RgbImage& image, int x, int y, Rgb colour) {
    uint8_t* p = image.rgb.data() + (static_cast<size_t>(y) * image.width + x) * 3;
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
}

// The colour of sheet pixel (x, y) at scale 1: a cell pixel or a line between cells.
Rgb SheetColour(const std::vector<GlyphRows>& blocks_rows, const FontSheetGeometry& g, int x,
                int y) {
    const int pitch_x = g.cell.columns + 1;
    const int pitch_y = g.cell.last_row + 1;
    const int column = x % pitch_x;
    const int row = y % pitch_y + 1;
    if (column == g.cell.columns || row == pitch_y) return kFaceGrey;
    const GlyphRows& rows =
        blocks_rows[static_cast<size_t>(y / pitch_y) * g.slot_count + x / pitch_x];
    return InkAt(rows, g.cell, column, row) ? kBlack : kWhite;
}

bool DarkAndOpaque(const uint8_t* rgba) {
    const int luminance = (299 * rgba[0] + 587 * rgba[1] + 114 * rgba[2]) / 1000;
    return luminance < 128 && rgba[3] >= 128;
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

RgbImage PaintFontSheet(const FontImage& font, const FontSheetGeometry& geometry, int scale,
                        int first_block, int count) {
    FontSheetGeometry shown = geometry;
    shown.block_count = count < 0 ? geometry.block_count : count;
    std::vector<GlyphRows> rows;
    rows.reserve(static_cast<size_t>(shown.block_count) * shown.slot_count);
    for (int b = 0; b < shown.block_count; ++b) {
        for (int s = 0; s < shown.slot_count; ++s)
            rows.push_back(LoadGlyphRows(font, geometry.cell, GlyphSlot{first_block + b, s}));
    }
    RgbImage image;
    image.width = shown.Width(scale);
    image.height = shown.Height(scale);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            PutPixel(image, x, y, SheetColour(rows, shown, x / scale, y / scale));
    }
    return image;
}

std::optional<Message> SheetSizeProblem(int width, int height, const FontSheetGeometry& geometry) {
    const int unit_width = geometry.Width(1);
    const int scale = width / unit_width;
    if (scale >= 1 && width % unit_width == 0 && height == geometry.Height(scale))
        return std::nullopt;
    return Message{MessageId::SheetWrongSize,
                   {SizeText(width, height), SizeText(geometry.Width(1), geometry.Height(1))}};
}

RgbImage PaintBlockPreview(const FontImage& font, const FontSheetGeometry& geometry, int scale,
                           int block, int max_width) {
    const RgbImage strip = PaintFontSheet(font, geometry, scale, block, 1);
    const int cell_width = (geometry.cell.columns + 1) * scale;
    const int fit = std::max(1, max_width / cell_width);
    const int lines = (geometry.slot_count + fit - 1) / fit;
    const int per_line = (geometry.slot_count + lines - 1) / lines;
    RgbImage image;
    image.width = per_line * cell_width;
    image.height = lines * strip.height;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) PutPixel(image, x, y, kFaceGrey);
    }
    const size_t cell_bytes = static_cast<size_t>(cell_width) * 3;
    for (int slot = 0; slot < geometry.slot_count; ++slot) {
        const int left = slot % per_line * cell_width;
        const int top = slot / per_line * strip.height;
        for (int y = 0; y < strip.height; ++y) {
            const uint8_t* from =
                strip.rgb.data() +
                (static_cast<size_t>(y) * strip.width + static_cast<size_t>(slot) * cell_width) * 3;
            uint8_t* to =
                image.rgb.data() + (static_cast<size_t>(top + y) * image.width + left) * 3;
            std::copy_n(from, cell_bytes, to);
        }
    }
    return image;
}

std::optional<Message> ReadFontSheet(const RgbaImage& sheet, const FontSheetGeometry& geometry,
                                     BlockSet blocks, FontImage& font) {
    if (auto problem = SheetSizeProblem(sheet.width, sheet.height, geometry)) return problem;
    const int scale = sheet.width / geometry.Width(1);
    if (sheet.rgba.size() != static_cast<size_t>(sheet.width) * sheet.height * 4)
        return Message{MessageId::SheetIncomplete, {}};
    const GlyphCell cell = geometry.cell;
    for (int block = 0; block < geometry.block_count; ++block) {
        if (!blocks.Contains(block)) continue;
        for (int slot = 0; slot < geometry.slot_count; ++slot) {
            GlyphRows rows{};
            for (int row = 1; row <= cell.last_row; ++row) {
                for (int column = 0; column < cell.columns; ++column) {
                    const int x = (slot * (cell.columns + 1) + column) * scale + scale / 2;
                    const int y = (block * (cell.last_row + 1) + row - 1) * scale + scale / 2;
                    const uint8_t* pixel =
                        sheet.rgba.data() + (static_cast<size_t>(y) * sheet.width + x) * 4;
                    if (DarkAndOpaque(pixel))
                        rows[row] |= static_cast<uint16_t>(1u << (cell.columns - 1 - column));
                }
            }
            StoreGlyphRows(rows, cell, GlyphSlot{block, slot}, font);
        }
    }
    return std::nullopt;
}

}  // namespace rw
