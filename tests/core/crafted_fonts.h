#pragma once

// Small font files made on the spot, for inputs no installed font gives: strikes of grey pixels,
// and an outline far larger than any cell.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace rw::testing {

// A BDF font with one strike of `bits_per_pixel` (1, 2, 4 or 8) holding the letter A as one row
// of four pixels at the grey levels `levels` (0 = paper), the pen on the baseline, 12 pixels.
inline std::string GreyBdf(int bits_per_pixel, const std::vector<int>& levels) {
    std::string row;
    unsigned bits = 0;
    int filled = 0;
    auto flush_byte = [&] {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", bits << (8 - filled));
        row += hex;
        bits = 0;
        filled = 0;
    };
    for (int level : levels) {
        bits = bits << bits_per_pixel | static_cast<unsigned>(level);
        filled += bits_per_pixel;
        if (filled == 8) flush_byte();
    }
    if (filled > 0) flush_byte();
    return "STARTFONT 2.2\n"
           "FONT -test-grey-medium-r-normal--12-120-75-75-c-80-iso10646-1\n"
           "SIZE 12 75 75 " +
           std::to_string(bits_per_pixel) +
           "\n"
           "FONTBOUNDINGBOX 8 12 0 -2\n"
           "STARTPROPERTIES 5\n"
           "FONT_ASCENT 10\n"
           "FONT_DESCENT 2\n"
           "PIXEL_SIZE 12\n"
           "CHARSET_REGISTRY \"ISO10646\"\n"
           "CHARSET_ENCODING \"1\"\n"
           "ENDPROPERTIES\n"
           "CHARS 1\n"
           "STARTCHAR A\n"
           "ENCODING 65\n"
           "SWIDTH 500 0\n"
           "DWIDTH 8 0\n"
           "BBX " +
           std::to_string(levels.size()) +
           " 1 0 0\n"
           "BITMAP\n" +
           row +
           "\n"
           "ENDCHAR\n"
           "ENDFONT\n";
}

namespace crafted {

inline void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}
inline void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value >> 16);
    Put16(out, value & 0xFFFF);
}

}  // namespace crafted

// A TrueType font of a few hundred bytes whose letters A..Z are all one square 32000 units a
// side at 16 units to the em: drawn at 16 pixels, each would be a bitmap of 32000 x 32000
// pixels (128 MB) that no cell can hold.
inline std::vector<uint8_t> OversizedTrueType() {
    using crafted::Put16;
    using crafted::Put32;
    constexpr int kHalf = 16000;
    std::vector<uint8_t> glyf;
    Put16(glyf, 1);  // one contour
    for (int v : {-kHalf, -kHalf, kHalf, kHalf}) Put16(glyf, static_cast<uint16_t>(v));
    Put16(glyf, 3);                                    // last point of the contour
    Put16(glyf, 0);                                    // no instructions
    for (int i = 0; i < 4; ++i) glyf.push_back(0x01);  // on-curve, 16-bit deltas
    for (int dx : {-kHalf, 2 * kHalf, 0, -2 * kHalf}) Put16(glyf, static_cast<uint16_t>(dx));
    for (int dy : {-kHalf, 0, 2 * kHalf, 0}) Put16(glyf, static_cast<uint16_t>(dy));
    while (glyf.size() % 4 != 0) glyf.push_back(0);

    std::vector<uint8_t> loca;  // short offsets, halved: .notdef empty, then glyph 1
    for (uint32_t offset : {0u, 0u, static_cast<uint32_t>(glyf.size())}) Put16(loca, offset / 2);

    std::vector<uint8_t> cmap;  // format 4: A..Z to glyph 1 through the glyph id array
    Put16(cmap, 0);
    Put16(cmap, 1);
    Put16(cmap, 3);
    Put16(cmap, 1);
    Put32(cmap, 12);
    const uint16_t subtable_length = 16 + 4 * 4 + 26 * 2;
    for (int v : {4, int{subtable_length}, 0, 4, 4, 1, 0}) Put16(cmap, static_cast<uint16_t>(v));
    for (int v : {0x5A, 0xFFFF, 0, 0x41, 0xFFFF, 0, 1, 4, 0}) Put16(cmap, static_cast<uint16_t>(v));
    for (int i = 0; i < 26; ++i) Put16(cmap, 1);

    std::vector<uint8_t> head;
    Put32(head, 0x00010000);
    Put32(head, 0x00010000);
    Put32(head, 0);
    Put32(head, 0x5F0F3CF5);
    Put16(head, 0x000B);
    Put16(head, 16);  // units per em
    for (int i = 0; i < 4; ++i) Put32(head, 0);
    for (int v : {-kHalf, -kHalf, kHalf, kHalf}) Put16(head, static_cast<uint16_t>(v));
    for (int v : {0, 8, 2, 0, 0}) Put16(head, static_cast<uint16_t>(v));

    std::vector<uint8_t> hhea;
    Put32(hhea, 0x00010000);
    for (int v : {12, -4, 0, 16, -kHalf, -kHalf, kHalf, 1, 0, 0, 0, 0, 0, 0, 0, 2})
        Put16(hhea, static_cast<uint16_t>(v));

    std::vector<uint8_t> hmtx;
    for (int v : {16, 0, 16, -kHalf}) Put16(hmtx, static_cast<uint16_t>(v));

    std::vector<uint8_t> maxp;
    Put32(maxp, 0x00010000);
    for (int v : {2, 4, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}) Put16(maxp, static_cast<uint16_t>(v));

    std::vector<uint8_t> name;
    for (int v : {0, 0, 6}) Put16(name, static_cast<uint16_t>(v));

    std::vector<uint8_t> post;
    Put32(post, 0x00030000);
    for (int i = 0; i < 7; ++i) Put32(post, 0);

    const std::vector<std::pair<const char*, const std::vector<uint8_t>*>> tables = {
        {"cmap", &cmap}, {"glyf", &glyf}, {"head", &head}, {"hhea", &hhea}, {"hmtx", &hmtx},
        {"loca", &loca}, {"maxp", &maxp}, {"name", &name}, {"post", &post}};
    std::vector<uint8_t> font;
    Put32(font, 0x00010000);
    for (int v : {9, 128, 3, 16}) Put16(font, static_cast<uint16_t>(v));
    uint32_t offset = 12 + 16 * static_cast<uint32_t>(tables.size());
    for (const auto& [tag, bytes] : tables) {
        font.insert(font.end(), tag, tag + 4);
        Put32(font, 0);  // checksum, which FreeType does not ask for
        Put32(font, offset);
        Put32(font, static_cast<uint32_t>(bytes->size()));
        offset += static_cast<uint32_t>((bytes->size() + 3) / 4 * 4);
    }
    for (const auto& [tag, bytes] : tables) {
        font.insert(font.end(), bytes->begin(), bytes->end());
        while (font.size() % 4 != 0) font.push_back(0);
    }
    return font;
}

}  // namespace rw::testing
