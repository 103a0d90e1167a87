#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "io/file_io.h"
#include "io/flash_codec.h"

namespace rw {

// The bytes of an image at a few stretches: what a patch checks and changes, without the rest of
// a 16 MiB dump.
class ImageExcerpt {
  public:
    ImageExcerpt() = default;

    // The stretches (sorted, disjoint, inside the image) of an image in memory.
    static ImageExcerpt Of(std::span<const uint8_t> image, std::vector<ByteRange> stretches);
    // The same read from an open file, one read a stretch.
    static Status Read(File& image, std::vector<ByteRange> stretches, ImageExcerpt* excerpt);

    // The bytes at [position, position + count), which must lie inside one stretch.
    std::span<uint8_t> At(int64_t position, size_t count);

    // The stretches it holds, sorted and disjoint.
    const std::vector<ByteRange>& stretches() const { return stretches_; }

    bool SameBytesAs(const ImageExcerpt& other) const { return bytes_ == other.bytes_; }

  private:
    std::vector<ByteRange> stretches_;
    std::vector<std::vector<uint8_t>> bytes_;  // one buffer a stretch
};

}  // namespace rw
