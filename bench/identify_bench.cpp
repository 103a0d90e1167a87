// Identifying the phone of a 16 MiB fullflash over every layout of an edition, beside the floor
// of reading each of those records once; and setting a 200-character line for the preview.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_image.h"
#include "edition/utf8.h"
#include "editor/text_preview.h"
#include "io/flash_codec.h"
#include "io/layout_identify.h"

namespace {

using namespace rw;

Edition EditionOf(const benchmark::State& state) {
    return state.range(0) == 0 ? Edition::Cyrillic : Edition::Latin;
}

void BM_IdentifyAllLayouts(benchmark::State& state) {
    const Edition edition = EditionOf(state);
    std::vector<LayoutScore> scores;
    for (auto _ : state) {
        Status s = IdentifyLayouts(bench::RandomImagePath(), edition, &scores);
        benchmark::DoNotOptimize(s);
    }
}

// Every distinct record of every layout of the edition, read once with one read each.
void BM_ReadEveryRecordOnce(benchmark::State& state) {
    const Edition edition = EditionOf(state);
    std::vector<std::pair<int64_t, int>> records;
    for (PhoneModel model : kAllPhoneModels) {
        for (FontKind kind : kAllFontKinds) {
            const FontLayout layout = LookupLayout(edition, model, kind);
            for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
                records.emplace_back(r.position, RecordPayloadLength(layout));
            }
        }
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    state.counters["records"] = static_cast<double>(records.size());
    std::vector<uint8_t> buffer(64);
    for (auto _ : state) {
        const int fd = ::open(bench::RandomImagePath().c_str(), O_RDONLY);
        for (const auto& [position, payload] : records) {
            benchmark::DoNotOptimize(::pread(fd, buffer.data(), payload, position));
        }
        ::close(fd);
    }
}

void BM_SetText200Characters(benchmark::State& state) {
    FontImage font;
    for (auto& block : font.narrow) {
        for (NarrowGlyph& glyph : block) glyph = NarrowGlyph{6, 0x78, 0x84, 0x84, 0xFC, 0x84};
    }
    const PreviewFont preview{.edition = Edition::Cyrillic, .font = &font, .working_slot = {0, 0}};
    std::u32string text;
    const std::u32string line = *DecodeUtf8(DefaultPreviewText(Edition::Cyrillic));
    while (text.size() < 200) text += line + U' ';
    text.resize(200);
    for (auto _ : state) {
        const TextPicture picture = SetText(text, preview, {});
        benchmark::DoNotOptimize(ScaledPicture(picture, kDefaultPreviewScale));
    }
}

BENCHMARK(BM_IdentifyAllLayouts)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadEveryRecordOnce)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetText200Characters)->Unit(benchmark::kMicrosecond);

}  // namespace
