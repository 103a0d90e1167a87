#pragma once

#include <cstdint>
#include <optional>

namespace rw {

// Windows-1251, the code page of the phones' texts and of the patches modders exchange.
// The character of a byte; 0x98, which the code page leaves unused, stands for U+0098.
char32_t FromWindows1251(uint8_t byte);
// The byte of a character; empty for a character the code page lacks.
std::optional<uint8_t> ToWindows1251(char32_t code);

}  // namespace rw
