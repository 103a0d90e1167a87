#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace rw::web {

// A Uint8Array holding a copy of the bytes.
emscripten::val BytesValue(std::span<const uint8_t> bytes);
// The bytes of a Uint8Array (or any array of numbers).
std::vector<uint8_t> BytesOf(const emscripten::val& array);
// An array of strings.
emscripten::val Strings(std::initializer_list<std::string> texts);
emscripten::val Strings(const std::vector<std::string>& texts);
// "#rrggbb".
std::string HexColour(uint8_t r, uint8_t g, uint8_t b);
// What an <input type=file accept> takes for a dialog filter "FullFlash (*.bin)|*.bin": ".bin".
std::string AcceptOf(const std::string& filter);

}  // namespace rw::web
