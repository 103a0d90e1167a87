#pragma once

#include <functional>
#include <optional>
#include <string>

#include "editor/font_sheet.h"
#include "editor/picture_codec.h"
#include "editor/rgb_images.h"
#include "io/file_io.h"
#include "io/status.h"

namespace rw {

// PNG pictures, written and read through libpng, whose reader tells a picture's size before
// decoding it. Nothing libpng has to say reaches stderr: a picture that cannot be read or written
// is told in one message of ours.

// Writes the picture as a truecolour PNG, replacing any file of that name atomically.
Status WritePng(const std::string& path, const RgbImage& image,
                FileSystem& fs = SystemFileSystem());

// Reads a PNG file of any colour type as 8-bit RGBA. A file that is no PNG picture fails with
// "Not a PNG picture", one larger than any font sheet with "The picture is too large", and one
// whose size `accept_size` refuses with its reason, each before decoding; `image` is left as it
// was.
Status ReadPng(const std::string& path, RgbaImage& image, const PictureSizeCheck& accept_size,
               FileSystem& fs = SystemFileSystem());
inline Status ReadPng(const std::string& path, RgbaImage& image) {
    return ReadPng(path, image, nullptr);
}

// The same, as the picture port of the core's file commands.
class PngCodec final : public PictureCodec {
  public:
    std::optional<Message> Decode(std::span<const uint8_t> bytes,
                                  const PictureSizeCheck& accept_size, RgbaImage& image) override;
    std::optional<Message> Encode(const RgbImage& image, std::vector<uint8_t>& bytes) override;
};

}  // namespace rw
