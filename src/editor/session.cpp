#include "editor/session.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace rw {
namespace {

// A pointer far off the grid still draws a line across it; farther points add nothing.
constexpr int kStrokeReach = 1024;

// What a transform's undo step is called and what the status line says after it.
struct TransformNames {
    UiText step;
    MessageId done;
};
TransformNames NamesOf(GlyphTransform transform) {
    switch (transform) {
        case GlyphTransform::FlipHorizontal:
            return {UiText::MenuFlipHorizontal, MessageId::FlippedHorizontally};
        case GlyphTransform::FlipVertical:
            return {UiText::MenuFlipVertical, MessageId::FlippedVertically};
        case GlyphTransform::Invert:
            return {UiText::MenuInvert, MessageId::Inverted};
        case GlyphTransform::Embolden:
            break;
    }
    return {UiText::MenuEmbolden, MessageId::Emboldened};
}

MessageId ShiftedMessage(ShiftDirection direction) {
    switch (direction) {
        case ShiftDirection::Right:
            return MessageId::ShiftedRight;
        case ShiftDirection::Left:
            return MessageId::ShiftedLeft;
        case ShiftDirection::Up:
            return MessageId::ShiftedUp;
        case ShiftDirection::Down:
            break;
    }
    return MessageId::ShiftedDown;
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

bool IsLiveCell(const EditorState& state, int row, int col) {
    if (row < 0 || row >= kGridSize || col < 0 || col >= kGridSize) return false;
    return LayoutCell(state.form(), state.last_row(), row, col).live;
}

}  // namespace

Session::Session(Edition edition) : state_(EditorState::AtStart(edition)), view_(edition) {
    Draw();
}

void Session::Draw() {
    const std::string letter = LetterHeld();
    std::optional<Glyph> original;
    if (state_.show_original && state_.selection.active())
        original = guard_.base().At(state_.form(), state_.selected_glyph());
    view_.Draw({.state = state_,
                .font = document_.font(),
                .font_revision = document_.revision(),
                .working = working(),
                .history = history_,
                .letter = letter,
                .letter_bold = letter_bold_,
                .edit_image_hint = edit_image_hint_,
                .notice = notice_,
                .notices = notices_,
                .letter_shown = letter_shown_,
                .edit_image_cleared = edit_image_cleared_,
                .cursor = cursor_,
                .original = original ? &*original : nullptr,
                .letter_differs_from_base = LetterDiffersFromBase(),
                .font_differs_from_base = FontDiffersFromBase(),
                .base = HasBase() ? &guard_.base() : nullptr});
    letter_shown_ = false;
    edit_image_cleared_ = false;
}

std::string Session::Hint(int slot) const {
    return SetHint(state_.edition, state_.set(), slot);
}

std::string Session::LetterHeld() const {
    switch (state_.selection.source) {
        case SelectionSource::Thumbnail:
            return Hint(state_.selection.slot);
        case SelectionSource::EditImage:
            return edit_image_hint_;
        case SelectionSource::None:
            break;
    }
    return "-";
}

void Session::Notify(Message notice) {
    notice_ = std::move(notice);
    ++notices_;
}

// ---------------------------------------------------------------------------------------------
// Activation

void Session::Activate() {
    // Later activations (after the help, history or About window closed) must not reset the
    // scope behind its check mark nor throw away edits not yet written back.
    if (activated_) return;
    Apply(Step::Reload(), [&] {
        activated_ = true;
        state_.load_scope = LoadScope::WholeFont;
        state_.selection = {.block = {}, .slot = 0, .source = SelectionSource::Thumbnail};
        // PaintBoxEdit names the letter from the start, so a shift of the first letter keeps it.
        edit_image_hint_ = Hint(0);
    });
}

// ---------------------------------------------------------------------------------------------
// Letter load, pixel painting, write-back

int Session::ElementsUpToH() const {
    return working().LastRowOf(state_.last_row()) + 1;
}

// The letter load (PaintBox1Click): elements 0..H of the record at `slot` of the block shown go
// into the working glyph; the elements above H keep what they held.
void Session::LoadLetter(int slot, SelectionSource source) {
    state_.selection.slot = slot;
    state_.selection.source = source;
    const Glyph record = document_.font().At(state_.form(), state_.selected_glyph());
    std::copy_n(record.elements.begin(), ElementsUpToH(), Working().elements.begin());
    letter_shown_ = true;
}

bool Session::PressThumbnail(int slot) {
    if (slot < 0 || slot >= SlotCount(state_.edition) || state_.IsSlotCovered(slot)) return false;
    Apply(Step::LetterChange(), [&] {
        state_.selection.slot = slot;
        state_.selection.source = SelectionSource::Thumbnail;
        edit_image_hint_ = Hint(slot);
    });
    return true;
}

bool Session::PressNeighbourLetter(int step) {
    if (step != -1 && step != 1) return false;
    return PressLetterAt(state_.selected_slot() + step, step);
}

bool Session::PressLetterAbove() {
    return PressLetterAt(state_.selected_slot() - kThumbnailsPerRow, -1);
}

bool Session::PressLetterBelow() {
    return PressLetterAt(state_.selected_slot() + kThumbnailsPerRow, 1);
}

bool Session::PressLetterAt(int slot, int direction) {
    if (direction != -1 && direction != 1) return false;
    const int slots = SlotCount(state_.edition);
    for (; slot >= 0 && slot < slots; slot += direction) {
        if (state_.IsSlotCovered(slot)) continue;
        // A key that lands on the letter already there must not reload it over edits.
        if (state_.selection.active() && slot == state_.selected_slot()) return false;
        return PressThumbnail(slot);
    }
    return false;
}

bool Session::ClickCell(int row, int col) {
    if (!BeginStroke(row, col)) return false;
    EndStroke();
    return true;
}

bool Session::BeginStroke(int row, int col) {
    if (!IsLiveCell(state_, row, col)) return false;
    Apply(Step::Recorded(UiText::StepDrawing), [&] {
        // The press flips the cell; the rest of the stroke paints the colour it got.
        stroke_ = {true, !Working().Ink(row, col), row, col};
        cursor_ = {row, col};
        PaintCell(row, col);
        ApplyWidthRule(Working(), state_.last_row());
    });
    return true;
}

void Session::ContinueStroke(int row, int col) {
    if (!stroke_.active) return;
    Apply(Step::None(), [&] { StrokeTo(row, col); });
}

void Session::StrokeTo(int row, int col) {
    row = std::clamp(row, -kStrokeReach, kStrokeReach);
    col = std::clamp(col, -kStrokeReach, kStrokeReach);
    bool painted = false;
    for (const auto& [r, c] : LineAfter(stroke_.row, stroke_.col, row, col)) {
        if (!IsLiveCell(state_, r, c)) continue;
        PaintCell(r, c);
        painted = true;
    }
    stroke_.row = row;
    stroke_.col = col;
    if (painted) ApplyWidthRule(Working(), state_.last_row());
}

void Session::EndStroke() {
    stroke_.active = false;
}

// ---------------------------------------------------------------------------------------------
// The grid from the keyboard: the cursor stands for the pointer, Space for a click, Shift+arrows
// for a drag.

bool Session::MoveCursor(CursorMove move) {
    EndCursorRun();
    const std::optional<GridCursor> next =
        MovedCursor(cursor_, move, state_.form(), state_.last_row());
    if (!next) return false;
    Apply(Step::None(), [&] { cursor_ = *next; });
    return true;
}

bool Session::FlipCursorCell() {
    EndCursorRun();
    return ClickCell(cursor_.row, cursor_.col);
}

bool Session::PaintCursorMove(CursorMove move) {
    if (!stroke_.active || !stroke_.by_keys) {
        if (!BeginStroke(cursor_.row, cursor_.col)) return false;
        stroke_.by_keys = true;
    }
    const std::optional<GridCursor> next =
        MovedCursor(cursor_, move, state_.form(), state_.last_row());
    if (!next) return false;
    Apply(Step::None(), [&] {
        cursor_ = *next;
        StrokeTo(next->row, next->col);
    });
    return true;
}

void Session::EndCursorRun() {
    if (stroke_.by_keys) stroke_ = {};
}

// Gives one live cell the stroke's colour in the working glyph.
void Session::PaintCell(int row, int col) {
    Glyph& working = Working();
    const unsigned bit = working.ColumnBit(col);
    working[row] = static_cast<uint16_t>(stroke_.ink ? working[row] | bit : working[row] & ~bit);
}

void Session::WriteBack() {
    if (!state_.selection.active()) return;
    Apply(Step::Recorded(UiText::WriteBackCaption), [&] {
        std::vector<GlyphSlot> targets{state_.selected_glyph()};
        if (RowOf(state_.kind).writes_bold_block) {
            const int bold_block = state_.block() + BoldStep(state_.edition);
            if (bold_block < BlockCount(state_.edition))
                targets.push_back({bold_block, state_.selected_slot()});
        }
        for (GlyphSlot target : targets) document_.WriteRows(target, working(), ElementsUpToH());
        Notify({MessageId::WrittenToFont, {LetterShown()}});
    });
}

std::string Session::LetterShown() const {
    return LetterLabelText(state_.edition, LetterHeld());
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

// The set buttons are one radio group; the bold part of the block stays. The button already down
// only writes its thumbnails' hints again, which changes nothing.
void Session::PressSetButton(int set) {
    if (set < 0 || set >= SetCount(state_.edition) || set == state_.set()) return;
    Apply(Step::LetterChange(), [&] { state_.selection.block.set = set; });
}

bool Session::PressBold() {
    if (state_.single_weight()) return false;
    Apply(Step::LetterChange(), [&] {
        Block& block = state_.selection.block;
        block.weight = block.bold() ? Weight::Normal : Weight::Bold;
        letter_bold_ = block.bold();
    });
    return true;
}

// ---------------------------------------------------------------------------------------------
// Shifts, transforms and clears

void Session::Shift(ShiftDirection direction) {
    if (!state_.selection.active()) return;
    Apply(Step::Recorded(UiText::StepShift), [&] {
        ShiftRows(Working(), state_.last_row(), direction);
        ApplyWidthRule(Working(), state_.last_row());
        ShowReshapedGlyph();
        Notify({ShiftedMessage(direction), {LetterShown()}});
    });
}

void Session::Transform(GlyphTransform transform) {
    if (!state_.selection.active()) return;
    const TransformNames names = NamesOf(transform);
    Apply(Step::Recorded(names.step), [&] {
        TransformRows(Working(), state_.last_row(), transform);
        ApplyWidthRule(Working(), state_.last_row());
        ShowReshapedGlyph();
        Notify({names.done, {LetterShown()}});
    });
}

// After a shift or transform the letter shows through PaintBoxEdit, as if loaded from there:
// the frame stays, Label15 takes the edit image's hint, and a later reload reads that slot.
void Session::ShowReshapedGlyph() {
    state_.selection.source = SelectionSource::EditImage;
    letter_shown_ = true;
}

bool Session::BoldFromNormal() {
    if (state_.single_weight()) return false;
    Apply(Step::FontChange(UiText::MenuBoldFromNormal), [&] {
        const int normal = state_.set();
        const int bold = normal + BoldStep(state_.edition);
        for (int k = 0; k < SlotCount(state_.edition); ++k) {
            Glyph glyph = document_.font().At(state_.form(), {normal, k});
            TransformRows(glyph, state_.last_row(), GlyphTransform::Embolden);
            ApplyWidthRule(glyph, state_.last_row());
            document_.PutGlyph({bold, k}, glyph);
        }
        Notify({MessageId::BoldFromNormalDone, {std::to_string(SlotCount(state_.edition))}});
    });
    return true;
}

void Session::ClearLetter() {
    Apply(Step::FontChange(UiText::MenuClearLetter), [&] {
        const int elements = ClearedElements(state_.edition, state_.form(), state_.last_row());
        document_.ZeroRecord(state_.selected_glyph(), state_.form(), elements);
    });
}

void Session::ClearBlock() {
    Apply(Step::FontChange(UiText::MenuClearBlock), [&] {
        const int elements = ClearedElements(state_.edition, state_.form(), state_.last_row());
        for (int k = 0; k < SlotCount(state_.edition); ++k) {
            document_.ZeroRecord({state_.block(), k}, state_.form(), elements);
        }
    });
}

void Session::ClearFont() {
    Apply(Step::FontChange(UiText::MenuClearFont), [&] {
        const int elements = ClearedElements(state_.edition, state_.form(), state_.last_row());
        for (int b = 0; b < BlockCount(state_.edition); ++b) {
            for (int k = 0; k < SlotCount(state_.edition); ++k) {
                document_.ZeroRecord({b, k}, state_.form(), elements);
            }
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Clipboard: copies take the stored glyphs, not the working glyph.

void Session::CopyBlock() {
    Apply(Step::None(), [&] {
        for (int k = 0; k < SlotCount(state_.edition); ++k) {
            clipboard_.Put(k, document_.font().At(state_.form(), {state_.block(), k}));
        }
    });
}

// The buffer starts empty; pasting it would wipe the letters with nothing.
bool Session::RefusedEmptyPaste() {
    if (clipboard_.copied) return false;
    Apply(Step::None(), [&] { Notify({MessageId::ClipboardEmpty, {}}); });
    return true;
}

void Session::PasteBlock() {
    if (RefusedEmptyPaste()) return;
    Apply(Step::FontChange(UiText::PasteBlockCaption), [&] {
        for (int k = 0; k < SlotCount(state_.edition); ++k) {
            document_.PutGlyph({state_.block(), k}, clipboard_.At(state_.form(), k));
        }
    });
}

void Session::CopyLetter() {
    Apply(Step::None(), [&] {
        // The letter as the grid shows it: what the user sees is what is copied.
        const int slot = state_.selected_slot();
        Glyph shown = document_.font().At(state_.form(), state_.selected_glyph());
        std::copy_n(working().elements.begin(), ElementsUpToH(), shown.elements.begin());
        clipboard_.Put(slot, shown);
        clipboard_.slot = slot;
    });
}

void Session::PasteLetter() {
    if (RefusedEmptyPaste()) return;
    Apply(Step::FontChange(UiText::PasteLetterCaption), [&] {
        document_.PutGlyph(state_.selected_glyph(), clipboard_.At(state_.form(), clipboard_.slot));
    });
}

// ---------------------------------------------------------------------------------------------
// Model, kind, scope, language

void Session::ChooseModel(PhoneModel model) {
    // The phone menu has six items; no other code has a layout row or a caption.
    if (!IsPhoneModel(model)) return;
    Apply(Step::LetterChange(), [&] {
        state_.model = model;
        ApplyWeightAvailability();
    });
}

void Session::ChooseKind(FontKind kind) {
    if (!IsFontKind(kind)) return;
    Apply(Step::LetterChange(), [&] {
        state_.kind = kind;
        ApplyWeightAvailability();
    });
}

// A layout with a single weight shows its normal glyphs: the bold button goes up. Label15 is
// bold exactly while the layout has both weights.
void Session::ApplyWeightAvailability() {
    const bool single = state_.single_weight();
    letter_bold_ = !single;
    if (single) state_.selection.block.weight = Weight::Normal;
}

bool Session::ChooseLoadScope(int tag) {
    if (!IsLoadScopeTag(tag)) return false;
    const LoadScope scope{static_cast<int8_t>(tag)};
    const bool disabled = kLoadScopes[tag].bold_only && state_.single_weight();
    if (!HasLoadScope(state_.edition, scope) || disabled) return false;
    Apply(Step::None(), [&] { state_.load_scope = scope; });
    return true;
}

void Session::SetLanguage(Language language) {
    // The Cyrillic edition has no language menu: its interface stays Russian.
    if (state_.edition != Edition::Latin) return;
    Apply(Step::None(), [&] {
        state_.language = language;
        // The grid is laid out anew and shows the same letter, edits not written back included:
        // a language changes no glyph.
        letter_shown_ = state_.selection.active();
    });
}

// ---------------------------------------------------------------------------------------------
// Unsaved work

bool Session::HasUnsavedChanges() const {
    return !history_.AtSavedMark() || HasUnwrittenEdits();
}

bool Session::HasBase() const {
    return !guard_.last_fullflash().empty();
}

bool Session::LetterDiffersFromBase() const {
    if (!HasBase() || !state_.selection.active()) return false;
    const GlyphSlot slot = state_.selected_glyph();
    return document_.font().At(state_.form(), slot) != guard_.base().At(state_.form(), slot) ||
           HasUnwrittenEdits();
}

bool Session::FontDiffersFromBase() const {
    return HasBase() && document_.font() != guard_.base();
}

bool Session::RevertLetter() {
    if (!LetterDiffersFromBase()) return false;
    Apply(Step::FontChange(UiText::MenuRevertLetter), [&] {
        const GlyphSlot slot = state_.selected_glyph();
        document_.PutGlyph(slot, guard_.base().At(state_.form(), slot));
    });
    return true;
}

bool Session::RevertFont() {
    if (!FontDiffersFromBase()) return false;
    Apply(Step::FontChange(UiText::MenuRevertFont), [&] { document_.Replace(guard_.base()); });
    return true;
}

void Session::ToggleOriginal() {
    Apply(Step::None(), [&] { state_.show_original = !state_.show_original; });
}

std::vector<Message> Session::QuitQuestion() const {
    if (document_.font() == saved_font_ && HasUnwrittenEdits())
        return {UnwrittenEditsNote(), {MessageId::QuitWithoutSaving, {}}};
    return {{MessageId::QuitUnsaved, {}}};
}

Message Session::UnwrittenEditsNote() const {
    return {MessageId::GridEditsUnwritten, {LetterLabelText(state_.edition, LetterHeld())}};
}

bool Session::HasUnwrittenEdits() const {
    if (!state_.selection.active()) return false;
    const Glyph record = document_.font().At(state_.form(), state_.selected_glyph());
    const auto& shown = working().elements;
    return !std::equal(shown.begin(), shown.begin() + ElementsUpToH(), record.elements.begin());
}

}  // namespace rw
