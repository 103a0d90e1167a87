// A journal of any content beside a dump: the rollback never crashes nor allocates from a length
// it has not checked, and it writes into the dump only the old bytes of a whole journal of this
// very dump, at the places where the dump holds the journal's old or new bytes.
#include <cstdlib>
#include <vector>

#include "io/memory_file_system.h"
#include "io/rollback_journal.h"

using namespace rw;

namespace {

// A dump of 4096 bytes whose bytes 1000..1099 a save cut off had set to 0x55.
std::vector<uint8_t> TornDump() {
    std::vector<uint8_t> image(4096);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7);
    for (size_t i = 1000; i < 1100; ++i) image[i] = 0x55;
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> image = TornDump();
    MemoryFileSystem fs;
    fs.Put("dump.bin", image);  // device 1, inode 1
    fs.Put("dump.bin.rwj", std::vector<uint8_t>(data, data + size));
    const Status status = RecoverInterruptedSave(fs, "dump.bin");
    const std::vector<uint8_t>& after = *fs.Get("dump.bin");
    if (after.size() != image.size()) std::abort();
    if (!status.ok()) {
        if (after != image) std::abort();
        return 0;
    }
    const auto journal = DecodeJournal(std::span<const uint8_t>(data, size));
    if (!journal || fs.Get("dump.bin.rwj") != nullptr) std::abort();
    std::vector<bool> changed(image.size());
    for (const JournalChange& change : journal->changes) {
        for (size_t i = 0; i < change.before.size(); ++i) {
            const size_t at = static_cast<size_t>(change.position) + i;
            if (after[at] != change.before[i]) std::abort();
            const bool known = journal->first_format || image[at] == change.before[i] ||
                               image[at] == change.after[i];
            if (!known) std::abort();
            changed[at] = true;
        }
    }
    for (size_t i = 0; i < image.size(); ++i) {
        if (!changed[i] && after[i] != image[i]) std::abort();
    }
    return 0;
}
