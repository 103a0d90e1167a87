#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/glyph_placement.h"
#include "fontimport/freetype_face.h"
#include "io/status.h"

namespace rw {

// What a user asks an import to take: the fonts, the pixel size and the baseline row.
struct FontImportRequest {
    std::string font;                      // a font file's path or a pattern such as "Terminus"
    std::optional<std::string> bold_font;  // the face for bold blocks, a path or a pattern
    bool embolden = false;                 // draw bold from the normal face even if a bold exists
    std::optional<int> pixel_size;         // default H + 1
    std::optional<int> baseline;           // default from the face's descender
};

// The faces an import reads, set to the request's size, and the baseline it places them on.
struct ImportFaces {
    std::unique_ptr<FreeTypeFace> normal;
    std::unique_ptr<FreeTypeFace> bold;  // null: bold is the normal face emboldened
    std::string bold_file;               // where `bold` came from, for the dialog to show
    int pixel_size = 0;
    int baseline = 0;
};

// True when the text names a file (it exists, or holds a '/') rather than a fontconfig pattern.
bool IsFontPath(const std::string& font);

// Opens the faces of a request. Without a bold font the family's bold is looked up through
// fontconfig when the font was given as a pattern; a font file, or a family without a bold
// face, is emboldened. Fails naming the file or pattern and the reason.
Status OpenImportFaces(const FontImportRequest& request, GlyphCell cell, ImportFaces& faces);

}  // namespace rw
