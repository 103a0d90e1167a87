// A whole Latin font, both weights, imported from DejaVu Sans at 16 pixels, beside the time
// FreeType alone takes to render the same glyphs: the import should cost little on top. And a
// crafted font whose glyphs claim 32000 pixels a side: refused undrawn, its import stays as cheap.
#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <fstream>
#include <vector>

#include "crafted_fonts.h"
#include "editor/glyph_import.h"
#include "fontimport/import_faces.h"
#include "model/character_sets.h"
#include "model/load_scope.h"

namespace rw {
namespace {

const char* const kRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr GlyphCell kCell{16, 15};

std::vector<char32_t> LatinCharacters() {
    std::vector<char32_t> codes;
    for (int set = 0; set < 4; ++set) {
        for (int slot = 0; slot < SlotCount(Edition::Latin); ++slot) {
            if (const auto code = CodePoint(Edition::Latin, set, slot)) codes.push_back(*code);
        }
    }
    return codes;
}

// Imports every block of the Latin font, both weights, from the faces of the request.
void ImportWholeLatinFont(benchmark::State& state, const FontImportRequest& request) {
    ImportFaces faces;
    if (!OpenImportFaces(request, kCell, faces).ok()) {
        state.SkipWithError("the font did not open");
        return;
    }
    const FontImportTarget target{Edition::Latin, kCell, false,
                                  ScopeBlocks(LoadScope{6}, Edition::Latin)};
    FontImage font;
    for (auto _ : state) {
        ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, font);
        benchmark::DoNotOptimize(font);
    }
}

void BM_ImportLatinFontFromDejaVuSans(benchmark::State& state) {
    ImportWholeLatinFont(state, {kRegular, kBold, false, 16, std::nullopt});
}
BENCHMARK(BM_ImportLatinFontFromDejaVuSans)->Unit(benchmark::kMicrosecond);

void BM_FreeTypeAloneRendersTheSameGlyphs(benchmark::State& state) {
    FT_Library library = nullptr;
    FT_Init_FreeType(&library);
    FT_Face faces[2] = {nullptr, nullptr};
    if (FT_New_Face(library, kRegular, 0, &faces[0]) || FT_New_Face(library, kBold, 0, &faces[1])) {
        state.SkipWithError("DejaVu Sans is not installed");
        return;
    }
    for (FT_Face face : faces) FT_Set_Pixel_Sizes(face, 0, 16);
    const std::vector<char32_t> codes = LatinCharacters();
    for (auto _ : state) {
        for (FT_Face face : faces) {
            for (char32_t code : codes) {
                FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
                benchmark::DoNotOptimize(face->glyph->bitmap.buffer);
            }
        }
    }
    for (FT_Face face : faces) FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_FreeTypeAloneRendersTheSameGlyphs)->Unit(benchmark::kMicrosecond);

void BM_ImportLatinFontFromOversizedGlyphs(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "runewright-bench-oversized.ttf").string();
    const std::vector<uint8_t> font_file = testing::OversizedTrueType();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(font_file.data()),
               static_cast<std::streamsize>(font_file.size()));
    ImportWholeLatinFont(state, {path, std::nullopt, false, 16, std::nullopt});
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportLatinFontFromOversizedGlyphs)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rw
