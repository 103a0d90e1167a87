#include "edition/terminal_text.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "edition/utf8.h"

namespace rw {
namespace {

// Characters a terminal acts on or shows out of place rather than prints: the C1 controls, the
// bidirectional marks, embeddings, overrides and isolates, and the line and paragraph separators.
bool ActsOnTheTerminal(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
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
        const std::optional<char32_t> c = DecodeUtf8Character(all.substr(at), &length);
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

std::string ShownText(const Message& message, Language language) {
    return EscapeControlBytes(Render(message, language));
}

}  // namespace rw
