#include "io/font_files.h"

#include <algorithm>
#include <cctype>

#include "io/safe_replace.h"

namespace rw {
namespace {

constexpr int kNarrowSlotBytes = 13;
constexpr int kWideSlotBytes = 32;

struct TableShape {
    bool wide;
    int blocks;
    int slots;
};

TableShape ShapeOf(FontFileFormat format) {
    switch (format) {
        case FontFileFormat::Sft:
            return {false, 4, 34};
        case FontFileFormat::Sbf:
            return {true, 4, 34};
        case FontFileFormat::Sfe:
            return {true, 8, 37};
    }
    return {false, 4, 34};
}

// "not a .sft font file (N bytes)…", after the file's name: the extension and the file's size.
Message NotAFontFile(MessageId id, FontFileFormat format, int64_t size) {
    return {id, {FontFileExtension(format), std::to_string(size)}};
}

}  // namespace

std::optional<FontFileFormat> FontFileFormatOfName(const std::string& path) {
    const std::string name = BaseNameOf(path);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return std::nullopt;
    std::string extension = name.substr(dot);
    // Names from other systems often carry their extension in capitals.
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (FontFileFormat format : {FontFileFormat::Sft, FontFileFormat::Sbf, FontFileFormat::Sfe}) {
        if (extension == FontFileExtension(format)) return format;
    }
    return std::nullopt;
}

Edition FontFileEdition(FontFileFormat format) {
    return format == FontFileFormat::Sfe ? Edition::Latin : Edition::Cyrillic;
}

bool FontFileIsWide(FontFileFormat format) {
    return ShapeOf(format).wide;
}

FontFileFormat FontFileFormatFor(Edition edition, bool wide) {
    if (edition == Edition::Latin) return FontFileFormat::Sfe;
    return wide ? FontFileFormat::Sbf : FontFileFormat::Sft;
}

size_t FontFileSize(FontFileFormat format) {
    const TableShape shape = ShapeOf(format);
    return static_cast<size_t>(shape.blocks) * shape.slots *
           (shape.wide ? kWideSlotBytes : kNarrowSlotBytes);
}

const char* FontFileExtension(FontFileFormat format) {
    switch (format) {
        case FontFileFormat::Sft:
            return ".sft";
        case FontFileFormat::Sbf:
            return ".sbf";
        case FontFileFormat::Sfe:
            return ".sfe";
    }
    return "";
}

std::vector<uint8_t> SerializeFontFile(FontFileFormat format, const FontImage& font) {
    const TableShape shape = ShapeOf(format);
    std::vector<uint8_t> bytes;
    bytes.reserve(FontFileSize(format));
    for (int block = 0; block < shape.blocks; ++block) {
        for (int slot = 0; slot < shape.slots; ++slot) {
            if (!shape.wide) {
                const NarrowGlyph& g = font.narrow[block][slot];
                bytes.insert(bytes.end(), g.begin(), g.end());
                continue;
            }
            for (uint16_t word : font.wide[block][slot]) {
                bytes.push_back(static_cast<uint8_t>(word & 0xFF));
                bytes.push_back(static_cast<uint8_t>(word >> 8));
            }
        }
    }
    return bytes;
}

void MergeFontFile(FontFileFormat format, std::span<const uint8_t> bytes, BlockSet blocks,
                   FontImage& font) {
    const TableShape shape = ShapeOf(format);
    if (!shape.wide) font.ClearNarrow();
    size_t at = 0;
    for (int block = 0; block < shape.blocks; ++block) {
        for (int slot = 0; slot < shape.slots; ++slot) {
            const bool take = blocks.Contains(block);
            if (!shape.wide) {
                if (take)
                    std::copy_n(bytes.begin() + at, kNarrowSlotBytes,
                                font.narrow[block][slot].begin());
                at += kNarrowSlotBytes;
                continue;
            }
            for (uint16_t& word : font.wide[block][slot]) {
                if (take) word = static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
                at += 2;
            }
        }
    }
}

Status ReadFontFileBytes(FileSystem& fs, const std::string& path, FontFileFormat format,
                         std::vector<uint8_t>* bytes) {
    File file(fs, path);
    Status status = file.OpenForReading();
    // Under a shared lock no save into the file is half done while it is read.
    if (status.ok()) status = file.LockShared();
    int64_t size = 0;
    if (status.ok()) status = file.Size(&size);
    if (!status.ok()) return status;
    if (size > kLargestFontFile)
        return Status::Failure(path, NotAFontFile(MessageId::NotAFontFileToLoad, format, size));
    std::vector<uint8_t> buffer(FontFileSize(format));
    status = file.ReadAt(0, buffer);
    if (status.ok()) status = file.Close();
    if (status.ok()) *bytes = std::move(buffer);
    return status;
}

Status ReadFontFile(const std::string& path, FontFileFormat format, BlockSet blocks,
                    FontImage& font, FileSystem& fs) {
    std::vector<uint8_t> bytes;
    Status status = ReadFontFileBytes(fs, path, format, &bytes);
    if (!status.ok()) return status;
    MergeFontFile(format, bytes, blocks, font);
    return Status::Ok();
}

Status WriteFontFile(const std::string& path, FontFileFormat format, const FontImage& font,
                     FileSystem& fs) {
    const std::vector<uint8_t> bytes = SerializeFontFile(format, font);
    // A file of another size is no font file of this format, most likely a fullflash chosen by
    // mistake: replacing it would lose megabytes for a few kilobytes.
    return ReplaceFile(fs, path, bytes, [&](const FileInfo& existing) {
        if (static_cast<size_t>(existing.size) == FontFileSize(format)) return Status::Ok();
        return Status::Failure(
            path, NotAFontFile(MessageId::NotAFontFileToReplace, format, existing.size));
    });
}

std::string FontFileNameFor(const std::string& path, FontFileFormat format) {
    return WithExtension(path, FontFileExtension(format));
}

}  // namespace rw
