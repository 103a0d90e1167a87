#include "patch/patch_lines.h"

#include <algorithm>
#include <array>

namespace rw {
namespace {

// A record starts with a byte of flags: whether old data follow, whether the pragmas changed,
// whether the old data are as long as the new (the usual case, when their length is left out),
// and the length of the new data when it is short.
constexpr uint8_t kHasOld = 1u << 0;
constexpr uint8_t kPragmasFollow = 1u << 1;
constexpr uint8_t kOldAsLong = 1u << 2;
constexpr int kLengthShift = 3;
constexpr uint8_t kLongLength = 0x1F;  // the length follows as a number of its own

// The pragmas of a line, a bit each, in the order of PatchPragmas.
constexpr std::array kPragmaBits = {
    &PatchPragmas::warn_no_old_on_apply, &PatchPragmas::warn_if_new_exist_on_apply,
    &PatchPragmas::warn_if_old_exist_on_undo, &PatchPragmas::undo, &PatchPragmas::old_equal_ff};

uint8_t PackPragmas(const PatchPragmas& pragmas) {
    uint8_t bits = 0;
    for (size_t i = 0; i < kPragmaBits.size(); ++i) {
        if (pragmas.*kPragmaBits[i]) bits = static_cast<uint8_t>(bits | (1u << i));
    }
    return bits;
}

PatchPragmas UnpackPragmas(uint8_t bits) {
    PatchPragmas pragmas;
    for (size_t i = 0; i < kPragmaBits.size(); ++i) pragmas.*kPragmaBits[i] = (bits >> i) & 1u;
    return pragmas;
}

// Numbers as seven bits a byte, low bits first; signed ones zigzagged so that small steps back
// stay small.
void PutNumber(std::vector<uint8_t>& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<uint8_t>(value));
}

void PutSigned(std::vector<uint8_t>& out, int64_t value) {
    PutNumber(out, (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63));
}

uint64_t TakeNumber(const uint8_t*& in) {
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t byte = *in++;
        value |= uint64_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) return value;
    }
}

int64_t TakeSigned(const uint8_t*& in) {
    const uint64_t value = TakeNumber(in);
    return static_cast<int64_t>(value >> 1) ^ -static_cast<int64_t>(value & 1);
}

}  // namespace

void PatchLines::push_back(const DataLine& line) {
    // The most a record takes: the flags, four numbers of at most ten bytes, the pragmas and the
    // bytes. A chunk is never grown, so that no record moves and no chunk is briefly held twice.
    const size_t old_size = line.old_bytes ? line.old_bytes->size() : 0;
    const size_t largest = 1 + 4 * 10 + 1 + old_size + line.new_bytes.size();
    if (chunks_.empty() || chunks_.back().size() + largest > chunks_.back().capacity()) {
        chunks_.emplace_back().reserve(std::max(kChunkSize, largest));
    }
    if (count_ % kMarkEvery == 0) {
        marks_.push_back({static_cast<uint32_t>(chunks_.size() - 1),
                          static_cast<uint32_t>(chunks_.back().size()), last_});
    }
    Encode(line);
    last_ = {line.End(), line.line, line.pragmas};
    ++count_;
}

void PatchLines::Encode(const DataLine& line) {
    std::vector<uint8_t>& out = chunks_.back();
    const size_t new_size = line.new_bytes.size();
    const bool old_as_long = line.old_bytes && line.old_bytes->size() == new_size;
    const bool pragmas_change = !(line.pragmas == last_.pragmas);
    uint8_t flags = 0;
    if (line.old_bytes) flags |= kHasOld;
    if (pragmas_change) flags |= kPragmasFollow;
    if (old_as_long) flags |= kOldAsLong;
    const size_t length_code = std::min<size_t>(new_size, kLongLength);
    flags = static_cast<uint8_t>(flags | (length_code << kLengthShift));
    out.push_back(flags);
    if (length_code == kLongLength) PutNumber(out, new_size);
    PutSigned(out, int64_t{line.address} - last_.end);
    PutSigned(out, int64_t{line.line} - last_.line);
    if (pragmas_change) out.push_back(PackPragmas(line.pragmas));
    if (line.old_bytes) {
        if (!old_as_long) PutNumber(out, line.old_bytes->size());
        out.insert(out.end(), line.old_bytes->begin(), line.old_bytes->end());
    }
    out.insert(out.end(), line.new_bytes.begin(), line.new_bytes.end());
}

void PatchLines::Decode(Position& at, DataLine& line) const {
    const std::vector<uint8_t>& chunk = chunks_[at.chunk];
    if (at.offset == chunk.size()) {
        ++at.chunk;
        at.offset = 0;
        return Decode(at, line);
    }
    const uint8_t* in = chunk.data() + at.offset;
    const uint8_t flags = *in++;
    size_t new_size = flags >> kLengthShift;
    if (new_size == kLongLength) new_size = static_cast<size_t>(TakeNumber(in));
    line.address = static_cast<uint32_t>(at.context.end + TakeSigned(in));
    line.line = static_cast<int>(at.context.line + TakeSigned(in));
    line.pragmas = (flags & kPragmasFollow) ? UnpackPragmas(*in++) : at.context.pragmas;
    if (flags & kHasOld) {
        const size_t old_size =
            (flags & kOldAsLong) ? new_size : static_cast<size_t>(TakeNumber(in));
        line.old_bytes = PatchBytes(std::span<const uint8_t>(in, old_size));
        in += old_size;
    } else {
        line.old_bytes.reset();
    }
    line.new_bytes = PatchBytes(std::span<const uint8_t>(in, new_size));
    in += new_size;
    at.offset = static_cast<uint32_t>(in - chunk.data());
    at.context = {line.End(), line.line, line.pragmas};
}

DataLine PatchLines::operator[](size_t index) const {
    Position at = marks_[index / kMarkEvery];
    DataLine line;
    for (size_t i = index - index % kMarkEvery; i <= index; ++i) Decode(at, line);
    return line;
}

size_t PatchLines::HeldBytes() const {
    size_t held = marks_.capacity() * sizeof(Position) + chunks_.capacity() * sizeof(chunks_[0]);
    for (const std::vector<uint8_t>& chunk : chunks_) held += chunk.capacity();
    return held;
}

PatchLines::const_iterator PatchLines::begin() const {
    return empty() ? end() : const_iterator(this, 0, marks_.front());
}

PatchLines::const_iterator PatchLines::end() const {
    return const_iterator(this, count_, {});
}

}  // namespace rw
