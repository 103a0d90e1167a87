#include "cli/terminal_text.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "edition/utf8.h"

namespace rw::cli {
namespace {

// Characters a terminal acts on or shows out of place rather than prints: the C1 controls, the
// bidirectional marks, embeddings, overrides and isolates, and the line and paragraph separators.
bool ActsOnTheTerminal(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Bytes in a UTF-8 sequence that starts with `lead`; 0 for a byte no sequence starts with.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The character at the start of `text` when its bytes are well-formed UTF-8.
std::optional<char32_t> CharacterAt(std::string_view text, size_t* length) {
    *length = SequenceLength(static_cast<unsigned char>(text[0]));
    if (*length == 0 || *length > text.size()) return std::nullopt;
    const std::optional<std::u32string> decoded = DecodeUtf8(text.substr(0, *length));
    if (!decoded || decoded->size() != 1) return std::nullopt;
    return (*decoded)[0];
}

std::string Hex(const char* format, unsigned value) {
    char hex[12];
    std::snprintf(hex, sizeof hex, format, value);
    return hex;
}

std::string EscapedAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
        case '\n':
            return "\\n";
        case '\t':
            return "\\t";
        case '\r':
            return "\\r";
        case '\\':
            return "\\\\";
        default:
            break;
    }
    if (byte < 0x20 || byte == 0x7f) return Hex("\\x%02x", byte);
    return std::string(1, c);
}

}  // namespace

std::string EscapeControlBytes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const std::string_view all(text);
    for (size_t at = 0; at < all.size();) {
        size_t length = 1;
        const std::optional<char32_t> c = CharacterAt(all.substr(at), &length);
        if (!c) {
            out += Hex("\\x%02x", static_cast<unsigned char>(all[at]));
            ++at;
            continue;
        }
        if (*c < 0x80) {
            out += EscapedAscii(all[at]);
        } else if (ActsOnTheTerminal(*c)) {
            out += Hex("\\u%04x", static_cast<unsigned>(*c));
        } else {
            out.append(all.substr(at, length));
        }
        at += length;
    }
    return out;
}

}  // namespace rw::cli
