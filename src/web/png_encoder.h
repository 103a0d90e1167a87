#pragma once

#include <cstdint>
#include <vector>

#include "editor/rgb_images.h"

namespace rw::web {

// The picture as a PNG file: 8-bit RGB, no filter, stored (uncompressed) deflate blocks. The
// browser's own encoder may convert colours; this one writes the pixels exactly as they are, so
// that a sheet read back gives the same font.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace rw::web
