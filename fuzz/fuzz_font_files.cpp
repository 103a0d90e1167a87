// Font files of the three formats at any length: a load either takes the whole file or fails
// with "Read beyond end of file" and leaves the font alone; what loads saves back the same.
#include <cstdlib>
#include <vector>

#include "io/font_files.h"
#include "io/memory_file_system.h"

using namespace rw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const FontFileFormat format = static_cast<FontFileFormat>(data[0] % 3);
    const BlockSet blocks = BlockSet::FirstN(data[1] % 9);
    std::vector<uint8_t> bytes(data + 2, data + size);

    MemoryFileSystem fs;
    fs.Put("font", bytes);
    FontImage font;
    font.narrow[0][0][1] = 0x5A;
    const FontImage before = font;
    const Status status = ReadFontFile("font", format, blocks, font, fs);
    if (bytes.size() < FontFileSize(format)) {
        if (status.ok() || status.text() != kReadBeyondEnd || !(font == before)) std::abort();
        return 0;
    }
    if (!status.ok()) std::abort();
    if (blocks == BlockSet::FirstN(8)) {
        const std::vector<uint8_t> saved = SerializeFontFile(format, font);
        if (!std::equal(saved.begin(), saved.end(), bytes.begin())) std::abort();
    }
    if (!WriteFontFile("copy", format, font, fs).ok()) std::abort();
    if (fs.Get("copy")->size() != FontFileSize(format)) std::abort();
    return 0;
}
