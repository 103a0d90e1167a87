// Importing glyphs from fonts Debian ships, checked against what FreeType itself draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "crafted_fonts.h"
#include "editor/glyph_import.h"
#include "fontimport/freetype_face.h"
#include "fontimport/import_faces.h"
#include "model/character_sets.h"
#include "model/load_scope.h"
#include "test_files.h"

namespace rw {
namespace {

const std::string kTerminus12 = "/usr/share/fonts/X11/misc/ter-u12n_unicode.pcf.gz";
const std::string kTerminus12Latin1 = "/usr/share/fonts/X11/misc/ter-u12n_iso-8859-1.pcf.gz";
const std::string kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

constexpr GlyphCell kNarrowNormal{8, 11};
constexpr GlyphCell kWideBig{16, 15};

FontImportRequest Request(std::string font, std::optional<std::string> bold_font = {},
                          bool embolden = false, std::optional<int> pixel_size = {},
                          std::optional<int> baseline = {}) {
    return {std::move(font), std::move(bold_font), embolden, pixel_size, baseline};
}

ImportFaces Open(FontImportRequest request, GlyphCell cell) {
    ImportFaces faces;
    const Status status = OpenImportFaces(request, cell, faces);
    EXPECT_TRUE(status.ok()) << status.Line(kEnglish);
    return faces;
}

FontImportReport Import(ImportFaces& faces, const FontImportTarget& target, FontImage& font) {
    return ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, font);
}

int InkCount(const GlyphRows& rows) {
    int n = 0;
    for (uint16_t r : rows) n += std::popcount(r);
    return n;
}

TEST(FontImport, TerminusBitmapStrikeLandsRowForRowWithItsWidth) {
    ImportFaces faces = Open(Request(kTerminus12), kNarrowNormal);
    EXPECT_EQ(faces.pixel_size, 12);  // H + 1
    EXPECT_EQ(faces.baseline, 9);     // H less the 2-pixel descender
    FontImage font;
    const FontImportReport report =
        Import(faces, {Edition::Cyrillic, kNarrowNormal, false, BlockSet::FirstN(4)}, font);
    // А: the strike's rows 1..11, leftmost ink in column 1; the width rule gives 6.
    const NarrowGlyph a = font.narrow[0][0];
    const NarrowGlyph expected = {6, 0x00, 0x38, 0x44, 0x44, 0x44, 0x7C, 0x44, 0x44, 0x44, 0, 0, 0};
    EXPECT_EQ(a, expected);
    // Strokes of a lower-case letter end on the baseline row.
    const GlyphRows x = LoadGlyphRows(font, kNarrowNormal, GlyphSlot{1, 22});  // х
    EXPECT_NE(x[9], 0);
    EXPECT_EQ(x[10], 0);
    // Only the accented capitals reach above row 1.
    std::vector<char32_t> clipped;
    for (const ImportProblem& p : report.problems) {
        EXPECT_FALSE(p.missing_normal || p.missing_bold);
        clipped.push_back(p.code);
    }
    EXPECT_EQ(clipped, (std::vector<char32_t>{U'Ё', U'Й'}));
    EXPECT_EQ(DescribeImportProblems(report, kEnglish)[0], "U+0401 Ё: clipped");
}

TEST(FontImport, OutlineGlyphsKeepEveryPixelFreeTypeDrawsAndStartInColumnOne) {
    ImportFaces faces = Open(Request(kDejaVuSans, std::nullopt, false, 14, 12), kWideBig);
    FontImage font;
    const FontImportReport report =
        Import(faces, {Edition::Latin, kWideBig, false, BlockSet{0, 1}}, font);
    Status opened;
    auto reference = FreeTypeFace::Open(kDejaVuSans, 14, MaxGlyphBitmapSide(kWideBig), &opened);
    ASSERT_TRUE(reference);
    for (int set = 0; set < 2; ++set) {
        for (int slot = 0; slot < 26; ++slot) {
            SCOPED_TRACE(static_cast<char>(*CodePoint(Edition::Latin, set, slot)));
            const char32_t code = *CodePoint(Edition::Latin, set, slot);
            const MonoBitmap bitmap = *(*reference)->Render(code);
            const auto freetype_ink =
                static_cast<int>(std::count(bitmap.ink.begin(), bitmap.ink.end(), 1));
            const GlyphRows rows = LoadGlyphRows(font, kWideBig, GlyphSlot{set, slot});
            const bool clipped =
                std::any_of(report.problems.begin(), report.problems.end(),
                            [&](const ImportProblem& p) { return p.code == code; });
            if (!clipped) {
                EXPECT_EQ(InkCount(rows), freetype_ink);
            }
            uint16_t all = 0;
            for (uint16_t r : rows) all |= r;
            EXPECT_EQ(all & 0x8000, 0) << char(code);  // column 0 stays clear
            EXPECT_NE(all & 0x4000, 0) << char(code);  // ink starts in column 1
            // The pen sits on row 12: bitmap row 0 is row 12 - top + 1.
            int first = 1;
            while (rows[first] == 0) ++first;
            if (!clipped) {
                EXPECT_EQ(first, 12 - bitmap.top + 1);
            }
        }
    }
    // At 14 pixels nothing of A..Z, a..z leaves the cell but the descenders below row 15.
    for (const ImportProblem& p : report.problems)
        EXPECT_TRUE(p.code == U'j' || p.code == U'g' || p.code == U'p' || p.code == U'q' ||
                    p.code == U'y' || p.code == U'Q' || p.code == U'J')
            << char(p.code);
}

TEST(FontImport, TooLargeASizeIsReportedClippedAndCutAtTheCellEdges) {
    ImportFaces faces =
        Open(Request(kDejaVuSans, std::nullopt, false, 30, std::nullopt), kNarrowNormal);
    FontImage font;
    const FontImportReport report =
        Import(faces, {Edition::Latin, kNarrowNormal, false, BlockSet{0}}, font);
    EXPECT_EQ(report.problems.size(), 26u);
    for (int slot = 0; slot < 26; ++slot) {
        EXPECT_LE(font.narrow[0][slot][0], 8);
        EXPECT_EQ(font.narrow[0][slot][12], 0);  // row 12 lies past H = 11
    }
}

TEST(FontImport, CharactersTheFaceLacksAreReportedAndLeftEmpty) {
    ImportFaces faces = Open(Request(kTerminus12Latin1), kNarrowNormal);
    FontImage font;
    font.narrow[0][3][2] = 0xFF;  // an old glyph in a replaced block goes
    const FontImportReport report =
        Import(faces, {Edition::Cyrillic, kNarrowNormal, false, BlockSet::FirstN(4)}, font);
    ASSERT_EQ(report.problems.size(), 68u);  // 34 letters in two cases
    EXPECT_TRUE(report.problems[0].missing_normal && report.problems[0].missing_bold);
    EXPECT_EQ(DescribeImportProblems(report, kEnglish)[0], "U+0410 А: missing");
    EXPECT_EQ(font, FontImage{});
}

TEST(FontImport, BoldBlocksComeFromTheFamilysBoldFace) {
    ImportFaces faces = Open(Request("Terminus"), kWideBig);
    ASSERT_NE(faces.bold, nullptr);
    EXPECT_NE(faces.bold_file.find("bold"), std::string::npos);
    FontImage font;
    Import(faces, {Edition::Latin, kWideBig, false, ScopeBlocks(LoadScope{6}, Edition::Latin)},
           font);
    ImportFaces bold_only =
        Open(Request(faces.bold_file, std::nullopt, false, std::nullopt, faces.baseline), kWideBig);
    FontImage bold_as_normal;
    Import(bold_only, {Edition::Latin, kWideBig, false, BlockSet{0}}, bold_as_normal);
    EXPECT_EQ(font.wide[4], bold_as_normal.wide[0]);
    EXPECT_NE(font.wide[4], font.wide[0]);
}

TEST(FontImport, WithoutABoldFaceTheNormalOneIsEmboldened) {
    ImportFaces faces = Open(Request("Terminus", std::nullopt, true), kWideBig);
    EXPECT_EQ(faces.bold, nullptr);
    FontImage font;
    Import(faces, {Edition::Latin, kWideBig, false, ScopeBlocks(LoadScope{6}, Edition::Latin)},
           font);
    for (int slot = 0; slot < 26; ++slot) {
        for (int r = 1; r <= 15; ++r) {
            const uint16_t normal = font.wide[0][slot][r];
            EXPECT_EQ(font.wide[4][slot][r], normal | (normal >> 1));
        }
    }
    // Ink in the last column is pushed out, and that is reported.
    GlyphRows rows{};
    rows[3] = 0x0003;
    EXPECT_TRUE(Embolden(rows, kWideBig));
    EXPECT_EQ(rows[3], 0x0003);
}

TEST(FontImport, OnlyTheScopesBlocksChangeAndASingleWeightLayoutKeepsItsBold) {
    ImportFaces faces = Open(Request(kTerminus12), kNarrowNormal);
    FontImage font;
    font.narrow[0][0][1] = 0x11;
    font.narrow[2][0][1] = 0x22;
    font.narrow[3][0][1] = 0x33;
    Import(faces,
           {Edition::Cyrillic, kNarrowNormal, true, ScopeBlocks(LoadScope{6}, Edition::Cyrillic)},
           font);
    EXPECT_NE(font.narrow[0][0][1], 0x11);
    EXPECT_EQ(font.narrow[2][0][1], 0x22);
    Import(faces,
           {Edition::Cyrillic, kNarrowNormal, false, ScopeBlocks(LoadScope{1}, Edition::Cyrillic)},
           font);
    EXPECT_EQ(font.narrow[3][0][1], 0x33);
    EXPECT_NE(font.narrow[1][0][0], 0);
}

TEST(FontImport, FontsThatCannotBeOpenedAreNamedWithTheReason) {
    ImportFaces faces;
    Status status = OpenImportFaces(Request("/no/such/font.ttf"), kNarrowNormal, faces);
    EXPECT_EQ(status.Line(kEnglish), "/no/such/font.ttf: File not found");
    status = OpenImportFaces(Request("/etc/hostname"), kNarrowNormal, faces);
    EXPECT_EQ(status.Line(kEnglish), "/etc/hostname: Not a font FreeType can read");
    status = OpenImportFaces(Request("No Such Family Anywhere"), kNarrowNormal, faces);
    EXPECT_EQ(status.Line(kEnglish),
              "No Such Family Anywhere: No installed font matches this name");
    status = OpenImportFaces(Request("Terminus:style=Nonexistent"), kNarrowNormal, faces);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(faces.normal, nullptr);
}

// A strike of 2, 4 or 8 bits a pixel used to import as an empty font without a word.
TEST(FontImport, GreyStrikesBecomeInkFromTheMiddleGreyLevelOn) {
    testing::TempDir dir;
    const std::vector<std::pair<int, std::vector<int>>> strikes = {
        {1, {0, 0, 1, 1}}, {2, {0, 1, 2, 3}}, {4, {0, 7, 8, 15}}, {8, {0, 127, 128, 255}}};
    for (const auto& [bits, levels] : strikes) {
        SCOPED_TRACE(bits);
        const std::string path = dir.File("grey" + std::to_string(bits) + ".bdf");
        const std::string bdf = testing::GreyBdf(bits, levels);
        testing::WriteBytes(path, std::vector<uint8_t>(bdf.begin(), bdf.end()));
        ImportFaces faces = Open(Request(path, std::nullopt, true), kWideBig);
        ASSERT_NE(faces.normal, nullptr);
        const std::optional<MonoBitmap> bitmap = faces.normal->Render(U'A');
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->ink, (std::vector<uint8_t>{0, 0, 1, 1}));

        FontImage font;
        const FontImportReport report =
            Import(faces, {Edition::Latin, kWideBig, false, BlockSet{0}}, font);
        const GlyphRows rows = LoadGlyphRows(font, kWideBig, GlyphSlot{0, 0});
        EXPECT_EQ(InkCount(rows), 2);
        EXPECT_EQ(rows[faces.baseline], 0x6000);  // columns 1 and 2, on the baseline
        ASSERT_FALSE(report.problems.empty());    // B..Z are missing, A is not
        EXPECT_NE(report.problems[0].code, U'A');
    }
}

// A 29 KB font whose glyphs claimed tens of thousands of pixels a side ran an import for minutes
// and hundreds of megabytes: such a glyph is measured first and refused undrawn.
TEST(FontImport, AGlyphFarLargerThanTheCellIsRefusedAsClippedWithoutBeingDrawn) {
    testing::TempDir dir;
    const std::string path = dir.File("huge.ttf");
    testing::WriteBytes(path, testing::OversizedTrueType());
    ImportFaces faces = Open(Request(path, std::nullopt, false, 16, 12), kWideBig);
    ASSERT_NE(faces.normal, nullptr);
    const std::optional<MonoBitmap> bitmap = faces.normal->Render(U'A');
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(bitmap->oversized);
    EXPECT_TRUE(bitmap->ink.empty());
    EXPECT_EQ(MaxGlyphBitmapSide(kWideBig), 64);
    EXPECT_EQ(MaxGlyphBitmapSide(kNarrowNormal), 48);

    FontImage font;
    font.wide[0][0][3] = 0x1234;
    const FontImportReport report =
        Import(faces, {Edition::Latin, kWideBig, false, BlockSet{0, 4}}, font);
    ASSERT_EQ(report.problems.size(), 26u);
    for (const ImportProblem& p : report.problems) {
        EXPECT_TRUE(p.clipped_normal && p.clipped_bold) << char(p.code);
        EXPECT_FALSE(p.missing_normal || p.missing_bold) << char(p.code);
    }
    EXPECT_EQ(DescribeImportProblems(report, kEnglish)[0], "U+0041 A: clipped");
    EXPECT_EQ(font, FontImage{});
}

TEST(FontImport, DefaultBaselineIsHLessTheRoundedDescenderWithinTheCell) {
    EXPECT_EQ(DefaultBaseline(kNarrowNormal, -2 * 64), 9);
    EXPECT_EQ(DefaultBaseline(kNarrowNormal, -(2 * 64 + 40)), 8);  // 2.6 rounds to 3
    EXPECT_EQ(DefaultBaseline(kNarrowNormal, -(2 * 64 + 20)), 9);
    EXPECT_EQ(DefaultBaseline(kNarrowNormal, -40 * 64), 1);
    EXPECT_EQ(DefaultBaseline(kNarrowNormal, 3 * 64), 11);
}

}  // namespace
}  // namespace rw
