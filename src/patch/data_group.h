#pragma once

#include <cstdint>
#include <vector>

#include "patch/patch_cursor.h"

namespace rw {

// How the characters of a patch's strings are written: Windows-1251 as the format has it, or
// UTF-8 in a file that starts with a UTF-8 byte order mark (an editor that saved it so).
enum class PatchEncoding { Windows1251, Utf8 };

}  // namespace rw

namespace rw {

// Reads the data group at the cursor, appending its bytes. A group is written without spaces as
// a sequence of
// - hex bytes, an even number of digits: "0718AB";
// - 0xHEX, at most 8 digits, little-endian in ceil(digits / 2) bytes: "0x1234" is 34 12;
// - 0iDEC, little-endian, its size from the count of digits (up to 3 one byte, 5 two, 8 three,
//   10 four, 13 five, 15 six, 17 seven, 20 eight); a sign makes it signed;
// - 0nBITS, at most 32 binary digits, little-endian in ceil(digits / 8) bytes;
// - "text", its bytes in Windows-1251, and 'text', each character as UTF-16LE;
// with commas between them ignored. A blank ends the group unless a comma stands beside it.
// False, with the cursor's fault, for anything else.
bool ReadDataGroup(PatchCursor& cursor, PatchEncoding encoding, std::vector<uint8_t>* bytes);

}  // namespace rw
