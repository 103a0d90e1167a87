// Patches: reading the largest real patch of the corpus (target at least 50 MB/s on one core),
// and exporting a whole redrawn Latin Big font against a 16 MiB fullflash (target under 2 ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bench_image.h"
#include "patch/patch_reader.h"
#include "patch/patch_writer.h"

namespace {

using namespace rw;

// The largest .vkp of the corpus; empty when the corpus is not beside the project.
std::string LargestCorpusPatch() {
    const std::filesystem::path corpus = RUNEWRIGHT_VKP_CORPUS;
    std::filesystem::path largest;
    uintmax_t largest_size = 0;
    if (!std::filesystem::is_directory(corpus)) return {};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() != ".vkp" || entry.file_size() <= largest_size) continue;
        largest = entry.path();
        largest_size = entry.file_size();
    }
    std::ifstream in(largest, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_ReadLargestCorpusPatch(benchmark::State& state) {
    static const std::string text = LargestCorpusPatch();
    if (text.empty()) {
        state.SkipWithError("no corpus at " RUNEWRIGHT_VKP_CORPUS ": skipped");
        return;
    }
    for (auto _ : state) {
        Patch patch;
        Status status = ReadPatchText(text, "largest.vkp", &patch);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(patch);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_ExportRedrawnLatinBigFont(benchmark::State& state) {
    const FontPlace place = FontPlace::Of(Edition::Latin, {PhoneModel::M50, FontKind::Big});
    FontImage font;
    std::mt19937 rng(11);
    for (auto& block : font.wide) {
        for (auto& glyph : block) {
            for (auto& row : glyph) row = static_cast<uint16_t>(rng());
        }
    }
    FontPatch patch;
    for (auto _ : state) {
        Status status = ExportFontPatch(rw::bench::RandomImagePath(), place, font, &patch);
        benchmark::DoNotOptimize(status);
    }
    state.counters["lines"] = patch.lines;
    state.counters["glyphs"] = static_cast<double>(patch.glyphs.size());
}

BENCHMARK(BM_ReadLargestCorpusPatch);
BENCHMARK(BM_ExportRedrawnLatinBigFont)->Unit(benchmark::kMicrosecond);

}  // namespace
