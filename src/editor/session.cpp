#include "editor/session.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "edition/identify_messages.h"
#include "edition/letter_sets.h"
#include "edition/status_messages.h"
#include "edition/texts.h"
#include "io/font_files.h"
#include "io/layout_identify.h"
#include "io/load_scope.h"
#include "io/read_only_guard.h"
#include "io/unchanged_glyphs.h"

namespace rw {
namespace {

// Load options that read only bold glyphs: N21, N22, N28 and, in the Latin edition, Sym12.
constexpr int kBoldOnlyScopes[] = {2, 3, 5, 8};

// A pointer far off the grid still draws a line across it; farther points add nothing.
constexpr int kStrokeReach = 1024;

bool IsPhoneModel(PhoneModel model) {
    const int code = static_cast<int>(model);
    return code >= 0 && code < kPhoneModelCount;
}

bool IsFontKind(FontKind kind) {
    const int code = static_cast<int>(kind);
    return code >= 0 && code < kFontKindCount;
}

const NarrowGlyph& Record(const FontImage& font, GlyphSlot slot, const NarrowGlyph&) {
    return font.Narrow(slot);
}
const WideGlyph& Record(const FontImage& font, GlyphSlot slot, const WideGlyph&) {
    return font.Wide(slot);
}

// Elements 0..H of a glyph of this form: what a letter load and a write-back move.
template <typename Glyph>
int ElementsUpToH(const Glyph&, int last_row) {
    return std::min<int>(last_row, static_cast<int>(std::tuple_size_v<Glyph>) - 1) + 1;
}

template <typename Glyph>
Glyph Emboldened(Glyph glyph, int last_row) {
    TransformRows(glyph, last_row, GlyphTransform::Embolden);
    ApplyWidthRule(glyph, last_row);
    return glyph;
}

UiText TransformCaption(GlyphTransform transform) {
    switch (transform) {
        case GlyphTransform::FlipHorizontal:
            return UiText::MenuFlipHorizontal;
        case GlyphTransform::FlipVertical:
            return UiText::MenuFlipVertical;
        case GlyphTransform::Invert:
            return UiText::MenuInvert;
        case GlyphTransform::Embolden:
            break;
    }
    return UiText::MenuEmbolden;
}

// The cells of the straight line from (r0, c0) to (r1, c1), the first one left out (Bresenham).
std::vector<std::pair<int, int>> LineAfter(int r0, int c0, int r1, int c1) {
    std::vector<std::pair<int, int>> cells;
    const int dr = std::abs(r1 - r0);
    const int dc = std::abs(c1 - c0);
    const int step_r = r0 < r1 ? 1 : -1;
    const int step_c = c0 < c1 ? 1 : -1;
    int error = dc - dr;
    int r = r0;
    int c = c0;
    while (r != r1 || c != c1) {
        const int twice = 2 * error;
        if (twice > -dr) {
            error -= dr;
            c += step_c;
        }
        if (twice < dc) {
            error += dc;
            r += step_r;
        }
        cells.emplace_back(r, c);
    }
    return cells;
}

}  // namespace

Session::Session(Edition edition) : state_(EditorState::AtStart(edition)), view_(edition) {
    const bool latin = edition == Edition::Latin;
    view_.ShowGridHints(state_.language);
    view_.ShowSetHints(0);

    CoverView& covers = view_.covers();
    covers.yo1_hint = "Ё";
    covers.yo2_hint = "Є";
    if (latin) {
        covers.close1_left = 104;
        covers.close2_left = 8;
    }

    ControlStates& controls = view_.controls();
    controls.model_checked[static_cast<int>(state_.model)] = true;
    controls.kind_checked[static_cast<int>(state_.kind)] = true;
    for (int tag = 0; tag <= MaxLoadScope(edition); ++tag) {
        controls.scope_present[tag] = true;
        controls.scope_enabled[tag] = true;
    }
    controls.scope_checked[kWholeFontScope] = true;
    controls.set_down[0] = true;
    controls.sft_sbf_present = !latin;
    view_.ShowMenuCaptions(rw::PhoneMenuCaption(state_.model, state_.language),
                           rw::FontMenuCaption(state_.kind, state_.language));
    view_.LayoutGrid(state_.wide, state_.last_row);
}

template <typename Work>
void Session::OnWorkingGlyph(Work&& work) {
    if (state_.wide) {
        work(working_wide_);
    } else {
        work(working_narrow_);
    }
}

template <typename Work>
void Session::OnWorkingGlyph(Work&& work) const {
    if (state_.wide) {
        work(working_wide_);
    } else {
        work(working_narrow_);
    }
}

std::string Session::Caption(UiText id) const {
    return Text(id, state_.language, state_.edition);
}

// ---------------------------------------------------------------------------------------------
// Activation

void Session::Activate() {
    // Later activations (after the help, history or About window closed) must not reset the
    // scope behind its check mark nor throw away edits not yet written back.
    if (activated_) return;
    activated_ = true;

    ControlStates& controls = view_.controls();
    state_.load_scope = kWholeFontScope;
    controls.scope_checked = {};
    controls.scope_checked[kWholeFontScope] = true;
    state_.bold = false;
    state_.block = 0;
    controls.bold_down = false;
    controls.set_down = {true, false, false, false};
    if (state_.edition == Edition::Latin) {
        state_.last_row = LastRowIndex(state_.kind);
        GridWidthSwitch(true);
    }
    RedrawPreviews();
    LetterLoad(0);
    // PaintBoxEdit names the letter from the start, so a shift of the first letter keeps it.
    view_.SetEditImageHint(view_.ThumbnailHint(0));
    view_.Changed(kControlsChanged);
}

// ---------------------------------------------------------------------------------------------
// History

Snapshot Session::Capture() const {
    return {.font = document_.font(),
            .working_narrow = working_narrow_,
            .working_wide = working_wide_,
            .model = state_.model,
            .kind = state_.kind,
            .block = state_.block,
            .selected_slot = state_.selected_slot,
            .has_selection = selected_source_ != kNoSource,
            .base = base_};
}

void Session::RecordStep(StepName name) {
    history_.Record(name, Capture());
    view_.Changed(kControlsChanged | kMenusChanged);
}

void Session::Undo() {
    if (!CanUndo()) return;
    EndStroke();
    const StepName step = *history_.UndoName();
    Restore(history_.Undo(Capture()), step);
}

void Session::Redo() {
    if (!CanRedo()) return;
    EndStroke();
    const StepName step = *history_.RedoName();
    Restore(history_.Redo(Capture()), step);
}

// Shows the restored state the way the handlers show things, without a letter load: that
// would overwrite the restored working glyph with the stored record. The model and kind come
// back first, so the glyphs show in the form they were edited in.
void Session::Restore(const Snapshot& snapshot, StepName step) {
    document_.Replace(snapshot.font);
    // Only a fullflash load, or an import from a patch that named the fullflash, moves the base;
    // undoing anything else keeps the one the last fullflash load or save set.
    if (step == UiText::MenuLoadFlash || step == UiText::MenuImportPatch) base_ = snapshot.base;
    if (snapshot.kind != state_.kind) ApplyKind(snapshot.kind);
    if (snapshot.model != state_.model) ApplyModel(snapshot.model);
    working_narrow_ = snapshot.working_narrow;
    working_wide_ = snapshot.working_wide;
    RestoreBlock(snapshot.block);
    if (snapshot.has_selection) {
        const int slot = snapshot.selected_slot;
        state_.selected_slot = slot;
        selected_source_ = slot;
        view_.FrameThumbnail(slot);
        view_.ShowLetter(view_.ThumbnailHint(slot));
        view_.SetEditImageHint(view_.ThumbnailHint(slot));
        view_.controls().button1_enabled = true;
    }
    RedrawPreviews();
    if (selected_source_ != kNoSource) {
        OnWorkingGlyph([&](const auto& glyph) { view_.ShowWorkingGlyph(glyph, state_.last_row); });
    }
    view_.Changed(kControlsChanged | kMenusChanged);
}

// The set and weight of a restored block. A layout chosen since then may have a single weight:
// its bold block is not shown, so the weight stays normal.
void Session::RestoreBlock(int block) {
    const int step = BoldStep(state_.edition);
    const int set = block % step;
    const bool bold = block >= step && !state_.single_weight;
    if (set != CurrentSet()) ShowSet(set);
    if (bold != state_.bold) {
        state_.bold = bold;
        view_.controls().bold_down = bold;
        view_.ShowLetterBold(bold);
    }
    state_.block = set + (bold ? step : 0);
}

std::string Session::UndoCaption() const {
    const std::optional<StepName> name = history_.UndoName();
    return Caption(UiText::MenuUndo) + (name ? ": " + Caption(*name) : "");
}

std::string Session::RedoCaption() const {
    const std::optional<StepName> name = history_.RedoName();
    return Caption(UiText::MenuRedo) + (name ? ": " + Caption(*name) : "");
}

// ---------------------------------------------------------------------------------------------
// Letter load, pixel painting, write-back

void Session::LetterLoad(int source) {
    const bool from_edit_image = source == kEditImageSource;
    const int slot = from_edit_image ? edit_image_number_ : source;
    const int h = state_.last_row;
    view_.controls().button1_enabled = true;
    state_.selected_slot = slot;
    OnWorkingGlyph([&](auto& working) {
        const auto& record = Record(document_.font(), {state_.block, slot}, working);
        std::copy_n(record.begin(), ElementsUpToH(working, h), working.begin());
        view_.ShowWorkingGlyph(working, h);
    });
    view_.ShowLetter(from_edit_image ? view_.EditImageHint() : view_.ThumbnailHint(slot));
    selected_source_ = source;
    if (!from_edit_image) view_.FrameThumbnail(slot);
    view_.Changed(kFrameChanged | kControlsChanged);
}

bool Session::PressThumbnail(int slot) {
    if (slot < 0 || slot >= slot_count() || view_.IsThumbnailCovered(slot)) return false;
    KeepUnwrittenEdits();
    LetterLoad(slot);
    view_.SetEditImageHint(view_.ThumbnailHint(slot));
    return true;
}

bool Session::PressNeighbourLetter(int step) {
    if (step != -1 && step != 1) return false;
    for (int slot = state_.selected_slot + step; slot >= 0 && slot < slot_count(); slot += step) {
        if (!view_.IsThumbnailCovered(slot)) return PressThumbnail(slot);
    }
    return false;
}

bool Session::ClickCell(int row, int col) {
    if (!BeginStroke(row, col)) return false;
    EndStroke();
    return true;
}

bool Session::BeginStroke(int row, int col) {
    if (row < 0 || row >= kGridSize || col < 0 || col >= kGridSize) return false;
    const GridCell& cell = view_.GridCellAt(row, col);
    if (!cell.live) return false;
    RecordStep(UiText::StepDrawing);
    // The press flips the cell; the rest of the stroke paints the colour it got.
    stroke_ = {true, cell.colour == kWhite, row, col};
    PaintCell(row, col);
    ShowWidthAfterPainting();
    return true;
}

void Session::ContinueStroke(int row, int col) {
    if (!stroke_.active) return;
    row = std::clamp(row, -kStrokeReach, kStrokeReach);
    col = std::clamp(col, -kStrokeReach, kStrokeReach);
    bool painted = false;
    for (const auto& [r, c] : LineAfter(stroke_.row, stroke_.col, row, col)) {
        if (r < 0 || r >= kGridSize || c < 0 || c >= kGridSize) continue;
        if (!view_.GridCellAt(r, c).live) continue;
        PaintCell(r, c);
        painted = true;
    }
    stroke_.row = row;
    stroke_.col = col;
    if (painted) ShowWidthAfterPainting();
}

void Session::EndStroke() {
    stroke_.active = false;
}

// Gives one live cell the stroke's colour in the working glyph, the grid and the edit image.
void Session::PaintCell(int row, int col) {
    const int bits = GridBits();
    const int number = view_.GridCellAt(row, col).number;
    const int r = number / bits;
    const int c = number % bits;
    const bool ink = stroke_.ink;
    OnWorkingGlyph([&](auto& working) {
        using Row = typename std::decay_t<decltype(working)>::value_type;
        const auto bit = static_cast<Row>(1u << (bits - 1 - c));
        working[r] = static_cast<Row>(ink ? working[r] | bit : working[r] & ~bit);
    });
    view_.ShowPixel(row, col, r, c, ink);
}

void Session::ShowWidthAfterPainting() {
    OnWorkingGlyph([&](auto& working) {
        ApplyWidthRule(working, state_.last_row);
        view_.ShowWidthAndRows(working, state_.last_row);
    });
}

void Session::WriteBack() {
    if (!view_.Controls().button1_enabled) return;
    RecordStep(UiText::WriteBackCaption);
    std::vector<GlyphSlot> targets{SelectedGlyph()};
    // Browser and Big have one weight; the phone still reads their bold block.
    if (state_.kind == FontKind::Browser || state_.kind == FontKind::Big) {
        const int bold_block = state_.block + BoldStep(state_.edition);
        if (bold_block < BlockCount(state_.edition))
            targets.push_back({bold_block, state_.selected_slot});
    }
    OnWorkingGlyph([&](const auto& working) {
        for (GlyphSlot target : targets) {
            document_.WriteRows(target, working, ElementsUpToH(working, state_.last_row));
        }
    });
    RedrawPreviews();
}

FontImage Session::FontWithWorkingGlyph() const {
    Document preview = document_;
    if (selected_source_ != kNoSource) {
        OnWorkingGlyph([&](const auto& working) {
            preview.WriteRows(SelectedGlyph(), working, ElementsUpToH(working, state_.last_row));
        });
    }
    return preview.font();
}

void Session::RedrawPreviews() {
    OnWorkingGlyph([&](const auto& working) {
        view_.ShowThumbnails(document_.font(), state_.block, state_.last_row, working);
    });
}

void Session::ReselectAfterChange() {
    if (selected_source_ != kNoSource) LetterLoad(selected_source_);
}

// ---------------------------------------------------------------------------------------------
// Set and weight buttons

void Session::PressUpperCase() {
    PressSetButton(0);
}
void Session::PressLowerCase() {
    PressSetButton(1);
}
void Session::PressSymbolSet(int n) {
    // Only "s1" and "s2" exist; any other number must not press a case button.
    if (n != 1 && n != 2) return;
    PressSetButton(n + 1);
}

void Session::PressSetButton(int set) {
    if (set < 0 || set >= SetCount(state_.edition)) return;
    const bool latin = state_.edition == Edition::Latin;
    const bool was_down = view_.Controls().set_down[set];
    // The Latin buttons are a radio group; the Cyrillic case buttons act when the other is down.
    const bool changes_block = latin ? !was_down : view_.Controls().set_down[1 - set];
    if (changes_block) KeepUnwrittenEdits();
    if (latin) MoveSetCovers(set);
    view_.ShowSetHints(set);
    if (latin && was_down) return;
    if (changes_block) {
        state_.block = latin ? set + (view_.Controls().bold_down ? BoldStep(state_.edition) : 0)
                             : state_.block + (set == 0 ? -1 : 1);
        RedrawPreviews();
        ReselectAfterChange();
    }
    SelectSetButton(set);
}

int Session::CurrentSet() const {
    return state_.block % BoldStep(state_.edition);
}

void Session::ShowSet(int set) {
    if (state_.edition == Edition::Latin) MoveSetCovers(set);
    view_.ShowSetHints(set);
    SelectSetButton(set);
}

// Latin edition: covers over the slots the set leaves empty.
void Session::MoveSetCovers(int set) {
    CoverView& covers = view_.covers();
    covers.close1_left = set < 2 ? 104 : kHiddenLeft;
    covers.close2_left = set < 2 ? 8 : set == 2 ? 104 : 80;
    view_.Changed(kCoversChanged);
}

void Session::SelectSetButton(int set) {
    ControlStates& controls = view_.controls();
    controls.set_down = {};
    controls.set_down[set] = true;
    view_.Changed(kControlsChanged);
}

bool Session::PressBold() {
    ControlStates& controls = view_.controls();
    if (!controls.bold_enabled || !controls.bold_visible) return false;
    KeepUnwrittenEdits();
    const bool bold = !controls.bold_down;
    state_.bold = bold;
    state_.block += bold ? BoldStep(state_.edition) : -BoldStep(state_.edition);
    view_.ShowLetterBold(bold);
    RedrawPreviews();
    ReselectAfterChange();
    view_.controls().bold_down = bold;
    view_.Changed(kControlsChanged);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Shifts, transforms and clears

void Session::Shift(ShiftDirection direction) {
    if (selected_source_ == kNoSource) return;
    RecordStep(UiText::StepShift);
    OnWorkingGlyph([&](auto& working) {
        ShiftRows(working, state_.last_row, direction);
        ApplyWidthRule(working, state_.last_row);
    });
    ShowReshapedGlyph();
}

void Session::Transform(GlyphTransform transform) {
    if (selected_source_ == kNoSource) return;
    RecordStep(TransformCaption(transform));
    OnWorkingGlyph([&](auto& working) {
        TransformRows(working, state_.last_row, transform);
        ApplyWidthRule(working, state_.last_row);
    });
    ShowReshapedGlyph();
}

// After a shift or transform the letter shows through PaintBoxEdit, as if loaded from there:
// the frame stays, Label15 takes the edit image's hint, and a later reload reads that slot.
void Session::ShowReshapedGlyph() {
    edit_image_number_ = state_.selected_slot;
    selected_source_ = kEditImageSource;
    view_.controls().button1_enabled = true;
    OnWorkingGlyph([&](const auto& working) { view_.ShowWorkingGlyph(working, state_.last_row); });
    view_.ShowLetter(view_.EditImageHint());
    view_.Changed(kControlsChanged);
}

bool Session::BoldFromNormal() {
    if (state_.single_weight) return false;
    RecordStep(UiText::MenuBoldFromNormal);
    const int normal = CurrentSet();
    const int bold = normal + BoldStep(state_.edition);
    const int h = state_.last_row;
    const FontImage& font = document_.font();
    for (int k = 0; k < slot_count(); ++k) {
        if (state_.wide) {
            document_.PutGlyph({bold, k}, Emboldened(font.wide[normal][k], h));
        } else {
            document_.PutGlyph({bold, k}, Emboldened(font.narrow[normal][k], h));
        }
    }
    RedrawPreviews();
    ReselectAfterChange();
    return true;
}

void Session::ClearLetter() {
    RecordStep(UiText::MenuClearLetter);
    document_.ZeroRecord(SelectedGlyph(), state_.edition, state_.wide, state_.last_row);
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::ClearBlock() {
    RecordStep(UiText::MenuClearBlock);
    for (int k = 0; k < slot_count(); ++k) {
        document_.ZeroRecord({state_.block, k}, state_.edition, state_.wide, state_.last_row);
    }
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::ClearFont() {
    RecordStep(UiText::MenuClearFont);
    for (int b = 0; b < BlockCount(state_.edition); ++b) {
        for (int k = 0; k < slot_count(); ++k) {
            document_.ZeroRecord({b, k}, state_.edition, state_.wide, state_.last_row);
        }
    }
    RedrawPreviews();
    ReselectAfterChange();
}

// ---------------------------------------------------------------------------------------------
// Clipboard

void Session::CopyBlock() {
    const int n = slot_count();
    const FontImage& font = document_.font();
    if (state_.wide) {
        std::copy_n(font.wide[state_.block].begin(), n, clipboard_.wide.begin());
    } else {
        std::copy_n(font.narrow[state_.block].begin(), n, clipboard_.narrow.begin());
    }
}

void Session::PasteBlock() {
    RecordStep(UiText::PasteBlockCaption);
    if (state_.wide) {
        document_.PutBlock(state_.block, clipboard_.wide, slot_count());
    } else {
        document_.PutBlock(state_.block, clipboard_.narrow, slot_count());
    }
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::CopyLetter() {
    const int slot = state_.selected_slot;
    if (state_.wide) {
        clipboard_.wide[slot] = document_.font().Wide(SelectedGlyph());
    } else {
        clipboard_.narrow[slot] = document_.font().Narrow(SelectedGlyph());
    }
    clipboard_.slot = slot;
}

void Session::PasteLetter() {
    RecordStep(UiText::PasteLetterCaption);
    if (state_.wide) {
        document_.PutGlyph(SelectedGlyph(), clipboard_.wide[clipboard_.slot]);
    } else {
        document_.PutGlyph(SelectedGlyph(), clipboard_.narrow[clipboard_.slot]);
    }
    RedrawPreviews();
    ReselectAfterChange();
}

// ---------------------------------------------------------------------------------------------
// Model, kind, scope, language

void Session::ChooseModel(PhoneModel model) {
    // The phone menu has six items; no other code has a layout row or a caption.
    if (!IsPhoneModel(model)) return;
    KeepUnwrittenEdits();
    ApplyModel(model);
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::ApplyModel(PhoneModel model) {
    state_.model = model;
    view_.ShowMenuCaptions(rw::PhoneMenuCaption(model, state_.language), view_.FontMenuCaption());
    if (state_.edition == Edition::Cyrillic) MoveCovers(model);
    state_.layout = LookupLayout(state_.edition, model, state_.kind);
    if (state_.edition == Edition::Cyrillic) GridWidthSwitch(state_.layout.wide);
    ApplyWeightAvailability();
    ControlStates& controls = view_.controls();
    controls.model_checked = {};
    controls.model_checked[static_cast<int>(model)] = true;
    controls.sft_sbf_enabled = controls.sft_sbf_present && state_.wide;
    view_.Changed(kMenusChanged | kControlsChanged);
}

void Session::ChooseKind(FontKind kind) {
    if (!IsFontKind(kind)) return;
    KeepUnwrittenEdits();
    ApplyKind(kind);
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::ApplyKind(FontKind kind) {
    view_.ShowMenuCaptions(view_.PhoneMenuCaption(), rw::FontMenuCaption(kind, state_.language));
    state_.kind = kind;
    state_.last_row = LastRowIndex(kind);
    state_.layout = LookupLayout(state_.edition, state_.model, kind);
    ControlStates& controls = view_.controls();
    controls.kind_checked = {};
    controls.kind_checked[static_cast<int>(kind)] = true;
    GridWidthSwitch(state_.edition == Edition::Latin || state_.layout.wide);
    ApplyWeightAvailability();
    controls.sft_sbf_enabled = controls.sft_sbf_present && state_.wide;
    view_.Changed(kMenusChanged | kControlsChanged);
}

void Session::MoveCovers(PhoneModel model) {
    // 35-series phones lack Ё and Є.
    const bool cover = model == PhoneModel::CM35 || model == PhoneModel::S35;
    CoverView& covers = view_.covers();
    covers.yo1_left = cover ? 151 : kHiddenLeft;
    covers.yo2_left = cover ? 7 : kHiddenLeft;
    view_.Changed(kCoversChanged);
}

void Session::GridWidthSwitch(bool wide) {
    state_.wide = wide;
    view_.LayoutGrid(wide, state_.last_row);
}

void Session::ApplyWeightAvailability() {
    const bool single = state_.layout.single_weight;
    state_.single_weight = single;
    ControlStates& controls = view_.controls();
    for (int tag : kBoldOnlyScopes) {
        if (controls.scope_present[tag]) controls.scope_enabled[tag] = !single;
    }
    view_.ShowLetterBold(!single);
    if (single && state_.bold) {
        controls.bold_down = false;
        state_.bold = false;
        state_.block -= BoldStep(state_.edition);
    }
    controls.bold_enabled = !single;
    controls.bold_visible = !single;
    controls.bold_from_normal_enabled = !single;
    view_.Changed(kControlsChanged);
}

bool Session::ChooseLoadScope(int tag) {
    ControlStates& controls = view_.controls();
    if (tag < 0 || tag >= kScopeItems || !controls.scope_present[tag] ||
        !controls.scope_enabled[tag]) {
        return false;
    }
    controls.scope_checked = {};
    controls.scope_checked[tag] = true;
    state_.load_scope = tag;
    view_.Changed(kControlsChanged);
    return true;
}

void Session::SetLanguage(int language) {
    // The Cyrillic edition has no language menu: its interface stays Russian.
    if (state_.edition != Edition::Latin || (language != kRussian && language != kEnglish)) return;
    state_.language = language;
    ControlStates& controls = view_.controls();
    controls.russian_checked = language == kRussian;
    controls.english_checked = language == kEnglish;
    view_.ShowMenuCaptions(rw::PhoneMenuCaption(state_.model, language),
                           rw::FontMenuCaption(state_.kind, language));
    view_.ShowGridHints(language);
    GridWidthSwitch(true);
    RedrawPreviews();
    // The same letter again, edits not written back included: a language changes no glyph.
    if (selected_source_ != kNoSource) {
        OnWorkingGlyph([&](const auto& glyph) { view_.ShowWorkingGlyph(glyph, state_.last_row); });
    }
    view_.Changed(kMenusChanged | kControlsChanged | kHintsChanged);
}

// ---------------------------------------------------------------------------------------------
// File loads

void Session::LoadFont(const FontImage& font, StepName name) {
    // The step also keeps edits in the grid, which the reload below throws away.
    if (font != document_.font() || HasUnwrittenEdits()) {
        RecordStep(name);
        document_.Replace(font);
    }
    AfterFontLoaded();
}

void Session::LoadedFile(FileKind kind, const std::string& path, const FontImage& font,
                         StepName name, int glyphs) {
    // An .sbf or .sfe load of part of the font merges it into the rest, which keeps what was
    // unsaved there; every other load replaces the whole table of the live form.
    const bool merges = kind == FileKind::FontFile && state_.load_scope != kWholeFontScope &&
                        FontFileFormatFor(state_.edition, state_.wide) != FontFileFormat::Sft;
    const bool keeps_unsaved = merges && HasUnsavedChanges();
    LoadFont(font, name);
    if (kind == FileKind::Fullflash) {
        base_ = std::make_shared<const FontImage>(document_.font());
        last_fullflash_ = path;
    }
    if (!keeps_unsaved) history_.MarkSaved();
    SetFileName(path);
    view_.ShowNotice(LoadedStatus(BaseNameOf(path), glyphs));
}

void Session::SavedFile(FileKind kind, const std::string& path, int glyphs) {
    if (kind == FileKind::Fullflash) {
        base_ = std::make_shared<const FontImage>(document_.font());
        last_fullflash_ = path;
    }
    history_.MarkSaved();
    SetFileName(path);
    view_.ShowNotice(SavedStatus(BaseNameOf(path), glyphs));
}

void Session::ImportedFromPatch(const PatchedFont& imported, const std::string& flash) {
    LoadFont(imported.patched, UiText::MenuImportPatch);
    if (flash != last_fullflash_) {
        base_ = std::make_shared<const FontImage>(imported.unpatched);
        last_fullflash_ = flash;
    }
}

void Session::SavedPatch(const std::string& path, int glyphs) {
    view_.ShowNotice(SavedPatchStatus(BaseNameOf(path), glyphs));
}

FlashSaveCheck Session::CheckFlashSave(const std::string& path, FileSystem& fs) const {
    if (!RefuseReadOnlyImage(fs, path).ok()) return {};
    FlashSaveCheck check;
    std::vector<Message>& question = check.question;
    std::vector<LayoutScore> scores;
    const LayoutId chosen{state_.model, state_.kind};
    const Status identified = IdentifyLayouts(path, state_.edition, &scores, fs);
    check.rollback_note = identified.note();
    if (identified.ok()) {
        const LayoutScore* own = ScoreOf(scores, chosen);
        if (own != nullptr && !own->LooksLikeFont() && own->inside_image)
            question = ForeignDataFacts(scores, chosen);
    }
    int replaced = 0;
    const Status counted = CountReplacedUnchangedGlyphs(path, state_.edition, state_.layout,
                                                        document_.font(), *base_, &replaced, fs);
    if (check.rollback_note.empty()) check.rollback_note = counted.note();
    if (counted.ok() && replaced > 0) {
        question.push_back(
            {MessageId::SaveReplacesUnchanged, {BaseNameOf(path), std::to_string(replaced)}});
    } else if (!question.empty()) {
        question.push_back({MessageId::SaveAnyway, {}});
    }
    return check;
}

std::vector<Message> Session::FlashLoadWarning(FileSystem& fs) const {
    std::vector<LayoutScore> scores;
    if (!IdentifyLayouts(state_.file_name, state_.edition, &scores, fs).ok()) return {};
    const LayoutId chosen{state_.model, state_.kind};
    const LayoutScore* own = ScoreOf(scores, chosen);
    if (own == nullptr || own->LooksLikeFont()) return {};
    return ForeignDataWarning(scores, chosen);
}

bool Session::HasUnsavedChanges() const {
    return !history_.AtSavedMark() || HasUnwrittenEdits();
}

bool Session::HasUnwrittenEdits() const {
    if (selected_source_ == kNoSource) return false;
    bool differs = false;
    OnWorkingGlyph([&](const auto& working) {
        const auto& record = Record(document_.font(), SelectedGlyph(), working);
        const int count = ElementsUpToH(working, state_.last_row);
        differs = !std::equal(working.begin(), working.begin() + count, record.begin());
    });
    return differs;
}

// Before a letter load that would throw away edits not written back: one "Letter change" step
// keeps them, and the status line says how to bring them back.
void Session::KeepUnwrittenEdits() {
    if (!HasUnwrittenEdits()) return;
    const std::string letter = view_.LetterLabel().text;
    RecordStep(UiText::StepLetterChange);
    view_.ShowNotice({MessageId::LetterEditsKept, {letter}});
}

void Session::AfterFontLoaded() {
    // Every load starts from a white edit image: a wide redraw paints only rows 0..H, and rows
    // below must not keep a letter of a taller kind shown earlier.
    view_.ClearEditImage();
    RedrawPreviews();
    ReselectAfterChange();
}

void Session::SetFileName(std::string path) {
    state_.file_name = std::move(path);
    view_.ShowFileName(state_.file_name);
}

}  // namespace rw
