#pragma once

#include <string>
#include <vector>

#include "edition/message.h"
#include "io/file_io.h"
#include "model/block_set.h"
#include "model/font_image.h"
#include "patch/font_effect.h"
#include "patch/patch.h"
#include "patch/patch_writer.h"

namespace rw {

// A font read out of a fullflash as a patch would leave it, the fullflash itself untouched.
struct PatchedFont {
    FontImage unpatched;  // the font as a load from the fullflash gives it
    FontImage patched;    // the same as a load after the patch would give it
    FontEffect effect;    // what the bytes the patch would write do to the font
};

// Applies `patch` to the bytes of the fullflash at `flash` in memory, with the old-data check,
// all lines or none, and reads the chosen blocks of the font at `place` from the result as a load
// does: into copies of `font`, whose live table is cleared first. The fullflash is read as a load
// reads it (an interrupted save rolled back first and its note kept, under the shared lock) and
// only where the patch and the records lie. Fails naming the patch's line, or the fullflash as a
// load does; `result` then stays as it was.
Status ReadFontThroughPatch(const std::string& flash, const Patch& patch, const FontPlace& place,
                            BlockSet blocks, const FontImage& font, PatchedFont* result,
                            FileSystem& fs = SystemFileSystem());

// What an import from a patch tells: "Патч меняет 12 букв этого шрифта." and, when it writes
// elsewhere too, "Ещё он меняет 1340 байт вне шрифта; они не загружены."; or, when it changes no
// glyph, "Патч не меняет этот шрифт (S/ME 45 Small)."
std::vector<Message> DescribePatchImport(const FontEffect& effect, LayoutId layout);

// The name an export offers for the patch of a fullflash: "s45.bin" -> "s45.vkp".
std::string PatchNameFor(const std::string& flash);

}  // namespace rw
