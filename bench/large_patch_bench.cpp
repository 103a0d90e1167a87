// The largest patch the reader takes: 64 MiB of one-byte lines at adjacent addresses, the
// worst case for the cost a line. Reading it (target at least 50 MB/s), applying it to a 16 MiB
// fullflash (target under 2 s) and rolling back the journal a kill during that apply leaves
// (target under 1 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "io/rollback_journal.h"
#include "patch/patch_apply.h"
#include "patch/patch_reader.h"

namespace {

using namespace rw;

constexpr int64_t kImageSize = int64_t{16} << 20;

// "000000: 00 01\r\n" and so on for every address until the text fills 64 MiB.
const std::string& OneByteLinePatch() {
    static const std::string text = [] {
        std::string out;
        out.reserve(size_t{64} << 20);
        char line[32];
        for (int64_t address = 0;; ++address) {
            const int length = std::snprintf(line, sizeof line, "%06llX: 00 %02X\r\n",
                                             static_cast<unsigned long long>(address),
                                             static_cast<unsigned>((address * 7 + 1) & 0x7F) | 1);
            if (out.size() + static_cast<size_t>(length) > kLargestPatchFile) break;
            out.append(line, static_cast<size_t>(length));
        }
        return out;
    }();
    return text;
}

const Patch& ReadOnce() {
    static const Patch patch = [] {
        Patch read;
        IgnoreFailure(ReadPatchText(OneByteLinePatch(), "big.vkp", &read));
        return read;
    }();
    return patch;
}

std::string ZeroImage() {
    const std::string path = "/tmp/runewright-bench-zero-" + std::to_string(getpid()) + ".bin";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::vector<uint8_t> zeros(static_cast<size_t>(kImageSize));
    std::fwrite(zeros.data(), 1, zeros.size(), f);
    std::fclose(f);
    return path;
}

void BM_ReadOneByteLinePatch(benchmark::State& state) {
    const std::string& text = OneByteLinePatch();
    for (auto _ : state) {
        Patch patch;
        Status status = ReadPatchText(text, "big.vkp", &patch);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(patch);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_ApplyOneByteLinePatch(benchmark::State& state) {
    const Patch& patch = ReadOnce();
    const std::string image = ZeroImage();
    for (auto _ : state) {
        PatchOutcome outcome;
        Status status = ApplyPatchToFlash(image, patch, {PatchDirection::Apply, false}, &outcome);
        if (!status.ok()) state.SkipWithError(status.Line(kEnglish).c_str());
        state.PauseTiming();
        // Back to zeros for the next round.
        Status undone = ApplyPatchToFlash(image, patch, {PatchDirection::Undo, false}, &outcome);
        if (!undone.ok()) state.SkipWithError(undone.Line(kEnglish).c_str());
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(patch.lines.size());
    std::remove(image.c_str());
}

void BM_RollBackOneByteLinePatchJournal(benchmark::State& state) {
    const Patch& patch = ReadOnce();
    const std::string image = ZeroImage();
    FileSystem& fs = SystemFileSystem();
    std::string journal_path;
    IgnoreFailure(LocateJournal(fs, image, &journal_path));
    for (auto _ : state) {
        state.PauseTiming();
        // The journal an apply writes before its first byte, and the dump as a kill leaves it.
        PatchOutcome outcome;
        std::vector<uint8_t> bytes(static_cast<size_t>(kImageSize));
        IgnoreFailure(
            ApplyPatchToImage(patch, "image", {PatchDirection::Apply, false}, &bytes, &outcome));
        FileInfo info;
        (void)fs.StatPath(image, &info);
        RollbackJournal journal{IdentityOf(info), {}};
        for (const JournalEntry& w : outcome.writes) {
            journal.changes.push_back(
                {w.position, std::vector<uint8_t>(w.bytes.size(), 0), w.bytes});
        }
        IgnoreFailure(WriteJournal(fs, journal_path, journal, info));
        state.ResumeTiming();
        Status status = RecoverInterruptedSave(fs, image);
        if (!status.ok()) state.SkipWithError(status.Line(kEnglish).c_str());
    }
    std::remove(image.c_str());
}

BENCHMARK(BM_ReadOneByteLinePatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ApplyOneByteLinePatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RollBackOneByteLinePatchJournal)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
