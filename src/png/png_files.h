#pragma once

#include <functional>
#include <optional>
#include <string>

#include "editor/font_sheet.h"
#include "editor/picture_files.h"
#include "io/file_io.h"
#include "io/status.h"

namespace rw {

// PNG pictures, written and read through libpng, whose reader tells a picture's size before
// decoding it. Nothing libpng has to say reaches stderr: a picture that cannot be read or written
// is told in one message of ours.

// Writes the picture as a truecolour PNG, replacing any file of that name atomically.
Status WritePng(const std::string& path, const RgbImage& image,
                FileSystem& fs = SystemFileSystem());

// What a reader requires of a picture's size, asked with the size in the file's header before
// anything is decoded: the reason to refuse it, or nullopt.
using PictureSizeCheck = std::function<std::optional<Message>(int width, int height)>;

// Reads a PNG file of any colour type as 8-bit RGBA. A file that is no PNG picture fails with
// "Not a PNG picture", one larger than any font sheet with "The picture is too large", and one
// whose size `accept_size` refuses with its reason, each before decoding; `image` is left as it
// was.
Status ReadPng(const std::string& path, RgbaImage& image, const PictureSizeCheck& accept_size,
               FileSystem& fs = SystemFileSystem());
inline Status ReadPng(const std::string& path, RgbaImage& image) {
    return ReadPng(path, image, nullptr);
}

inline const Message kNotAPng{MessageId::NotAPng, {}};
inline const Message kPictureTooLarge{MessageId::PictureTooLarge, {}};

}  // namespace rw
