#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/picture.h"

namespace rw {

// A picture of any size, 8-bit RGB, row by row.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes
};

// A picture with transparency, 8 bits per channel, row by row, as a PNG decoder hands it over.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes
};

// Thumbnails side by side in one row, slot s at x = 16 * s * scale, each font pixel a
// scale x scale square.
RgbImage ThumbnailSheet(std::span<const Picture16> pictures, int scale);

// Binary PPM: "P6\n<width> <height>\n255\n" and the pixels.
std::vector<uint8_t> EncodePpm(const RgbImage& image);

}  // namespace rw
