#pragma once

#include <string>

#include "edition/message.h"

namespace rw {

// Text from the input (a path, a word, characters of a font) as it may be printed on one line:
// control bytes become \n, \t, \r or \xHH, the C1 controls and the characters that turn or
// break lines (U+202E, U+2028, ...) \uXXXX, and bytes that are not UTF-8 \xHH, so nothing can
// break an error line, send escape sequences to the terminal or reorder what follows; a backslash
// is doubled so the escapes stay unambiguous. The command-line tool prints names so, and the
// window shows them so in its status line and message boxes: one name reads the same in both.
std::string EscapeControlBytes(const std::string& text);

// A message as the window shows it in its status line and message boxes: rendered in the
// language, escaped as above, so a file name reads there as the command-line tool prints it.
std::string ShownText(const Message& message, Language language);

}  // namespace rw
