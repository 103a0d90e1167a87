#include "editor/window_model.h"

#include "edition/letter_sets.h"
#include "edition/texts.h"
#include "editor/glyph_width.h"
#include "editor/previews.h"

namespace rw {
namespace {

bool Contains(Rect outer, Rect inner) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

Rect At(Rect r, int left) {
    r.x = left;
    return r;
}

// The painters of each glyph form.
template <typename Glyph>
struct Form;
template <>
struct Form<NarrowGlyph> {
    static constexpr auto kPaintGrid = PaintGridFromNarrow;
    static constexpr auto kShowRows = ShowNarrowRowValues;
    static constexpr auto kPaintThumbnail = PaintNarrowGlyph;
    static constexpr auto kPaintEditImage = PaintNarrowEditImage;
    static constexpr bool kWide = false;
    static const NarrowBlock& Block(const FontImage& font, int block) { return font.narrow[block]; }
};
template <>
struct Form<WideGlyph> {
    static constexpr auto kPaintGrid = PaintGridFromWide;
    static constexpr auto kShowRows = ShowWideRowValues;
    static constexpr auto kPaintThumbnail = PaintWideGlyph;
    static constexpr auto kPaintEditImage = PaintWideEditImage;
    static constexpr bool kWide = true;
    static const WideBlock& Block(const FontImage& font, int block) { return font.wide[block]; }
};

}  // namespace

WindowModel::WindowModel(Edition edition) : edition_(edition) {
    for (Picture16& p : thumbnails_) p.Fill(kFaceGrey);
    edit_image_.Fill(kWhite);
    row_labels_.fill("00");
}

// ---------------------------------------------------------------------------------------------
// Painters

void WindowModel::LayoutGrid(bool wide, int last_row) {
    marker_width_ = wide ? 16 : 8;
    if (wide) {
        LayoutWideGrid(last_row, grid_);
    } else {
        LayoutNarrowGrid(last_row, grid_);
    }
    Changed(kGridChanged | kMarkersChanged);
}

template <typename Glyph>
void WindowModel::ShowWorkingGlyph(const Glyph& glyph, int last_row) {
    Form<Glyph>::kPaintGrid(glyph, last_row, grid_);
    Form<Glyph>::kShowRows(glyph, last_row, row_labels_);
    width_label_ = std::to_string(glyph[0]);
    PaintEditImage(glyph, last_row);
    Changed(kGridChanged | kRowLabelsChanged | kLabelsChanged);
}

void WindowModel::ShowPixel(int row, int col, int glyph_row, int glyph_col, bool ink) {
    const Rgb colour = ink ? kBlack : kWhite;
    grid_.At(row, col).colour = colour;
    edit_image_.Set(glyph_col, glyph_row, colour);
    Changed(kGridChanged | kEditImageChanged);
}

template <typename Glyph>
void WindowModel::ShowWidthAndRows(const Glyph& glyph, int last_row) {
    const auto width = static_cast<uint8_t>(glyph[0]);
    ShowWidthBits(width, Form<Glyph>::kWide, grid_);
    Form<Glyph>::kShowRows(glyph, last_row, row_labels_);
    width_label_ = std::to_string(width);
    Changed(kGridChanged | kRowLabelsChanged | kLabelsChanged);
}

template <typename Glyph>
void WindowModel::ShowThumbnails(const FontImage& font, int block, int last_row,
                                 const Glyph& working) {
    const auto& glyphs = Form<Glyph>::Block(font, block);
    for (int k = 0; k < slot_count(); ++k) {
        Form<Glyph>::kPaintThumbnail(glyphs[k], last_row, thumbnails_[k]);
    }
    PaintEditImage(working, last_row);
    Changed(kThumbnailsChanged);
}

template <typename Glyph>
void WindowModel::PaintEditImage(const Glyph& glyph, int last_row) {
    Form<Glyph>::kPaintEditImage(glyph, last_row, edit_image_);
    Changed(kEditImageChanged);
}

template void WindowModel::ShowWorkingGlyph(const NarrowGlyph&, int);
template void WindowModel::ShowWorkingGlyph(const WideGlyph&, int);
template void WindowModel::ShowWidthAndRows(const NarrowGlyph&, int);
template void WindowModel::ShowWidthAndRows(const WideGlyph&, int);
template void WindowModel::ShowThumbnails(const FontImage&, int, int, const NarrowGlyph&);
template void WindowModel::ShowThumbnails(const FontImage&, int, int, const WideGlyph&);
template void WindowModel::PaintEditImage(const NarrowGlyph&, int);
template void WindowModel::PaintEditImage(const WideGlyph&, int);

void WindowModel::ClearEditImage() {
    edit_image_.Fill(kWhite);
    Changed(kEditImageChanged);
}

void WindowModel::ShowLetter(const std::string& text) {
    letter_label_ = text;
    Changed(kLabelsChanged);
}

void WindowModel::ShowLetterBold(bool bold) {
    letter_label_bold_ = bold;
    Changed(kLabelsChanged);
}

void WindowModel::FrameThumbnail(int slot) {
    framed_slot_ = slot;
    Changed(kFrameChanged);
}

void WindowModel::ShowSetHints(int set) {
    for (int k = 0; k < slot_count(); ++k) thumbnail_hints_[k] = SetHint(edition_, set, k);
    if (edition_ == Edition::Cyrillic) {
        covers_.yo1_hint = thumbnail_hints_[6];
        covers_.yo2_hint = thumbnail_hints_[33];
        Changed(kCoversChanged);
    }
    Changed(kHintsChanged);
}

void WindowModel::SetEditImageHint(const std::string& hint) {
    edit_image_hint_ = hint;
    Changed(kHintsChanged);
}

void WindowModel::ShowMenuCaptions(const std::string& phone, const std::string& font) {
    phone_caption_ = phone;
    font_caption_ = font;
    Changed(kMenusChanged);
}

void WindowModel::ShowGridHints(int language) {
    for (int i = 0; i < kGridHintCount; ++i) {
        grid_hints_[i] = rw::GridHintText(i, language);
        grid_hints_display_[i] = DisplayText(grid_hints_[i]);
    }
    Changed(kHintsChanged);
}

void WindowModel::ShowNotice(Message notice) {
    notice_ = std::move(notice);
    Changed(kNoticeChanged);
}

void WindowModel::ShowFileName(const std::string& path) {
    file_name_ = path;
    Changed(kMenusChanged);
}

// ---------------------------------------------------------------------------------------------
// Views

CellView WindowModel::Cell(int row, int col) const {
    const GridCell& cell = grid_.At(row, col);
    CellView view;
    view.role = cell.role;
    view.colour = cell.colour;
    view.button_face = cell.role == CellRole::Inert;
    view.number = cell.number;
    view.live = cell.live;
    view.hint_id = cell.hint;
    if (cell.hint != GridHint::None) {
        view.hint = grid_hints_[static_cast<int>(cell.hint)];
        view.hint_display = grid_hints_display_[static_cast<int>(cell.hint)];
    }
    return view;
}

LetterLabelView WindowModel::LetterLabel() const {
    return {LetterLabelText(edition_, letter_label_), letter_label_bold_};
}

std::string WindowModel::ThumbnailHintText(int slot) const {
    return DisplayText(thumbnail_hints_[slot]);
}

SelectionFrameView WindowModel::SelectionFrame() const {
    SelectionFrameView frame;
    if (framed_slot_ == kNoSlot) {
        frame.left = {kFrameHiddenLeft, 0, 1, 18};
        frame.right = {kFrameHiddenLeft, 0, 1, 18};
        frame.top = {kFrameHiddenLeft, 0, 18, 1};
        frame.bottom = {kFrameHiddenLeft, 0, 18, 1};
        return frame;
    }
    const Rect t = ThumbnailRect(framed_slot_);
    frame.left = {t.x - 1, t.y - 1, 1, 18};
    frame.right = {t.x + 17, t.y - 1, 1, 18};
    frame.top = {t.x - 1, t.y - 1, 18, 1};
    frame.bottom = {t.x - 1, t.y + 17, 18, 1};
    frame.on_screen = true;
    return frame;
}

int WindowModel::MarkerWidth(int slot) const {
    // The three extra markers of the Latin edition are always 16 wide.
    if (slot >= 34) return 16;
    return marker_width_;
}

bool WindowModel::IsThumbnailCovered(int slot) const {
    const Rect thumb = ThumbnailRect(slot);
    if (edition_ == Edition::Cyrillic) {
        return Contains(At(kPanelYo1Rect, covers_.yo1_left), thumb) ||
               Contains(At(kPanelYo2Rect, covers_.yo2_left), thumb);
    }
    return Contains(At(kPanelClose1Rect, covers_.close1_left), thumb) ||
           Contains(At(kPanelClose2Rect, covers_.close2_left), thumb);
}

std::string WindowModel::WindowCaption() const {
    const size_t cut = file_name_.find_last_of("/\\");
    const std::string name =
        file_name_.empty() ? "no file" : file_name_.substr(cut == std::string::npos ? 0 : cut + 1);
    return WindowCaptionPrefix(edition_) + name + "]";
}

const std::string& WindowModel::GridHintText(GridHint hint) const {
    static const std::string kNone;
    return hint == GridHint::None ? kNone : grid_hints_[static_cast<int>(hint)];
}

uint32_t WindowModel::TakeChanges() {
    const uint32_t taken = changes_;
    changes_ = 0;
    return taken;
}

void WindowModel::Changed(uint32_t flags) {
    changes_ |= flags;
    ++generation_;
}

}  // namespace rw
