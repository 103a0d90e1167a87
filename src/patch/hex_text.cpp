#include "patch/hex_text.h"

#include <cstdio>

namespace rw {

std::string PatchAddress(int64_t address) {
    char text[24];
    std::snprintf(text, sizeof text, "%06llX", static_cast<unsigned long long>(address));
    return text;
}

std::string HexBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(2 * bytes.size(), '0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 0xF];
    }
    return text;
}

}  // namespace rw
