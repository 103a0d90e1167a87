// Setting a text in the font as the phone shows it: pen advance, spaces, missing characters,
// wrapping, weight, the glyph being edited, and the scaled picture.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/cli.h"
#include "edition/utf8.h"
#include "editor/text_preview.h"
#include "editor_test_support.h"
#include "io/font_files.h"
#include "test_files.h"

namespace rw {
namespace {

using editor_testing::Narrow;
using editor_testing::Wide;

// Slots of the Cyrillic upper case: А 0, Б 1, Ё 6.
constexpr GlyphSlot kA{0, 0};
constexpr GlyphSlot kB{0, 1};

// S/ME 45 Normal, narrow: А is a full-height bar in column 0, width 3; Б fills columns 0..1 of
// row 1 only, width 4. Bold А is a bar in column 1.
struct CyrillicFont {
    FontImage font;
    CyrillicFont() {
        NarrowGlyph a = Narrow(3, {});
        for (int r = 1; r <= 11; ++r) a[r] = 0x80;
        font.Narrow(kA) = a;
        font.Narrow(kB) = Narrow(4, {0xC0});
        NarrowGlyph bold_a = Narrow(3, {});
        for (int r = 1; r <= 11; ++r) bold_a[r] = 0x40;
        font.Narrow({2, 0}) = bold_a;
    }
    PreviewFont Preview() const {
        return {.edition = Edition::Cyrillic, .font = &font, .working_slot = {-1, -1}};
    }
};

// Columns that hold ink in a picture row.
std::string Row(const TextPicture& p, int y) {
    std::string s;
    for (int x = 0; x < p.width; ++x) s += p.Ink(x, y) ? '#' : '.';
    return s;
}

std::string Trimmed(std::string row) {
    return row.substr(0, row.find_last_not_of('.') + 1);
}

TEST(TextPreview, PenMovesByWidthValuesAndSpacesMoveThree) {
    const CyrillicFont f;
    const TextPicture p = SetText(U"ААБ А", f.Preview(), {});
    EXPECT_EQ(p.width, kDefaultWrapWidth);
    EXPECT_EQ(p.height, 11);
    // А at 0 and 3, Б at 6 (row 1: columns 6..7), space to 10 + 3 = 13, А at 13.
    EXPECT_EQ(Trimmed(Row(p, 0)), "#..#..##.....#");
    EXPECT_EQ(Trimmed(Row(p, 10)), "#..#.........#");
    EXPECT_TRUE(p.missing.empty());
}

TEST(TextPreview, CharacterWithoutSlotIsAHollowBoxAndListedOnce) {
    const CyrillicFont f;
    const TextPicture p = SetText(U"Q,АQ", f.Preview(), {});
    // Narrow box: 4 wide, 11 high; the pen moves 5. Q at 0, "," at 5, А at 10, Q at 13.
    EXPECT_EQ(Trimmed(Row(p, 0)), "####.####.#..####");
    EXPECT_EQ(Trimmed(Row(p, 5)), "#..#.#..#.#..#..#");
    EXPECT_EQ(Trimmed(Row(p, 10)), "####.####.#..####");
    EXPECT_EQ(p.missing, (std::vector<char32_t>{U'Q', U','}));

    // Wide fonts get an 8-wide box and a pen move of 9.
    FontImage wide_font;
    PreviewFont wide = {.edition = Edition::Latin,
                        .font = &wide_font,
                        .wide = true,
                        .last_row = 15,
                        .working_slot = {-1, -1}};
    const TextPicture w = SetText(U"ЖЖ", wide, {});
    EXPECT_EQ(Trimmed(Row(w, 0)), "########.########");
    EXPECT_EQ(w.height, 15);
}

TEST(TextPreview, ThirtyFiveSeriesFontsLackYoAndYe) {
    CyrillicFont f;
    f.font.Narrow({0, 6}) = Narrow(3, {0x80});
    PreviewFont preview = f.Preview();
    EXPECT_TRUE(SetText(U"Ё", preview, {}).missing.empty());
    preview.has_yo_ye = false;
    EXPECT_EQ(SetText(U"Ёё", preview, {}).missing, (std::vector<char32_t>{U'Ё', U'ё'}));
}

TEST(TextPreview, LinesBreakBeforeAWordThatWouldPassTheWrapWidth) {
    const CyrillicFont f;
    // Words of three А (9 pixels): "ААА ААА" needs 9 + 3 + 9 = 21.
    const TextPicture fits = SetText(U"ААА ААА", f.Preview(), {.wrap_width = 21});
    EXPECT_EQ(fits.height, 11);
    const TextPicture broken = SetText(U"ААА ААА", f.Preview(), {.wrap_width = 20});
    EXPECT_EQ(broken.height, 22);
    EXPECT_EQ(broken.width, 20);
    EXPECT_EQ(Trimmed(Row(broken, 0)), "#..#..#");
    EXPECT_EQ(Trimmed(Row(broken, 11)), "#..#..#");  // the second word starts the next line

    // A word wider than the line breaks where it overflows: 7 А in 10 pixels, three a line.
    const TextPicture long_word = SetText(U"ААААААА", f.Preview(), {.wrap_width = 10});
    EXPECT_EQ(long_word.height, 33);
    EXPECT_EQ(Trimmed(Row(long_word, 11)), "#..#..#");
    EXPECT_EQ(Trimmed(Row(long_word, 22)), "#");

    // A line break in the text starts a new line; no wrap width or text grows the picture
    // past the preview's lines.
    EXPECT_EQ(SetText(U"А\nА", f.Preview(), {}).height, 22);
    const TextPicture cut = SetText(std::u32string(1000, U'А'), f.Preview(), {.wrap_width = 0});
    EXPECT_TRUE(cut.cut);
    EXPECT_EQ(cut.height, kMaxPreviewLines * 11);
    EXPECT_EQ(cut.width, 3);
}

TEST(TextPreview, BoldUsesTheBoldBlockUnlessTheFontHasOneWeight) {
    const CyrillicFont f;
    PreviewFont preview = f.Preview();
    EXPECT_EQ(Trimmed(Row(SetText(U"А", preview, {.bold = true}), 5)), ".#");
    preview.single_weight = true;
    EXPECT_EQ(Trimmed(Row(SetText(U"А", preview, {.bold = true}), 5)), "#");
}

TEST(TextPreview, TheSelectedSlotShowsTheWorkingGlyph) {
    const CyrillicFont f;
    PreviewFont preview = f.Preview();
    preview.working_slot = kB;
    preview.working = Narrow(2, {0xFF});  // unwritten edit: full row, width 2
    // Б is drawn from the working glyph (all 8 columns of row 1) and moves the pen by 2.
    EXPECT_EQ(Trimmed(Row(SetText(U"БА", preview, {}), 0)), "########");
    EXPECT_EQ(Trimmed(Row(SetText(U"БА", preview, {}), 1)), "..#");
    // The same slot of the bold block is another glyph.
    EXPECT_EQ(Trimmed(Row(SetText(U"Б", preview, {.bold = true}), 0)), "");

    // Wide glyphs: bit 15 is column 0 and the header's low byte is the width.
    FontImage font;
    font.Wide({1, 0}) = Wide(0x0102, {0xC000});  // Latin a: header high byte 1, width 2
    const PreviewFont wide = {
        .edition = Edition::Latin, .font = &font, .wide = true, .working_slot = {-1, -1}};
    EXPECT_EQ(Trimmed(Row(SetText(U"aa", wide, {}), 0)), "####");
}

TEST(TextPreview, ScaledPictureIsBlackOnWhiteWithoutSmoothing) {
    const CyrillicFont f;
    const TextPicture p = SetText(U"Б", f.Preview(), {.wrap_width = 4});
    const RgbImage image = ScaledPicture(p, 3);
    ASSERT_EQ(image.width, 12);
    ASSERT_EQ(image.height, 33);
    auto at = [&](int x, int y) { return image.rgb[(y * image.width + x) * 3]; };
    EXPECT_EQ(at(0, 0), 0);
    EXPECT_EQ(at(5, 2), 0);
    EXPECT_EQ(at(6, 0), 255);
    EXPECT_EQ(at(0, 3), 255);
}

TEST(Utf8, DecodesWhatItEncodesAndRefusesWhatIsNotUtf8) {
    const std::u32string text = U"Aё€😀";
    std::string bytes;
    for (char32_t c : text) bytes += EncodeUtf8(c);
    EXPECT_EQ(bytes, "Aё€😀");
    EXPECT_EQ(DecodeUtf8(bytes), text);
    for (const std::string bad :
         {"\xC0\xAF", "\xD0", "\xED\xA0\x80", "\xF5\x80\x80\x80", "a\x80"}) {
        EXPECT_FALSE(DecodeUtf8(bad)) << bad;
    }
}

// --- runewright-cli preview ------------------------------------------------------------------

uint32_t BigEndian32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(PreviewCli, WritesThePictureAndNamesTheCharactersWithoutAGlyph) {
    testing::TempDir dir;
    const std::string font = dir.File("font.sft");
    ASSERT_TRUE(WriteFontFile(font, FontFileFormat::Sft, CyrillicFont().font).ok());
    auto run = [&](std::vector<std::string> args, std::string* out = nullptr) {
        args.insert(args.begin(),
                    {"preview", "--edition", "rus", "--model", "s45", "--kind", "normal"});
        std::ostringstream o, e;
        const int code = cli::RunCli(args, o, e);
        if (out != nullptr) *out = o.str();
        return code;
    };
    std::string out;
    ASSERT_EQ(run({"--bold", "--wrap", "40", font, "АQ Q", dir.File("a.png")}, &out), 0);
    EXPECT_EQ(out, "no glyph for: Q\n");
    const std::vector<uint8_t> png = testing::ReadBytes(dir.File("a.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(BigEndian32(png, 16), 40u * 3);  // IHDR width: the wrap width at the default scale
    EXPECT_EQ(BigEndian32(png, 20), 11u * 3);

    ASSERT_EQ(run({"--scale", "1", font, "А", dir.File("b.png")}), 0);
    EXPECT_EQ(BigEndian32(testing::ReadBytes(dir.File("b.png")), 16), 101u);

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--scale", "9", font, "А", dir.File("c.png")},
                                               {"--wrap", "0", font, "А", dir.File("c.png")},
                                               {font, "\xD0", dir.File("c.png")},
                                               {font, "А", dir.File("c.ppm")},
                                               {font, dir.File("c.png")},
                                               {dir.File("font.sfe"), "А", dir.File("c.png")}}) {
        EXPECT_EQ(run(args), 2) << args[0] << " " << args[1];
    }
    EXPECT_EQ(run({dir.File("absent.sft"), "А", dir.File("c.png")}), 1);
    EXPECT_FALSE(testing::Exists(dir.File("c.png")));
}

}  // namespace
}  // namespace rw
