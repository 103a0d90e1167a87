#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "patch/data_line.h"

namespace rw {

// The data lines of a patch, in file order, packed. A patch may hold millions of lines of a byte
// or two: held as DataLine values such a patch takes twice its own text again, so the lines are
// kept as a stream of small records, each saying what differs from the line before it (the
// address as a step from where the last line ended, the line number as a step, the pragmas only
// when they change, then the bytes). A line of one old and one new byte at the next address
// takes five bytes. Lines are read back by walking the stream, forwards or backwards.
class PatchLines {
  public:
    class const_iterator;

    void push_back(const DataLine& line);

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The memory the lines take.
    size_t HeldBytes() const;

    // Line `index`, decoded from the nearest mark before it: for tests and small patches, not for
    // walking a large one (iterate instead).
    DataLine operator[](size_t index) const;
    DataLine back() const { return (*this)[count_ - 1]; }

    const_iterator begin() const;
    const_iterator end() const;

    // Calls `visit` with every line, last first; stops when it returns false. Returns whether it
    // went through every line.
    template <class Visit>
    bool ForEachBackward(Visit visit) const;

  private:
    // What a record is written against: the line before it.
    struct Context {
        int64_t end = 0;  // where the line before ended
        int line = 0;
        PatchPragmas pragmas;
    };
    // Where the next record to decode is, and what it was written against. Kept as a mark for
    // every kMarkEvery-th record, where decoding may start.
    struct Position {
        uint32_t chunk = 0;
        uint32_t offset = 0;
        Context context;
    };
    static constexpr size_t kMarkEvery = 64;
    static constexpr size_t kChunkSize = size_t{1} << 20;

    // Writes the record of `line`, against the line before it, at the end of the last chunk.
    void Encode(const DataLine& line);
    // Reads the record at `at` into `line` and moves `at` past it.
    void Decode(Position& at, DataLine& line) const;

    // Records never straddle chunks: a chunk is filled up to where the next record would not fit.
    std::vector<std::vector<uint8_t>> chunks_;
    std::vector<Position> marks_;
    Context last_;
    size_t count_ = 0;
};

// Walks the lines in file order, decoding each as it comes; the line it points at lives in the
// iterator.
class PatchLines::const_iterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = DataLine;
    using difference_type = std::ptrdiff_t;
    using pointer = const DataLine*;
    using reference = const DataLine&;

    const_iterator() = default;
    reference operator*() const { return line_; }
    pointer operator->() const { return &line_; }
    const_iterator& operator++() {
        Advance();
        return *this;
    }
    friend bool operator==(const const_iterator& a, const const_iterator& b) {
        return a.index_ == b.index_;
    }

  private:
    friend class PatchLines;
    const_iterator(const PatchLines* lines, size_t index, Position at)
        : lines_(lines), index_(index), at_(at) {
        if (index_ < lines_->count_) lines_->Decode(at_, line_);
    }
    void Advance() {
        if (++index_ < lines_->count_) lines_->Decode(at_, line_);
    }

    const PatchLines* lines_ = nullptr;
    size_t index_ = 0;
    Position at_;
    DataLine line_;
};

template <class Visit>
bool PatchLines::ForEachBackward(Visit visit) const {
    // A group of lines at a time, decoded forwards from its mark, then visited backwards.
    std::vector<DataLine> group;
    for (size_t mark = marks_.size(); mark-- > 0;) {
        Position at = marks_[mark];
        const size_t first = mark * kMarkEvery;
        const size_t count = std::min(kMarkEvery, count_ - first);
        group.resize(count);
        for (DataLine& line : group) Decode(at, line);
        for (auto line = group.rbegin(); line != group.rend(); ++line) {
            if (!visit(*line)) return false;
        }
    }
    return true;
}

}  // namespace rw
