#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "io/file_io.h"
#include "model/block_set.h"
#include "model/font_image.h"

namespace rw {

// Which weight of the narrow file becomes the normal weight of the wide table.
enum class SftWeight { Thin, Bold };

// Puts the narrow glyphs of a whole .sft image into the left half of the wide table. Words 0..12
// of every wide slot are cleared first, whatever the scope; words 13..15 are kept.
void ConvertSftToWide(std::span<const uint8_t> sft, SftWeight weight, BlockSet blocks,
                      FontImage& font);

// The two conversions from a file; a failed read leaves the font as it was.
Status LoadThinSftAsSbf(const std::string& path, BlockSet blocks, FontImage& font,
                        FileSystem& fs = SystemFileSystem());
Status LoadBoldSftAsSbf(const std::string& path, BlockSet blocks, FontImage& font,
                        FileSystem& fs = SystemFileSystem());

}  // namespace rw
