#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "edition/message.h"
#include "editor/rgb_images.h"

namespace rw {

// What a reader requires of a picture's size, asked with the size in the file's header before
// anything is decoded: the reason to refuse it, or nullopt.
using PictureSizeCheck = std::function<std::optional<Message>(int width, int height)>;

// Pictures past this many bytes are refused before they are read.
inline constexpr int64_t kMaxPictureFileSize = 64 << 20;

inline const Message kNotAPng{MessageId::NotAPng, {}};
inline const Message kPictureTooLarge{MessageId::PictureTooLarge, {}};

// The picture format of the font sheets, as the core sees it: bytes in, pixels out, and back.
// The file work around it (reading the whole file, replacing it atomically) is the core's, so a
// front end without a disk hands in its own file system and this port alone.
class PictureCodec {
  public:
    virtual ~PictureCodec() = default;
    // The picture the bytes hold, as 8-bit RGBA; or why they hold none, or one whose size
    // `accept_size` refuses (asked before decoding). `image` is left as it was on failure.
    virtual std::optional<Message> Decode(std::span<const uint8_t> bytes,
                                          const PictureSizeCheck& accept_size,
                                          RgbaImage& image) = 0;
    // The picture as the bytes of a file, or why it cannot be encoded.
    virtual std::optional<Message> Encode(const RgbImage& image, std::vector<uint8_t>& bytes) = 0;
};

}  // namespace rw
