#include "edition/utf8.h"

namespace rw {
namespace {

// Length of the sequence a lead byte opens, 0 for a byte that cannot lead one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The smallest code each length may carry: a smaller one is an overlong form.
constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

std::optional<char32_t> DecodeUtf8Character(std::string_view text, size_t* length) {
    *length = 1;
    if (text.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[0]);
    const int bytes = SequenceLength(lead);
    if (bytes == 0 || static_cast<size_t>(bytes) > text.size()) return std::nullopt;
    char32_t code = bytes == 1 ? lead : lead & (0x7F >> bytes);
    for (int k = 1; k < bytes; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = code << 6 | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < kSmallest[bytes] || surrogate || code > 0x10FFFF) return std::nullopt;
    *length = static_cast<size_t>(bytes);
    return code;
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = 0;
        const std::optional<char32_t> code = DecodeUtf8Character(text.substr(i), &length);
        if (!code) return std::nullopt;
        out.push_back(*code);
        i += length;
    }
    return out;
}

std::string EncodeUtf8(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

}  // namespace rw
