#include "fontimport/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H

#include <climits>
#include <cstdlib>
#include <filesystem>

namespace rw {

// The library instance and the face; each import owns its own, so nothing is shared.
struct FreeTypeFace::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Library() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

namespace {

// The strike whose height is nearest the pixel size; the first of equals.
int NearestStrike(FT_Face face, int pixel_size) {
    int best = 0;
    int best_distance = INT_MAX;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const int distance = std::abs(face->available_sizes[i].height - pixel_size);
        if (distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return best;
}

// The grey levels of a bitmap's pixels; 0 for a kind that is no picture of the glyph's shape
// (LCD bitmaps hold three subpixels per pixel).
int GreyLevels(const FT_Bitmap& bitmap) {
    switch (bitmap.pixel_mode) {
        case FT_PIXEL_MODE_MONO:
            return 2;
        case FT_PIXEL_MODE_GRAY2:
            return 4;
        case FT_PIXEL_MODE_GRAY4:
            return 16;
        case FT_PIXEL_MODE_GRAY:
            return bitmap.num_grays > 1 ? bitmap.num_grays : 256;
        case FT_PIXEL_MODE_BGRA:
            return 256;
        default:
            return 0;
    }
}

// The glyph slot's bitmap as one bit a pixel: FreeType turns every depth into one byte a pixel,
// and a pixel at least half way to full is ink (level 2 of 0..3, 8 of 0..15, 128 of 0..255).
std::optional<MonoBitmap> ToMonoBitmap(FT_Library library, const FT_GlyphSlot slot) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const int levels = GreyLevels(bitmap);
    if (levels == 0) return std::nullopt;
    FT_Bitmap bytes;
    FT_Bitmap_Init(&bytes);
    if (FT_Bitmap_Convert(library, &bitmap, &bytes, 1) != 0) {
        FT_Bitmap_Done(library, &bytes);
        return std::nullopt;
    }
    MonoBitmap mono;
    mono.width = static_cast<int>(bytes.width);
    mono.height = static_cast<int>(bytes.rows);
    mono.left = slot->bitmap_left;
    mono.top = slot->bitmap_top;
    mono.ink.resize(static_cast<size_t>(mono.width) * mono.height);
    for (int y = 0; y < mono.height; ++y) {
        const unsigned char* row = bytes.buffer + static_cast<ptrdiff_t>(y) * bytes.pitch;
        for (int x = 0; x < mono.width; ++x)
            mono.ink[static_cast<size_t>(y) * mono.width + x] = row[x] * 2 >= levels ? 1 : 0;
    }
    FT_Bitmap_Done(library, &bytes);
    return mono;
}

// Whole pixels an outline spans either way, measured by its control points before it is drawn.
bool OutlineLargerThan(const FT_Outline& outline, int max_side) {
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    const FT_Pos limit = static_cast<FT_Pos>(max_side) * 64;
    return box.xMax - box.xMin > limit || box.yMax - box.yMin > limit;
}

MonoBitmap Oversized() {
    MonoBitmap bitmap;
    bitmap.oversized = true;
    return bitmap;
}

}  // namespace

std::optional<std::unique_ptr<FreeTypeFace>> FreeTypeFace::Open(const std::string& path,
                                                                int pixel_size, int max_side,
                                                                Status* status) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        *status = std::filesystem::exists(path, error)
                      ? Status::Failure(path, Message{MessageId::NotAFontFile, {}})
                      : Status::Failure(path, kFileNotFound);
        return std::nullopt;
    }
    std::unique_ptr<FreeTypeFace> face(new FreeTypeFace);
    face->library_ = std::make_unique<Library>();
    face->max_side_ = max_side;
    Library& lib = *face->library_;
    if (FT_Init_FreeType(&lib.library) != 0) {
        *status = Status::Failure(path, Message{MessageId::FreeTypeCannotStart, {}});
        return std::nullopt;
    }
    if (FT_New_Face(lib.library, path.c_str(), 0, &lib.face) != 0) {
        *status = Status::Failure(path, Message{MessageId::FontFreeTypeCannotRead, {}});
        return std::nullopt;
    }
    const bool sized = FT_IS_SCALABLE(lib.face)
                           ? FT_Set_Pixel_Sizes(lib.face, 0, pixel_size) == 0
                           : lib.face->num_fixed_sizes > 0 &&
                                 FT_Select_Size(lib.face, NearestStrike(lib.face, pixel_size)) == 0;
    if (!sized) {
        *status = Status::Failure(path, Message{MessageId::FontWithoutDrawableSize, {}});
        return std::nullopt;
    }
    *status = Status::Ok();
    return face;
}

FreeTypeFace::~FreeTypeFace() = default;

std::optional<MonoBitmap> FreeTypeFace::Render(char32_t code) {
    FT_Face face = library_->face;
    if (FT_Get_Char_Index(face, code) == 0) return std::nullopt;
    // Loaded without drawing: a crafted outline may claim tens of thousands of pixels a side,
    // which would take minutes and gigabytes to draw only to be clipped away.
    if (FT_Load_Char(face, code, FT_LOAD_TARGET_MONO) != 0) return std::nullopt;
    const FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (OutlineLargerThan(slot->outline, max_side_)) return Oversized();
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return std::nullopt;
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) return std::nullopt;
    if (slot->bitmap.width > static_cast<unsigned>(max_side_) ||
        slot->bitmap.rows > static_cast<unsigned>(max_side_))
        return Oversized();
    return ToMonoBitmap(library_->library, slot);
}

long FreeTypeFace::Descender26_6() const {
    return library_->face->size->metrics.descender;
}

std::string FreeTypeFace::FamilyName() const {
    const char* name = library_->face->family_name;
    return name ? name : "";
}

std::string FreeTypeFace::StyleName() const {
    const char* name = library_->face->style_name;
    return name ? name : "";
}

}  // namespace rw
