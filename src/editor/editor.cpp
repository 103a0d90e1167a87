#include "editor/editor.h"

#include <algorithm>
#include <vector>

#include "edition/letter_sets.h"
#include "edition/texts.h"
#include "editor/glyph_width.h"
#include "editor/previews.h"
#include "io/load_scope.h"

namespace rw {
namespace {

// Load options that read only bold glyphs: N21, N22, N28 and, in the Latin edition, Sym12.
constexpr int kBoldOnlyScopes[] = {2, 3, 5, 8};

bool Contains(Rect outer, Rect inner) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

Rect At(Rect r, int left) {
    r.x = left;
    return r;
}

bool IsPhoneModel(PhoneModel model) {
    const int code = static_cast<int>(model);
    return code >= 0 && code < kPhoneModelCount;
}

bool IsFontKind(FontKind kind) {
    const int code = static_cast<int>(kind);
    return code >= 0 && code < kFontKindCount;
}

}  // namespace

Editor::Editor(Edition edition) : state_(EditorState::AtStart(edition)) {
    const bool latin = edition == Edition::Latin;
    ApplyGridHints();
    for (Picture16& p : thumbnails_) p.Fill(kFaceGrey);
    edit_image_.Fill(kWhite);
    WriteSetHints(0);
    row_labels_.fill("00");

    covers_.yo1_hint = "Ё";
    covers_.yo2_hint = "Є";
    if (latin) {
        covers_.close1_left = 104;
        covers_.close2_left = 8;
    }

    controls_.model_checked[static_cast<int>(state_.model)] = true;
    controls_.kind_checked[static_cast<int>(state_.kind)] = true;
    for (int tag = 0; tag <= MaxLoadScope(edition); ++tag) {
        controls_.scope_present[tag] = true;
        controls_.scope_enabled[tag] = true;
    }
    controls_.scope_checked[kWholeFontScope] = true;
    controls_.set_down[0] = true;
    controls_.sft_sbf_present = !latin;
    phone_caption_ = rw::PhoneMenuCaption(state_.model, state_.language);
    font_caption_ = rw::FontMenuCaption(state_.kind, state_.language);

    marker_width_ = state_.wide ? 16 : 8;
    if (state_.wide) {
        LayoutWideGrid(state_.last_row, grid_);
    } else {
        LayoutNarrowGrid(state_.last_row, grid_);
    }
}

// ---------------------------------------------------------------------------------------------
// Activation

void Editor::Activate() {
    // Later activations (after the help, history or About window closed) must not reset the
    // scope behind its check mark nor throw away edits not yet written back.
    if (activated_) return;
    activated_ = true;

    state_.load_scope = kWholeFontScope;
    controls_.scope_checked = {};
    controls_.scope_checked[kWholeFontScope] = true;
    state_.bold = false;
    state_.block = 0;
    controls_.bold_down = false;
    controls_.set_down = {true, false, false, false};
    if (state_.edition == Edition::Latin) {
        state_.last_row = LastRowIndex(state_.kind);
        GridWidthSwitch(true);
    }
    RedrawPreviews();
    LetterLoad(0);
    // PaintBoxEdit names the letter from the start, so a shift of the first letter keeps it.
    edit_image_hint_ = thumbnail_hints_[0];
    Changed(kControlsChanged | kHintsChanged);
}

// ---------------------------------------------------------------------------------------------
// Letter load, clicks, write-back

void Editor::LetterLoad(int source) {
    const bool from_edit_image = source == kEditImageSource;
    const int slot = from_edit_image ? edit_image_number_ : source;
    const int h = state_.last_row;
    controls_.button1_enabled = true;
    const GlyphSlot glyph{state_.block, slot};
    state_.selected_slot = slot;
    if (state_.wide) {
        const WideGlyph& record = font_.Wide(glyph);
        PaintWideEditImage(record, h, edit_image_);
        std::copy_n(record.begin(), std::min(h, 15) + 1, working_wide_.begin());
        width_label_ = std::to_string(working_wide_[0]);
        PaintGridFromWide(working_wide_, h, grid_);
    } else {
        const NarrowGlyph& record = font_.Narrow(glyph);
        PaintNarrowEditImage(record, h, edit_image_);
        std::copy_n(record.begin(), std::min(h, 12) + 1, working_narrow_.begin());
        width_label_ = std::to_string(working_narrow_[0]);
        PaintGridFromNarrow(working_narrow_, h, grid_);
    }
    letter_label_ = from_edit_image ? edit_image_hint_ : thumbnail_hints_[slot];
    ShowRowValues();
    selected_source_ = source;
    if (!from_edit_image) framed_slot_ = slot;
    Changed(kGridChanged | kRowLabelsChanged | kLabelsChanged | kEditImageChanged | kFrameChanged |
            kControlsChanged);
}

bool Editor::PressThumbnail(int slot) {
    if (slot < 0 || slot >= slot_count() || IsThumbnailCovered(slot)) return false;
    LetterLoad(slot);
    edit_image_hint_ = thumbnail_hints_[slot];
    Changed(kHintsChanged);
    return true;
}

bool Editor::ClickCell(int row, int col) {
    if (row < 0 || row >= kGridSize || col < 0 || col >= kGridSize) return false;
    GridCell& cell = grid_.At(row, col);
    if (!cell.live) return false;
    const int bits = GridBits();
    cell.colour = cell.colour == kWhite ? kBlack : kWhite;
    const int r = cell.number / bits;
    const int c = cell.number % bits;
    edit_image_.Set(c, r, cell.colour);
    uint8_t width = 0;
    if (state_.wide) {
        working_wide_[r] ^= static_cast<uint16_t>(1u << (15 - c));
        width = GlyphWidth(working_wide_, state_.last_row);
        working_wide_[0] = width;
    } else {
        working_narrow_[r] ^= static_cast<uint8_t>(1u << (7 - c));
        width = GlyphWidth(working_narrow_, state_.last_row);
        working_narrow_[0] = width;
    }
    ShowWidthBits(width, state_.wide, grid_);
    ShowRowValues();
    width_label_ = std::to_string(width);
    Changed(kGridChanged | kRowLabelsChanged | kLabelsChanged | kEditImageChanged);
    return true;
}

void Editor::WriteBack() {
    if (!controls_.button1_enabled) return;
    const int count = std::min(state_.last_row, state_.wide ? 15 : 12) + 1;
    std::vector<GlyphSlot> targets{SelectedGlyph()};
    // Browser and Big have one weight; the phone still reads their bold block.
    if (state_.kind == FontKind::Browser || state_.kind == FontKind::Big) {
        const int bold_block = state_.block + BoldStep(state_.edition);
        if (bold_block < BlockCount(state_.edition))
            targets.push_back({bold_block, state_.selected_slot});
    }
    for (GlyphSlot target : targets) {
        if (state_.wide) {
            std::copy_n(working_wide_.begin(), count, font_.Wide(target).begin());
        } else {
            std::copy_n(working_narrow_.begin(), count, font_.Narrow(target).begin());
        }
    }
    RedrawPreviews();
}

void Editor::ShowRowValues() {
    if (state_.wide) {
        ShowWideRowValues(working_wide_, state_.last_row, row_labels_);
    } else {
        ShowNarrowRowValues(working_narrow_, state_.last_row, row_labels_);
    }
}

void Editor::RedrawPreviews() {
    const int h = state_.last_row;
    const int block = state_.block;
    for (int k = 0; k < slot_count(); ++k) {
        if (state_.wide) {
            PaintWideGlyph(font_.wide[block][k], h, thumbnails_[k]);
        } else {
            PaintNarrowGlyph(font_.narrow[block][k], h, thumbnails_[k]);
        }
    }
    if (state_.wide) {
        PaintWideEditImage(working_wide_, h, edit_image_);
    } else {
        PaintNarrowEditImage(working_narrow_, h, edit_image_);
    }
    Changed(kThumbnailsChanged | kEditImageChanged);
}

void Editor::ReselectAfterChange() {
    if (selected_source_ != kNoSource) LetterLoad(selected_source_);
}

// ---------------------------------------------------------------------------------------------
// Set and weight buttons

void Editor::PressUpperCase() {
    PressSetButton(0);
}
void Editor::PressLowerCase() {
    PressSetButton(1);
}
void Editor::PressSymbolSet(int n) {
    // Only "s1" and "s2" exist; any other number must not press a case button.
    if (n != 1 && n != 2) return;
    PressSetButton(n + 1);
}

void Editor::PressSetButton(int set) {
    if (set < 0 || set >= SetCount(state_.edition)) return;
    const bool latin = state_.edition == Edition::Latin;
    if (latin) {
        // Covers over the slots the set leaves empty.
        covers_.close1_left = set < 2 ? 104 : kHiddenLeft;
        covers_.close2_left = set < 2 ? 8 : set == 2 ? 104 : 80;
        Changed(kCoversChanged);
    }
    WriteSetHints(set);
    const bool was_down = controls_.set_down[set];
    if (latin) {
        if (was_down) return;
        state_.block = set + (controls_.bold_down ? BoldStep(state_.edition) : 0);
        RedrawPreviews();
        ReselectAfterChange();
    } else {
        const int other = 1 - set;
        if (controls_.set_down[other]) {
            state_.block += set == 0 ? -1 : 1;
            RedrawPreviews();
            ReselectAfterChange();
        }
    }
    SelectSetButton(set);
}

void Editor::SelectSetButton(int set) {
    controls_.set_down = {};
    controls_.set_down[set] = true;
    Changed(kControlsChanged);
}

void Editor::WriteSetHints(int set) {
    for (int k = 0; k < slot_count(); ++k) thumbnail_hints_[k] = SetHint(state_.edition, set, k);
    if (state_.edition == Edition::Cyrillic) {
        covers_.yo1_hint = thumbnail_hints_[6];
        covers_.yo2_hint = thumbnail_hints_[33];
        Changed(kCoversChanged);
    }
    Changed(kHintsChanged);
}

bool Editor::PressBold() {
    if (!controls_.bold_enabled || !controls_.bold_visible) return false;
    const bool bold = !controls_.bold_down;
    state_.bold = bold;
    state_.block += bold ? BoldStep(state_.edition) : -BoldStep(state_.edition);
    letter_label_bold_ = bold;
    RedrawPreviews();
    ReselectAfterChange();
    controls_.bold_down = bold;
    Changed(kLabelsChanged | kControlsChanged);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Shifts and clears

void Editor::Shift(ShiftDirection direction) {
    if (selected_source_ == kNoSource) return;
    const GlyphSlot glyph = SelectedGlyph();
    const int h = state_.last_row;
    // The letter load reads the font, so the shifted glyph goes there for the moment of the
    // reload and the stored record comes back afterwards.
    const NarrowGlyph narrow_record = font_.Narrow(glyph);
    const WideGlyph wide_record = font_.Wide(glyph);
    if (state_.wide) {
        ShiftRows(working_wide_, h, direction);
        working_wide_[0] = GlyphWidth(working_wide_, h);
        font_.Wide(glyph) = working_wide_;
        width_label_ = std::to_string(working_wide_[0]);
    } else {
        ShiftRows(working_narrow_, h, direction);
        working_narrow_[0] = GlyphWidth(working_narrow_, h);
        font_.Narrow(glyph) = working_narrow_;
        width_label_ = std::to_string(working_narrow_[0]);
    }
    ShowRowValues();
    edit_image_number_ = state_.selected_slot;
    LetterLoad(kEditImageSource);
    font_.Narrow(glyph) = narrow_record;
    font_.Wide(glyph) = wide_record;
}

void Editor::ZeroRecord(GlyphSlot glyph) {
    if (state_.edition == Edition::Latin) {
        font_.Wide(glyph) = {};
    } else if (state_.wide) {
        std::fill_n(font_.Wide(glyph).begin(), std::min(state_.last_row, 15) + 1, 0);
    } else {
        std::fill_n(font_.Narrow(glyph).begin(), std::min(state_.last_row + 1, 12) + 1, 0);
    }
}

void Editor::ClearLetter() {
    ZeroRecord(SelectedGlyph());
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::ClearBlock() {
    for (int k = 0; k < slot_count(); ++k) ZeroRecord({state_.block, k});
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::ClearFont() {
    for (int b = 0; b < BlockCount(state_.edition); ++b) {
        for (int k = 0; k < slot_count(); ++k) ZeroRecord({b, k});
    }
    RedrawPreviews();
    ReselectAfterChange();
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void Editor::CopyBlock() {
    const int n = slot_count();
    if (state_.wide) {
        std::copy_n(font_.wide[state_.block].begin(), n, clipboard_.wide.begin());
    } else {
        std::copy_n(font_.narrow[state_.block].begin(), n, clipboard_.narrow.begin());
    }
}

void Editor::PasteBlock() {
    const int n = slot_count();
    if (state_.wide) {
        std::copy_n(clipboard_.wide.begin(), n, font_.wide[state_.block].begin());
    } else {
        std::copy_n(clipboard_.narrow.begin(), n, font_.narrow[state_.block].begin());
    }
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::CopyLetter() {
    const int slot = state_.selected_slot;
    if (state_.wide) {
        clipboard_.wide[slot] = font_.Wide(SelectedGlyph());
    } else {
        clipboard_.narrow[slot] = font_.Narrow(SelectedGlyph());
    }
    clipboard_.slot = slot;
}

void Editor::PasteLetter() {
    if (state_.wide) {
        font_.Wide(SelectedGlyph()) = clipboard_.wide[clipboard_.slot];
    } else {
        font_.Narrow(SelectedGlyph()) = clipboard_.narrow[clipboard_.slot];
    }
    RedrawPreviews();
    ReselectAfterChange();
}

// ---------------------------------------------------------------------------------------------
// Model, kind, scope, language

void Editor::ChooseModel(PhoneModel model) {
    // The phone menu has six items; no other code has a layout row or a caption.
    if (!IsPhoneModel(model)) return;
    phone_caption_ = rw::PhoneMenuCaption(model, state_.language);
    state_.model = model;
    if (state_.edition == Edition::Cyrillic) MoveCovers(model);
    state_.layout = LookupLayout(state_.edition, model, state_.kind);
    if (state_.edition == Edition::Cyrillic) GridWidthSwitch(state_.layout.wide);
    ApplyWeightAvailability();
    controls_.model_checked = {};
    controls_.model_checked[static_cast<int>(model)] = true;
    controls_.sft_sbf_enabled = controls_.sft_sbf_present && state_.wide;
    Changed(kMenusChanged | kControlsChanged);
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::ChooseKind(FontKind kind) {
    if (!IsFontKind(kind)) return;
    font_caption_ = rw::FontMenuCaption(kind, state_.language);
    state_.kind = kind;
    state_.last_row = LastRowIndex(kind);
    state_.layout = LookupLayout(state_.edition, state_.model, kind);
    controls_.kind_checked = {};
    controls_.kind_checked[static_cast<int>(kind)] = true;
    GridWidthSwitch(state_.edition == Edition::Latin || state_.layout.wide);
    ApplyWeightAvailability();
    controls_.sft_sbf_enabled = controls_.sft_sbf_present && state_.wide;
    Changed(kMenusChanged | kControlsChanged);
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::MoveCovers(PhoneModel model) {
    // 35-series phones lack Ё and Є.
    const bool cover = model == PhoneModel::CM35 || model == PhoneModel::S35;
    covers_.yo1_left = cover ? 151 : kHiddenLeft;
    covers_.yo2_left = cover ? 7 : kHiddenLeft;
    Changed(kCoversChanged);
}

void Editor::GridWidthSwitch(bool wide) {
    state_.wide = wide;
    marker_width_ = wide ? 16 : 8;
    if (wide) {
        LayoutWideGrid(state_.last_row, grid_);
    } else {
        LayoutNarrowGrid(state_.last_row, grid_);
    }
    Changed(kGridChanged | kMarkersChanged);
}

void Editor::ApplyWeightAvailability() {
    const bool single = state_.layout.single_weight;
    state_.single_weight = single;
    for (int tag : kBoldOnlyScopes) {
        if (controls_.scope_present[tag]) controls_.scope_enabled[tag] = !single;
    }
    letter_label_bold_ = !single;
    if (single && state_.bold) {
        controls_.bold_down = false;
        state_.bold = false;
        state_.block -= BoldStep(state_.edition);
    }
    controls_.bold_enabled = !single;
    controls_.bold_visible = !single;
    Changed(kLabelsChanged | kControlsChanged);
}

bool Editor::ChooseLoadScope(int tag) {
    if (tag < 0 || tag >= kScopeItems || !controls_.scope_present[tag] ||
        !controls_.scope_enabled[tag]) {
        return false;
    }
    controls_.scope_checked = {};
    controls_.scope_checked[tag] = true;
    state_.load_scope = tag;
    Changed(kControlsChanged);
    return true;
}

void Editor::SetLanguage(int language) {
    // The Cyrillic edition has no language menu: its interface stays Russian.
    if (state_.edition != Edition::Latin || (language != kRussian && language != kEnglish)) return;
    state_.language = language;
    controls_.russian_checked = language == kRussian;
    controls_.english_checked = language == kEnglish;
    font_caption_ = rw::FontMenuCaption(state_.kind, language);
    phone_caption_ = rw::PhoneMenuCaption(state_.model, language);
    ApplyGridHints();
    GridWidthSwitch(true);
    RedrawPreviews();
    ReselectAfterChange();
    Changed(kMenusChanged | kControlsChanged | kHintsChanged);
}

void Editor::ApplyGridHints() {
    for (int i = 0; i < kGridHintCount; ++i) {
        grid_hints_[i] = rw::GridHintText(i, state_.language);
        grid_hints_display_[i] = DisplayText(grid_hints_[i]);
    }
    Changed(kHintsChanged);
}

// ---------------------------------------------------------------------------------------------
// File loads

void Editor::ReplaceFont(const FontImage& font) {
    font_ = font;
}

void Editor::AfterFontLoaded() {
    // Every load starts from a white edit image: a wide redraw paints only rows 0..H, and rows
    // below must not keep a letter of a taller kind shown earlier.
    edit_image_.Fill(kWhite);
    RedrawPreviews();
    ReselectAfterChange();
}

void Editor::SetFileName(std::string path) {
    state_.file_name = std::move(path);
    Changed(kMenusChanged);
}

// ---------------------------------------------------------------------------------------------
// Views

CellView Editor::Cell(int row, int col) const {
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

LetterLabelView Editor::LetterLabel() const {
    return {LetterLabelText(state_.edition, letter_label_), letter_label_bold_};
}

std::string Editor::ThumbnailHintText(int slot) const {
    return DisplayText(thumbnail_hints_[slot]);
}

SelectionFrameView Editor::SelectionFrame() const {
    SelectionFrameView frame;
    if (framed_slot_ == kNoSource) {
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

int Editor::MarkerWidth(int slot) const {
    // The three extra markers of the Latin edition are always 16 wide.
    if (slot >= 34) return 16;
    return marker_width_;
}

bool Editor::IsThumbnailCovered(int slot) const {
    const Rect thumb = ThumbnailRect(slot);
    if (state_.edition == Edition::Cyrillic) {
        return Contains(At(kPanelYo1Rect, covers_.yo1_left), thumb) ||
               Contains(At(kPanelYo2Rect, covers_.yo2_left), thumb);
    }
    return Contains(At(kPanelClose1Rect, covers_.close1_left), thumb) ||
           Contains(At(kPanelClose2Rect, covers_.close2_left), thumb);
}

std::string Editor::WindowCaption() const {
    const std::string& path = state_.file_name;
    const size_t cut = path.find_last_of("/\\");
    const std::string name =
        path.empty() ? "no file" : path.substr(cut == std::string::npos ? 0 : cut + 1);
    return WindowCaptionPrefix(state_.edition) + name + "]";
}

const std::string& Editor::GridHintText(GridHint hint) const {
    static const std::string kNone;
    return hint == GridHint::None ? kNone : grid_hints_[static_cast<int>(hint)];
}

uint32_t Editor::TakeChanges() {
    const uint32_t taken = changes_;
    changes_ = 0;
    return taken;
}

void Editor::Changed(uint32_t flags) {
    changes_ |= flags;
    ++generation_;
}

}  // namespace rw
