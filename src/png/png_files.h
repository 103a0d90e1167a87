#pragma once

#include <string>

#include "editor/font_sheet.h"
#include "editor/picture_files.h"
#include "io/file_io.h"
#include "io/status.h"

namespace rw {

// PNG pictures through Qt's image codecs. They need no application object, so the command-line
// tool uses them as well as the window.

// Writes the picture as a truecolour PNG, replacing any file of that name atomically.
Status WritePng(const std::string& path, const RgbImage& image,
                FileSystem& fs = SystemFileSystem());

// Reads a PNG file of any colour type as 8-bit RGBA. A file that is no PNG picture fails with
// "Not a PNG picture" and leaves `image` as it was.
Status ReadPng(const std::string& path, RgbaImage& image, FileSystem& fs = SystemFileSystem());

inline const Message kNotAPng{MessageId::NotAPng, {}};

}  // namespace rw
