// The packed lines of a patch give back every line exactly as it was put in, forwards, backwards
// and by number, whatever the line looks like.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "patch/patch_lines.h"

namespace rw {
namespace {

using Bytes = std::vector<uint8_t>;

DataLine Line(uint32_t address, std::optional<Bytes> old_bytes, Bytes new_bytes, int line,
              PatchPragmas pragmas = {}) {
    DataLine data;
    data.address = address;
    if (old_bytes) data.old_bytes = PatchBytes(*old_bytes);
    data.new_bytes = PatchBytes(new_bytes);
    data.line = line;
    data.pragmas = pragmas;
    return data;
}

void ExpectSame(const DataLine& got, const DataLine& want, size_t index) {
    SCOPED_TRACE("line " + std::to_string(index));
    EXPECT_EQ(got.address, want.address);
    EXPECT_EQ(got.line, want.line);
    EXPECT_EQ(got.pragmas, want.pragmas);
    EXPECT_EQ(got.old_bytes.has_value(), want.old_bytes.has_value());
    if (got.old_bytes && want.old_bytes) {
        EXPECT_EQ(*got.old_bytes, *want.old_bytes);
    }
    EXPECT_EQ(got.new_bytes, want.new_bytes);
}

// Every way of reading the lines back agrees with what went in.
void ExpectHolds(const PatchLines& lines, const std::vector<DataLine>& want) {
    ASSERT_EQ(lines.size(), want.size());
    size_t index = 0;
    for (const DataLine& line : lines) {
        ExpectSame(line, want[index], index);
        ++index;
    }
    EXPECT_EQ(index, want.size());
    size_t back = want.size();
    EXPECT_TRUE(lines.ForEachBackward([&](const DataLine& line) {
        --back;
        ExpectSame(line, want[back], back);
        return true;
    }));
    EXPECT_EQ(back, 0u);
    for (size_t i = 0; i < want.size(); i += 1 + want.size() / 50) ExpectSame(lines[i], want[i], i);
    if (!want.empty()) ExpectSame(lines.back(), want.back(), want.size() - 1);
}

PatchLines Pack(const std::vector<DataLine>& lines) {
    PatchLines packed;
    for (const DataLine& line : lines) packed.push_back(line);
    return packed;
}

TEST(PatchLines, KeepsLinesOfEveryShape) {
    PatchPragmas ff;
    ff.old_equal_ff = true;
    ff.undo = false;
    const Bytes long_new(300, 0xAB);  // past the short lengths and the inline bytes
    const std::vector<DataLine> lines = {
        Line(0x100, Bytes{0x00}, Bytes{0x01}, 3),
        Line(0x101, std::nullopt, Bytes{0x02, 0x03}, 4),
        Line(0x10, Bytes{1, 2, 3, 4}, Bytes{5, 6}, 9, ff),  // back, old longer than new
        Line(0xFFFFFFFF, Bytes{0xFF}, Bytes{0x00}, 2),      // the last address, a line number back
        Line(0, Bytes(long_new.size(), 0x11), long_new, 1'000'000),
        Line(0x200, std::nullopt, Bytes(31, 0x22), 1'000'001, ff),
        Line(0x200, Bytes(30, 0x33), Bytes(30, 0x44), 1'000'002),
    };
    ExpectHolds(Pack(lines), lines);
}

TEST(PatchLines, EmptyHasNothingToWalk) {
    const PatchLines lines;
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(lines.begin() == lines.end());
    EXPECT_TRUE(lines.ForEachBackward([](const DataLine&) { return false; }));
}

// Many lines cross the marks the lines are found by and the chunks they are kept in; a record
// of a line longer than a chunk gets a chunk of its own.
TEST(PatchLines, KeepsManyRandomLinesAcrossChunks) {
    std::mt19937 random(7);
    std::vector<DataLine> lines;
    uint32_t address = 0;
    for (int i = 0; i < 300'000; ++i) {
        const size_t size = 1 + random() % (i % 1000 == 0 ? 40 : 6);
        Bytes new_bytes(size);
        for (uint8_t& b : new_bytes) b = static_cast<uint8_t>(random());
        std::optional<Bytes> old_bytes;
        if (random() % 4 != 0) old_bytes = Bytes(size + random() % 3, 0x5A);
        PatchPragmas pragmas;
        pragmas.warn_no_old_on_apply = (i / 5000) % 2 == 0;
        address = random() % 8 == 0 ? static_cast<uint32_t>(random()) : address + 1;
        lines.push_back(Line(address, old_bytes, new_bytes, i + 1, pragmas));
    }
    lines.push_back(Line(12, std::nullopt, Bytes(3 << 20, 0x77), 300'001));
    lines.push_back(Line(13, Bytes{1}, Bytes{2}, 300'002));
    ExpectHolds(Pack(lines), lines);
}

TEST(PatchLines, StopsWalkingBackwardWhenAsked) {
    std::vector<DataLine> lines;
    for (uint32_t i = 0; i < 200; ++i)
        lines.push_back(Line(i, Bytes{0}, Bytes{1}, static_cast<int>(i) + 1));
    const PatchLines packed = Pack(lines);
    int visited = 0;
    EXPECT_FALSE(packed.ForEachBackward([&](const DataLine& line) {
        ++visited;
        return line.address != 150;
    }));
    EXPECT_EQ(visited, 50);
}

// A one-byte line at the next address, the bulk of the largest patches, takes a few bytes.
TEST(PatchLines, OneByteLinesStayFarSmallerThanTheirText) {
    PatchLines packed;
    for (uint32_t i = 0; i < 100'000; ++i)
        packed.push_back(Line(i, Bytes{0}, Bytes{1}, static_cast<int>(i)));
    EXPECT_LE(packed.HeldBytes(), 100'000u * 6 + (size_t{1} << 20));
}

}  // namespace
}  // namespace rw
