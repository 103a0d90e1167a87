// Fullflash loads of every layout from images of any length, and a save back into the same
// image: the save either fails without touching a byte or changes only bytes inside records.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "io/flash_codec.h"
#include "io/memory_file_system.h"
#include "model/load_scope.h"

using namespace rw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const Edition edition = data[0] & 1 ? Edition::Latin : Edition::Cyrillic;
    const PhoneModel model = static_cast<PhoneModel>((data[0] >> 1) % 6);
    const FontKind kind = static_cast<FontKind>(data[1] % 4);
    const LoadScope scope{static_cast<int8_t>(data[2] % (MaxLoadScope(edition) + 1))};
    const FontLayout real = LookupLayout(edition, model, kind);
    const FontLayout layout =
        MovedLayout(real, static_cast<int32_t>(data[2] % 16 - FirstRecordPosition(edition, real)));
    const auto records = RecordsToRead(edition, layout, ScopeBlocks(scope, edition));
    std::vector<uint8_t> image(data + 3, data + size);

    MemoryFileSystem fs;
    fs.Put("flash.bin", image);
    FontImage font;
    const FontImage empty;
    const Status load =
        ReadFlashFont("flash.bin", edition, layout, ScopeBlocks(scope, edition), font, fs);
    const bool long_enough =
        static_cast<int64_t>(image.size()) >= RequiredImageSize(records, layout);
    if (load.ok() != long_enough) std::abort();
    if (!load.ok() && !(font == empty)) std::abort();

    const Status save = WriteFlashFont("flash.bin", edition, layout, font, fs);
    // A save that ended, well or not, leaves no journal: nothing failed half-way in memory.
    if (fs.Get("flash.bin.rwj")) std::abort();
    const std::vector<uint8_t>& after = *fs.Get("flash.bin");
    if (after.size() != image.size()) std::abort();
    std::vector<bool> in_record(image.size());
    for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
        for (int i = 0; i < RecordPayloadLength(layout); ++i) {
            const int64_t p = r.position + i;
            if (p < static_cast<int64_t>(image.size())) in_record[p] = true;
        }
    }
    for (size_t i = 0; i < image.size(); ++i) {
        if (after[i] != image[i] && (!save.ok() || !in_record[i])) std::abort();
    }
    return 0;
}
