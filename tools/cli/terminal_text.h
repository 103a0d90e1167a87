#pragma once

#include <string>

namespace rw::cli {

// A path or word as it may be printed on one line: control bytes become \n, \t, \r or \xHH,
// so a file name cannot break an error line or send escape sequences to the terminal; a
// backslash is doubled so the escapes stay unambiguous.
std::string EscapeControlBytes(const std::string& text);

}  // namespace rw::cli
