#include "patch/byte_ranges.h"

#include <algorithm>

namespace rw {

std::vector<ByteRange> MergeRanges(std::vector<ByteRange> ranges, int64_t gap) {
    std::sort(ranges.begin(), ranges.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
    std::vector<ByteRange> merged;
    for (const ByteRange& r : ranges) {
        if (r.end <= r.begin) continue;
        if (!merged.empty() && r.begin <= merged.back().end + gap) {
            merged.back().end = std::max(merged.back().end, r.end);
        } else {
            merged.push_back(r);
        }
    }
    return merged;
}

std::vector<ByteRange> RangesOf(const std::vector<JournalEntry>& writes) {
    std::vector<ByteRange> ranges;
    ranges.reserve(writes.size());
    for (const JournalEntry& w : writes) {
        ranges.push_back({w.position, w.position + static_cast<int64_t>(w.bytes.size())});
    }
    return MergeRanges(std::move(ranges));
}

int64_t TotalLength(const std::vector<ByteRange>& ranges) {
    int64_t total = 0;
    for (const ByteRange& r : ranges) total += r.end - r.begin;
    return total;
}

int64_t CoveredLength(const std::vector<ByteRange>& ranges, ByteRange range) {
    // The first range that ends after `range` begins, then every one that starts before its end.
    auto it =
        std::upper_bound(ranges.begin(), ranges.end(), range.begin,
                         [](int64_t position, const ByteRange& r) { return position < r.end; });
    int64_t covered = 0;
    for (; it != ranges.end() && it->begin < range.end; ++it) {
        covered += std::min(it->end, range.end) - std::max(it->begin, range.begin);
    }
    return covered;
}

}  // namespace rw
