#include "fontimport/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

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

MonoBitmap ToMonoBitmap(const FT_GlyphSlot slot) {
    const FT_Bitmap& bitmap = slot->bitmap;
    MonoBitmap mono;
    mono.width = static_cast<int>(bitmap.width);
    mono.height = static_cast<int>(bitmap.rows);
    mono.left = slot->bitmap_left;
    mono.top = slot->bitmap_top;
    mono.ink.resize(static_cast<size_t>(mono.width) * mono.height);
    for (int y = 0; y < mono.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < mono.width; ++x)
            mono.ink[static_cast<size_t>(y) * mono.width + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return mono;
}

}  // namespace

std::optional<std::unique_ptr<FreeTypeFace>> FreeTypeFace::Open(const std::string& path,
                                                                int pixel_size, Status* status) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        *status = std::filesystem::exists(path, error)
                      ? Status::Failure(path, Message{MessageId::NotAFontFile, {}})
                      : Status::Failure(path, kFileNotFound);
        return std::nullopt;
    }
    std::unique_ptr<FreeTypeFace> face(new FreeTypeFace);
    face->library_ = std::make_unique<Library>();
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
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return std::nullopt;
    if (face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return MonoBitmap{};
    return ToMonoBitmap(face->glyph);
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
