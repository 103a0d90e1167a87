#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/glyph_import.h"
#include "io/status.h"

namespace rw {

// One face of a font file opened through FreeType and set to a pixel size: outline faces are
// scaled to it, faces with bitmap strikes only use the strike whose height is nearest. Glyphs
// come out monochrome, without anti-aliasing; grey and colour bitmaps are ink where a pixel is at
// least half way to full. A glyph larger than `max_side` pixels either way is not drawn at all
// (an outline is measured before it is rendered): it comes back `oversized`.
class FreeTypeFace : public GlyphSource {
  public:
    // Opens face 0 of the file, or fails with the path and the reason (no such file, not a font
    // FreeType reads).
    static std::optional<std::unique_ptr<FreeTypeFace>> Open(const std::string& path,
                                                             int pixel_size, int max_side,
                                                             Status* status);
    ~FreeTypeFace() override;

    std::optional<MonoBitmap> Render(char32_t code) override;

    // The descender of the chosen size in 26.6 fixed point, negative below the baseline.
    long Descender26_6() const;
    std::string FamilyName() const;
    std::string StyleName() const;

  private:
    struct Library;
    FreeTypeFace() = default;

    std::unique_ptr<Library> library_;
    int max_side_ = 0;
};

}  // namespace rw
