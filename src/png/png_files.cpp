#include "png/png_files.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "io/whole_file.h"

namespace rw {
namespace {

// Pictures past this many pixels per side or in all are refused before decoding: the largest
// font sheet (Latin at scale 16) has 10064 x 2048, and a crafted header must not make the decoder
// allocate gigabytes.
constexpr png_uint_32 kMaxSide = 16384;
constexpr uint64_t kMaxPixels = uint64_t{1} << 25;

// The size an IHDR chunk gives, read here rather than by libpng, which refuses what passes its
// own limits as damaged data.
struct PictureSize {
    uint64_t width = 0;
    uint64_t height = 0;

    bool TooLarge() const {
        return width > kMaxSide || height > kMaxSide || width * height > kMaxPixels;
    }
};

uint32_t BigEndian(const uint8_t* bytes) {
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

// The eight signature bytes, then the IHDR chunk: length 13, type, width, height (big-endian).
std::optional<PictureSize> SizeInHeader(std::span<const uint8_t> bytes) {
    constexpr size_t kHeaderBytes = 8 + 4 + 4 + 4 + 4;
    if (bytes.size() < kHeaderBytes || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    if (BigEndian(bytes.data() + 8) != 13 || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0)
        return std::nullopt;
    const PictureSize size{BigEndian(bytes.data() + 16), BigEndian(bytes.data() + 20)};
    if (size.width == 0 || size.height == 0) return std::nullopt;
    return size;
}

// libpng's reader for whole pictures: it converts any colour type to 8-bit RGBA, and keeps what
// it has to say in the image instead of printing it.
class PngDecoder {
  public:
    PngDecoder() { image_.version = PNG_IMAGE_VERSION; }
    ~PngDecoder() { png_image_free(&image_); }
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    bool ReadHeader(std::span<const uint8_t> bytes) {
        return png_image_begin_read_from_memory(&image_, bytes.data(), bytes.size()) != 0;
    }
    bool Decode(RgbaImage& picture) {
        image_.format = PNG_FORMAT_RGBA;
        picture.width = static_cast<int>(image_.width);
        picture.height = static_cast<int>(image_.height);
        picture.rgba.resize(PNG_IMAGE_SIZE(image_));
        return png_image_finish_read(&image_, nullptr, picture.rgba.data(), 0, nullptr) != 0;
    }

  private:
    png_image image_{};
};

}  // namespace

std::optional<Message> PngCodec::Encode(const RgbImage& image, std::vector<uint8_t>& bytes) {
    png_image picture{};
    picture.version = PNG_IMAGE_VERSION;
    picture.width = static_cast<png_uint_32>(image.width);
    picture.height = static_cast<png_uint_32>(image.height);
    picture.format = PNG_FORMAT_RGB;
    const png_int_32 row_bytes = image.width * 3;
    // The first call only measures, the second encodes into a buffer of that size.
    png_alloc_size_t size = 0;
    std::vector<uint8_t> encoded;
    bool done = image.width > 0 && image.height > 0 &&
                image.rgb.size() >= static_cast<size_t>(row_bytes) * image.height &&
                png_image_write_to_memory(&picture, nullptr, &size, 0, image.rgb.data(), row_bytes,
                                          nullptr) != 0;
    if (done) {
        encoded.resize(size);
        done = png_image_write_to_memory(&picture, encoded.data(), &size, 0, image.rgb.data(),
                                         row_bytes, nullptr) != 0;
    }
    png_image_free(&picture);
    if (!done) return Message{MessageId::PngEncodingFailed, {}};
    encoded.resize(size);
    bytes = std::move(encoded);
    return std::nullopt;
}

std::optional<Message> PngCodec::Decode(std::span<const uint8_t> bytes,
                                        const PictureSizeCheck& accept_size, RgbaImage& image) {
    const std::optional<PictureSize> size = SizeInHeader(bytes);
    if (!size) return kNotAPng;
    if (size->TooLarge()) return kPictureTooLarge;
    if (accept_size) {
        if (auto refused =
                accept_size(static_cast<int>(size->width), static_cast<int>(size->height)))
            return refused;
    }
    PngDecoder decoder;
    RgbaImage decoded;
    if (!decoder.ReadHeader(bytes) || !decoder.Decode(decoded)) return kNotAPng;
    image = std::move(decoded);
    return std::nullopt;
}

Status WritePng(const std::string& path, const RgbImage& image, FileSystem& fs) {
    std::vector<uint8_t> bytes;
    if (auto failure = PngCodec().Encode(image, bytes)) return Status::Failure(path, *failure);
    return WriteFileAtomically(fs, path, bytes);
}

Status ReadPng(const std::string& path, RgbaImage& image, const PictureSizeCheck& accept_size,
               FileSystem& fs) {
    std::vector<uint8_t> bytes;
    const Status status = ReadWholeFile(fs, path, kMaxPictureFileSize, kPictureTooLarge, bytes);
    if (!status.ok()) return status;
    if (auto failure = PngCodec().Decode(bytes, accept_size, image))
        return Status::Failure(path, *failure);
    return Status::Ok();
}

}  // namespace rw
