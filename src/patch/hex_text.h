#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace rw {

// An address as patches and messages write it: upper-case hex, at least 6 digits ("0B5626").
std::string PatchAddress(int64_t address);

// Bytes as upper-case hex without spaces ("0718AB").
std::string HexBytes(std::span<const uint8_t> bytes);

// The value of a hex digit, or -1 for any other byte.
inline int HexDigitValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace rw
