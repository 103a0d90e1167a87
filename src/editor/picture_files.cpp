#include "editor/picture_files.h"

#include <algorithm>
#include <array>
#include <string>

namespace rw {
namespace {

void PutBigEndian32(uint32_t value, std::vector<uint8_t>& out) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// A PNG chunk: length, type, data, CRC over type and data.
void PutChunk(const char (&type)[5], std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    PutBigEndian32(static_cast<uint32_t>(data.size()), out);
    const size_t type_at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const std::span<const uint8_t> covered(out.data() + type_at, 4 + data.size());
    PutBigEndian32(Crc32(covered), out);
}

// A zlib stream of stored deflate blocks, at most 65535 bytes each.
std::vector<uint8_t> StoredZlib(std::span<const uint8_t> raw) {
    constexpr size_t kMaxBlock = 65535;
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min(kMaxBlock, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    PutBigEndian32(Adler32(raw), z);
    return z;
}

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

}  // namespace

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc) {
    const auto& table = CrcTable();
    uint32_t c = ~crc;
    for (uint8_t b : bytes) c = table[(c ^ b) & 0xFFu] ^ (c >> 8);
    return ~c;
}

uint32_t Adler32(std::span<const uint8_t> bytes) {
    constexpr uint32_t kMod = 65521;
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % kMod;
        b = (b + a) % kMod;
    }
    return (b << 16) | a;
}

RgbImage ThumbnailSheet(std::span<const Picture16> pictures, int scale) {
    constexpr int kSize = Picture16::kSize;
    RgbImage image;
    image.width = static_cast<int>(pictures.size()) * kSize * scale;
    image.height = kSize * scale;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = image.rgb.data() + static_cast<size_t>(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x) {
            const int slot = x / (kSize * scale);
            const Rgb c = pictures[slot].At((x / scale) % kSize, y / scale);
            row[3 * x] = c.r;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.b;
        }
    }
    return image;
}

std::vector<uint8_t> EncodePpm(const RgbImage& image) {
    const std::string header =
        "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
    std::vector<uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), image.rgb.begin(), image.rgb.end());
    return out;
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian32(static_cast<uint32_t>(image.width), header);
    PutBigEndian32(static_cast<uint32_t>(image.height), header);
    header.insert(header.end(),
                  {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, no filter, no interlace
    PutChunk("IHDR", header, out);

    // Each row: filter type 0, then the pixels.
    const size_t stride = static_cast<size_t>(image.width) * 3;
    std::vector<uint8_t> raw;
    raw.reserve((stride + 1) * image.height);
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        const auto row = image.rgb.begin() + static_cast<std::ptrdiff_t>(y * stride);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(stride));
    }
    PutChunk("IDAT", StoredZlib(raw), out);
    PutChunk("IEND", {}, out);
    return out;
}

}  // namespace rw
