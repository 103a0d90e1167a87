#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/face_opener.h"
#include "editor/glyph_placement.h"
#include "fontimport/freetype_face.h"
#include "io/status.h"

namespace rw {

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

// The same, as the face port of the core's file commands.
class FreeTypeFaceOpener final : public FaceOpener {
  public:
    Status Open(const FontImportRequest& request, GlyphCell cell, OpenedFaces& faces) override;
};

}  // namespace rw
