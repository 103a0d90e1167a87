#include "fontimport/import_faces.h"

#include <filesystem>

#include "fontimport/font_finder.h"

namespace rw {
namespace {

const Message kNoSuchFont{MessageId::NoInstalledFontMatches, {}};

// The file a font text stands for: the path itself, or the installed font of the pattern.
std::optional<std::string> FontFile(const std::string& font, Status* status) {
    if (IsFontPath(font)) return font;
    std::optional<std::string> file = FindFontFile(font);
    if (!file) *status = Status::Failure(font, kNoSuchFont);
    return file;
}

std::unique_ptr<FreeTypeFace> OpenFace(const std::string& font, int pixel_size, GlyphCell cell,
                                       Status* status, std::string* file_out = nullptr) {
    const std::optional<std::string> file = FontFile(font, status);
    if (!file) return nullptr;
    auto face = FreeTypeFace::Open(*file, pixel_size, MaxGlyphBitmapSide(cell), status);
    if (!face) return nullptr;
    if (file_out) *file_out = *file;
    return std::move(*face);
}

}  // namespace

bool IsFontPath(const std::string& font) {
    std::error_code error;
    return font.find('/') != std::string::npos || std::filesystem::exists(font, error);
}

Status OpenImportFaces(const FontImportRequest& request, GlyphCell cell, ImportFaces& faces) {
    ImportFaces opened;
    opened.pixel_size = request.pixel_size.value_or(cell.last_row + 1);
    Status status = Status::Ok();
    opened.normal = OpenFace(request.font, opened.pixel_size, cell, &status);
    if (!opened.normal) return status;
    if (request.bold_font) {
        opened.bold =
            OpenFace(*request.bold_font, opened.pixel_size, cell, &status, &opened.bold_file);
        if (!opened.bold) return status;
    } else if (!request.embolden && !IsFontPath(request.font)) {
        if (const auto bold_file = FindBoldFace(opened.normal->FamilyName())) {
            opened.bold = OpenFace(*bold_file, opened.pixel_size, cell, &status, &opened.bold_file);
            if (!opened.bold) return status;
        }
    }
    opened.baseline =
        request.baseline.value_or(DefaultBaseline(cell, opened.normal->Descender26_6()));
    faces = std::move(opened);
    return Status::Ok();
}

Status FreeTypeFaceOpener::Open(const FontImportRequest& request, GlyphCell cell,
                                OpenedFaces& faces) {
    ImportFaces opened;
    const Status status = OpenImportFaces(request, cell, opened);
    if (!status.ok()) return status;
    faces.normal = std::move(opened.normal);
    faces.bold = std::move(opened.bold);
    faces.baseline = opened.baseline;
    return status;
}

}  // namespace rw
