#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "io/flash_codec.h"
#include "io/layout_identify.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// Where a font lies: its edition, phone model and kind, and the places of its records (the
// layout the tables give; tests and fuzzers move it).
struct FontPlace {
    Edition edition = Edition::Cyrillic;
    LayoutId id;
    FontLayout layout;

    static FontPlace Of(Edition edition, LayoutId id) {
        return {edition, id, LookupLayout(edition, id.model, id.kind)};
    }
};

// The fullflash a patch is made against, as the patch's header names it.
struct FlashFacts {
    std::string name;
    int64_t size = 0;
};

// The patch of a font against a fullflash.
struct FontPatch {
    std::string text;               // Windows-1251 with CR LF; empty when nothing would change
    int lines = 0;                  // data lines
    std::vector<GlyphSlot> glyphs;  // whose records change, in the order a save writes them
};

// The patch that does what a save of the font would do: for every record a save writes, one line
// "ADDRESS: OLD NEW ; <character>, <weight>" per maximal run of bytes that would change, in
// address order, after a header of comments; no pragma, no corrector. `before` holds the bytes
// the fullflash has at the records, `after` the bytes a save puts there, one record after another.
FontPatch MakeFontPatch(const FontPlace& place, const FlashFacts& flash,
                        const std::vector<FlashRecord>& records, std::span<const uint8_t> before,
                        std::span<const uint8_t> after);

// The patch of `font` against the fullflash at `flash`, which is only read (an interrupted save
// is rolled back first, as before any load): only the records' bytes.
Status ExportFontPatch(const std::string& flash, const FontPlace& place, const FontImage& font,
                       FontPatch* patch, FileSystem& fs = SystemFileSystem());

// Writes the patch's text to `path`, replacing a file there safely (see WriteFileAtomically).
Status WritePatchFile(const std::string& path, const FontPatch& patch,
                      FileSystem& fs = SystemFileSystem());

}  // namespace rw
