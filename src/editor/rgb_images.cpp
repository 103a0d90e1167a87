#include "editor/rgb_images.h"

#include <string>

namespace rw {

RgbImage ThumbnailSheet(std::span<const Picture16> pictures, int scale) {
    constexpr int kSize = Picture16::kSize;
    RgbImage image;
    image.width = static_cast<int>(pictures.size()) * kSize * scale;
    image.height = kSize * scale;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = image.rgb.data() + static_cast<size_t>(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x) {
            const int slot = x / (kSize * scale);
            const Rgb c = pictures[slot].At((x / scale) % kSize, y / scale);
            uint8_t* pixel = row + 3 * static_cast<size_t>(x);
            pixel[0] = c.r;
            pixel[1] = c.g;
            pixel[2] = c.b;
        }
    }
    return image;
}

std::vector<uint8_t> EncodePpm(const RgbImage& image) {
    const std::string header =
        "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
    std::vector<uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), image.rgb.begin(), image.rgb.end());
    return out;
}

}  // namespace rw
