#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The program's own headerless font files: a dump of one glyph table, block by block, slot by
// slot. .sft narrow (Cyrillic), .sbf wide (Cyrillic), .sfe wide (Latin); words low byte first.
enum class FontFileFormat { Sft, Sbf, Sfe };

// A font file may carry some bytes more than its format, which a load ignores; a file larger
// than this is no font file at all, most likely a fullflash chosen by mistake.
inline constexpr int64_t kLargestFontFile = int64_t{64} * 1024;

// The format whose extension ends the file's name, in any case ("X.SFT"); nullopt for none.
std::optional<FontFileFormat> FontFileFormatOfName(const std::string& path);
// The edition whose files have this format, and whether its glyphs are 16 pixels wide.
Edition FontFileEdition(FontFileFormat format);
bool FontFileIsWide(FontFileFormat format);

FontFileFormat FontFileFormatFor(Edition edition, bool wide);
size_t FontFileSize(FontFileFormat format);
// ".sft", ".sbf" or ".sfe".
const char* FontFileExtension(FontFileFormat format);

// The table of this format as the bytes of a file.
std::vector<uint8_t> SerializeFontFile(FontFileFormat format, const FontImage& font);

// Takes the blocks of the set from a whole file image (exactly FontFileSize bytes). An .sft load
// empties the four narrow blocks first; .sbf and .sfe loads keep blocks outside the set.
void MergeFontFile(FontFileFormat format, std::span<const uint8_t> bytes, BlockSet blocks,
                   FontImage& font);

// The first FontFileSize bytes of a font file, read under a shared lock. A shorter file fails
// with "Read beyond end of file"; a longer one is cut, unless it is larger than 64 KiB: that is
// no font file ("NAME is not a .sft font file (16777216 bytes). Is it a fullflash? …"), and
// nothing of it is read.
Status ReadFontFileBytes(FileSystem& fs, const std::string& path, FontFileFormat format,
                         std::vector<uint8_t>* bytes);

// Reads a whole file of the format and merges the chosen blocks (ReadFontFileBytes); a failure
// leaves the font as it was.
Status ReadFontFile(const std::string& path, FontFileFormat format, BlockSet blocks,
                    FontImage& font, FileSystem& fs = SystemFileSystem());

// Writes the whole table of the format, replacing any file of that name safely (safe_replace.h).
// An existing file of another size is refused: "NAME is not a .sft font file (N bytes): choose
// another name", nothing written.
Status WriteFontFile(const std::string& path, FontFileFormat format, const FontImage& font,
                     FileSystem& fs = SystemFileSystem());

// The name a font file save offers for the current file: its extension replaced by the
// format's ("s45.bin" -> "s45.sft"), or added when it has none. Empty stays empty.
std::string FontFileNameFor(const std::string& path, FontFileFormat format);

}  // namespace rw
