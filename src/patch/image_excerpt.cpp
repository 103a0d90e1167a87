#include "patch/image_excerpt.h"

#include <algorithm>

namespace rw {

ImageExcerpt ImageExcerpt::Of(std::span<const uint8_t> image, std::vector<ByteRange> stretches) {
    ImageExcerpt excerpt;
    for (const ByteRange& s : stretches) {
        const auto first = image.begin() + s.begin;
        excerpt.bytes_.emplace_back(first, first + (s.end - s.begin));
    }
    excerpt.stretches_ = std::move(stretches);
    return excerpt;
}

Status ImageExcerpt::Read(File& image, std::vector<ByteRange> stretches, ImageExcerpt* excerpt) {
    ImageExcerpt read;
    for (const ByteRange& s : stretches) {
        read.bytes_.emplace_back(static_cast<size_t>(s.end - s.begin));
        Status status = image.ReadAt(s.begin, read.bytes_.back());
        if (!status.ok()) return status;
    }
    read.stretches_ = std::move(stretches);
    *excerpt = std::move(read);
    return Status::Ok();
}

std::span<uint8_t> ImageExcerpt::At(int64_t position, size_t count) {
    // The last stretch that begins at or before the position holds it.
    const auto after = std::upper_bound(stretches_.begin(), stretches_.end(), position,
                                        [](int64_t p, const ByteRange& s) { return p < s.begin; });
    const size_t index = static_cast<size_t>(after - stretches_.begin()) - 1;
    return std::span<uint8_t>(bytes_[index])
        .subspan(static_cast<size_t>(position - stretches_[index].begin), count);
}

}  // namespace rw
