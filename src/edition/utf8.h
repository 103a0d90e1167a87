#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rw {

// The characters of a UTF-8 text; empty for bytes that are not UTF-8 (an overlong form, a
// surrogate, a cut-off sequence), so a caller can name the fault instead of guessing.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// The character at the start of a text when its bytes are well-formed UTF-8, with *length the
// bytes it takes; nullopt (and *length 1) for a byte that starts no such character.
std::optional<char32_t> DecodeUtf8Character(std::string_view text, size_t* length);

// One character as UTF-8.
std::string EncodeUtf8(char32_t code);

}  // namespace rw
