#include "io/sft_conversion.h"

#include <vector>

#include "io/font_files.h"

namespace rw {
namespace {

constexpr int kCyrillicBlocks = BlockCount(Edition::Cyrillic);
constexpr int kCyrillicSlots = SlotCount(Edition::Cyrillic);
constexpr int kConvertedWords = 13;  // header and rows 1..12

// "Bold" swaps the weights: file blocks 0,1,2,3 go to blocks 2,3,0,1.
int DestinationBlock(int file_block, SftWeight weight) {
    return weight == SftWeight::Thin ? file_block : (file_block + 2) % 4;
}

Status LoadSftAsWide(const std::string& path, SftWeight weight, BlockSet blocks, FontImage& font,
                     FileSystem& fs) {
    std::vector<uint8_t> bytes;
    Status status = ReadFontFileBytes(fs, path, FontFileFormat::Sft, &bytes);
    if (!status.ok()) return status;
    ConvertSftToWide(bytes, weight, blocks, font);
    return Status::Ok();
}

}  // namespace

void ConvertSftToWide(std::span<const uint8_t> sft, SftWeight weight, BlockSet blocks,
                      FontImage& font) {
    for (int block = 0; block < kCyrillicBlocks; ++block) {
        for (int slot = 0; slot < kCyrillicSlots; ++slot) {
            for (int w = 0; w < kConvertedWords; ++w) font.wide[block][slot][w] = 0;
        }
    }
    size_t at = 0;
    for (int file_block = 0; file_block < kCyrillicBlocks; ++file_block) {
        const int block = DestinationBlock(file_block, weight);
        for (int slot = 0; slot < kCyrillicSlots; ++slot, at += 13) {
            if (!blocks.Contains(block)) continue;
            WideGlyph& glyph = font.wide[block][slot];
            glyph[0] = sft[at];
            for (int row = 1; row <= 12; ++row)
                glyph[row] = static_cast<uint16_t>(sft[at + row] << 8);
        }
    }
}

Status LoadThinSftAsSbf(const std::string& path, BlockSet blocks, FontImage& font, FileSystem& fs) {
    return LoadSftAsWide(path, SftWeight::Thin, blocks, font, fs);
}

Status LoadBoldSftAsSbf(const std::string& path, BlockSet blocks, FontImage& font, FileSystem& fs) {
    return LoadSftAsWide(path, SftWeight::Bold, blocks, font, fs);
}

}  // namespace rw
