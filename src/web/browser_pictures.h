#pragma once

#include <optional>
#include <utility>

#include "editor/picture_codec.h"
#include "web/png_encoder.h"

namespace rw::web {

// The pictures of the page: the browser decodes a sheet before the core reads it (with no colour
// conversion, so the pixels stay exact) and hands the pixels in with the file; the core's read
// then takes them. Sheets are written by the encoder of stored blocks.
class BrowserPictures final : public PictureCodec {
  public:
    // The pixels of the picture the page hands in next.
    void Give(RgbaImage image) { given_ = std::move(image); }

    std::optional<Message> Decode(std::span<const uint8_t>, const PictureSizeCheck& accept_size,
                                  RgbaImage& image) override {
        if (!given_) return kNotAPng;
        RgbaImage decoded = std::move(*given_);
        given_.reset();
        const size_t size =
            static_cast<size_t>(decoded.width) * static_cast<size_t>(decoded.height);
        if (decoded.width <= 0 || decoded.height <= 0 || decoded.rgba.size() != size * 4)
            return kNotAPng;
        if (auto refused = accept_size(decoded.width, decoded.height)) return refused;
        image = std::move(decoded);
        return std::nullopt;
    }

    std::optional<Message> Encode(const RgbImage& image, std::vector<uint8_t>& bytes) override {
        bytes = EncodePng(image);
        return std::nullopt;
    }

  private:
    std::optional<RgbaImage> given_;
};

}  // namespace rw::web
