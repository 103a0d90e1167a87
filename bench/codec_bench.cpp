// Whole-font load and save on a 16 MiB fullflash, beside two I/O floors that read the same records
// without decoding: one read per record, and the loader's merged reads.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_image.h"
#include "io/flash_codec.h"

namespace {

using namespace rw;

struct Case {
    Edition edition;
    PhoneModel model;
    FontKind kind;
};

// The layouts that move the most bytes: Latin Big (250 records of 33 bytes) and the
// two-weight wide Cyrillic Normal of M 50 (136 records of 25 bytes).
const Case kCases[] = {{Edition::Latin, PhoneModel::M50, FontKind::Big},
                       {Edition::Cyrillic, PhoneModel::M50, FontKind::Normal}};

void BM_LoadWholeFont(benchmark::State& state) {
    const Case c = kCases[state.range(0)];
    const FontLayout layout = LookupLayout(c.edition, c.model, c.kind);
    FontImage font;
    for (auto _ : state) {
        Status s =
            ReadFlashFont(bench::RandomImagePath(), c.edition, layout, BlockSet::FirstN(8), font);
        benchmark::DoNotOptimize(s);
    }
}

void BM_IoFloor(benchmark::State& state) {
    const Case c = kCases[state.range(0)];
    const FontLayout layout = LookupLayout(c.edition, c.model, c.kind);
    const auto records = RecordsToRead(c.edition, layout, BlockSet::FirstN(8));
    const int payload = RecordPayloadLength(layout);
    std::vector<uint8_t> buffer(payload);
    for (auto _ : state) {
        const int fd = ::open(bench::RandomImagePath().c_str(), O_RDONLY);
        for (const FlashRecord& r : records) {
            benchmark::DoNotOptimize(::pread(fd, buffer.data(), payload, r.position));
        }
        ::close(fd);
    }
}

// The least I/O that fetches the same records: the loader's own merged reads, no decoding.
void BM_IoFloorMerged(benchmark::State& state) {
    const Case c = kCases[state.range(0)];
    const FontLayout layout = LookupLayout(c.edition, c.model, c.kind);
    const auto ranges = CoalescedReads(RecordsToRead(c.edition, layout, BlockSet::FirstN(8)),
                                       RecordPayloadLength(layout));
    std::vector<uint8_t> buffer;
    for (auto _ : state) {
        const int fd = ::open(bench::RandomImagePath().c_str(), O_RDONLY);
        for (const ByteRange& r : ranges) {
            buffer.resize(static_cast<size_t>(r.end - r.begin));
            benchmark::DoNotOptimize(::pread(fd, buffer.data(), buffer.size(), r.begin));
        }
        ::close(fd);
    }
}

void BM_SaveWholeFont(benchmark::State& state) {
    const Case c = kCases[state.range(0)];
    const FontLayout layout = LookupLayout(c.edition, c.model, c.kind);
    FontImage font;
    IgnoreFailure(
        ReadFlashFont(bench::RandomImagePath(), c.edition, layout, BlockSet::FirstN(8), font));
    for (auto _ : state) {
        Status s = WriteFlashFont(bench::RandomImagePath(), c.edition, layout, font);
        benchmark::DoNotOptimize(s);
    }
}

BENCHMARK(BM_LoadWholeFont)->Arg(0)->Arg(1);
BENCHMARK(BM_IoFloor)->Arg(0)->Arg(1);
BENCHMARK(BM_IoFloorMerged)->Arg(0)->Arg(1);
BENCHMARK(BM_SaveWholeFont)->Arg(0)->Arg(1);

}  // namespace
