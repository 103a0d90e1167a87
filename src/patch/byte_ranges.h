#pragma once

#include <cstdint>
#include <vector>

#include "io/flash_codec.h"
#include "io/rollback_journal.h"

namespace rw {

// The same bytes as `ranges`, as sorted, disjoint ranges; ranges overlapping, touching or fewer
// than `gap` bytes apart become one.
std::vector<ByteRange> MergeRanges(std::vector<ByteRange> ranges, int64_t gap = 0);

// The bytes the writes cover, merged.
std::vector<ByteRange> RangesOf(const std::vector<JournalEntry>& writes);

// How many bytes sorted, disjoint ranges hold.
int64_t TotalLength(const std::vector<ByteRange>& ranges);

// How many bytes of `range` sorted, disjoint `ranges` cover.
int64_t CoveredLength(const std::vector<ByteRange>& ranges, ByteRange range);

}  // namespace rw
