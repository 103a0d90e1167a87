#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/glyph_import.h"
#include "editor/glyph_placement.h"
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

// The faces of an import, set to its pixel size, and the baseline row they are placed on.
struct OpenedFaces {
    std::unique_ptr<GlyphSource> normal;
    std::unique_ptr<GlyphSource> bold;  // null: bold is the normal face emboldened
    int baseline = 0;
};

// Installed fonts and font files, as the core sees them: a request in, faces out.
class FaceOpener {
  public:
    virtual ~FaceOpener() = default;
    // Fails naming the file or pattern and the reason; `faces` is left as it was then.
    virtual Status Open(const FontImportRequest& request, GlyphCell cell, OpenedFaces& faces) = 0;
};

}  // namespace rw
