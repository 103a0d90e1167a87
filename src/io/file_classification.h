#pragma once

#include <string>

#include "io/file_io.h"
#include "io/font_files.h"
#include "io/layout_identify.h"
#include "model/edition.h"

namespace rw {

// Which command takes a file the user named outside the file dialogs (on the command line, by
// dropping it on the window, from the recent files or through the desktop's "Open with"): one of
// the two loads, "Импорт из PNG" or "Импорт из патча".
enum class FileLoad { Fullflash, FontFile, PngSheet, Patch };

struct FileClassification {
    FileLoad load = FileLoad::Fullflash;
    FontFileFormat format = FontFileFormat::Sft;  // of a font file
};

// Dumps are whole flash chips: a whole number of MiB.
inline constexpr int64_t kFlashSizeUnit = 1 << 20;

// Decides what the file at `path` is for an edition whose chosen font is `current`, before any
// of it is loaded:
//  - a PNG sheet or a patch: named "*.png" or "*.vkp", in any case;
//  - a fullflash: larger than any font file, and a whole number of MiB or holding a font at the
//    places of some model and kind (identify's score);
//  - a font file: at most 64 KiB, of the format its extension names ("x.sft", in any case) or,
//    without one, of the format whose exact size it has.
// Fails, naming the file, for a missing file, a folder, anything but a regular file, a font file
// of the other edition, one in the other form than the chosen font's (narrow .sft, wide .sbf;
// the message lists the fonts it fits), and a file that is neither. Looks at nothing but the
// size unless only identify's score can tell; that look may roll back an interrupted save, which
// the result's note tells.
Status ClassifyFile(const std::string& path, Edition edition, LayoutId current,
                    FileClassification* result, FileSystem& fs = SystemFileSystem());

// The fonts of an edition whose glyphs are wide (or narrow), by model, models with the same
// kinds together, in code order: "S/ME 45, S/ME 45i, C/M 35, S 35: Big; C 45, M 50: Normal,
// Small, Browser, Big".
std::string FontsOfForm(Edition edition, bool wide);

}  // namespace rw
