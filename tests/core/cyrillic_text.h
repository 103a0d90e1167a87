#pragma once

#include <string>

namespace rw::testing {

// True when a UTF-8 text holds a Cyrillic letter (lead byte 0xD0 or 0xD1: U+0400..U+047F).
inline bool HasCyrillic(const std::string& text) {
    for (const char c : text) {
        if (c == '\xD0' || c == '\xD1') return true;
    }
    return false;
}

}  // namespace rw::testing
