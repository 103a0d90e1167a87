// The largest patch the reader takes: 64 MiB of one-byte lines at adjacent addresses, the
// worst case for the cost a line. Reading it (target at least 50 MB/s), applying it to a 16 MiB
// fullflash (target under 2 s) and rolling back the journal a kill during that apply leaves
// (target under 1 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
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

// 64 MiB of lines of `bytes` old and `bytes` new bytes each, at adjacent addresses that wrap
// around a 16 MiB dump: reading must keep its pace whatever the line length.
std::string LongLinePatch(int bytes) {
    std::string out;
    out.reserve(size_t{64} << 20);
    const std::string old_hex(static_cast<size_t>(bytes) * 2, '0');
    std::string new_hex(static_cast<size_t>(bytes) * 2, '0');
    for (size_t i = 0; i < new_hex.size(); i += 2) new_hex[i + 1] = "123456789ABCDEF"[i / 2 % 15];
    char address[16];
    for (int64_t line = 0;; ++line) {
        std::snprintf(address, sizeof address,
                      "%06llX: ", static_cast<unsigned long long>((line * bytes) % kImageSize));
        const size_t length = std::strlen(address) + old_hex.size() + 1 + new_hex.size() + 2;
        if (out.size() + length > kLargestPatchFile) break;
        out += address;
        out += old_hex;
        out += ' ';
        out += new_hex;
        out += "\r\n";
    }
    return out;
}

void BM_ReadLongLinePatch(benchmark::State& state) {
    const std::string text = LongLinePatch(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Patch patch;
        Status status = ReadPatchText(text, "long.vkp", &patch);
        if (!status.ok()) state.SkipWithError(status.Line(kEnglish).c_str());
        benchmark::DoNotOptimize(patch);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_ReadOneByteLinePatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ApplyOneByteLinePatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RollBackOneByteLinePatchJournal)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadLongLinePatch)->Arg(32)->Arg(4096)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
