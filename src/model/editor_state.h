#pragma once

#include <cstdint>
#include <string>

#include "model/character_sets.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"

namespace rw {

enum class Weight : uint8_t { Normal, Bold };

// A glyph block: one letter set in one weight. Its index into the font is set + BoldStep x bold
// (Cyrillic set + 2 x bold, Latin set + 4 x bold).
struct Block {
    int set = 0;
    Weight weight = Weight::Normal;

    constexpr bool bold() const { return weight == Weight::Bold; }
    constexpr int Index(Edition edition) const { return set + (bold() ? BoldStep(edition) : 0); }
    static constexpr Block OfIndex(Edition edition, int index) {
        const int step = BoldStep(edition);
        return {index % step, index >= step ? Weight::Bold : Weight::Normal};
    }
    friend constexpr bool operator==(Block, Block) = default;
};

// Where the letter on the grid was last loaded from: nothing yet (before the first activation), a
// thumbnail, or the edit image PaintBoxEdit, through which a shift or a transform shows its
// result. A later reload reads the same slot either way; only a thumbnail moves the frame and
// names the letter anew.
enum class SelectionSource : uint8_t { None, Thumbnail, EditImage };

// The letter the grid edits: a slot of a block.
struct Selection {
    Block block;
    int slot = 0;
    SelectionSource source = SelectionSource::None;

    bool active() const { return source != SelectionSource::None; }
    friend bool operator==(const Selection&, const Selection&) = default;
};

// Everything besides the glyphs that says what is on screen and where the next load or save goes.
// Each fact is held once; the layout, the glyph form, H and the weight availability follow from
// the model and kind.
struct EditorState {
    Edition edition = Edition::Cyrillic;
    PhoneModel model = PhoneModel::SME45;
    FontKind kind = FontKind::Normal;
    Language language = kRussian;
    std::string file_name;       // the path last chosen in a file dialog
    bool show_original = false;  // the base font's letter shown faintly under the grid
    Selection selection;
    LoadScope load_scope = LoadScope::WholeFont;

    const FontLayout& layout() const { return LookupLayout(edition, model, kind); }
    // Glyphs are held 16 pixels wide (always in the Latin edition).
    bool wide() const { return layout().wide; }
    GlyphForm form() const { return FormOf(wide()); }
    int last_row() const { return LastRowIndex(kind); }
    // The layout has no bold weight.
    bool single_weight() const { return layout().single_weight; }
    int block() const { return selection.block.Index(edition); }
    bool bold() const { return selection.block.bold(); }
    int set() const { return selection.block.set; }
    int selected_slot() const { return selection.slot; }
    GlyphSlot selected_glyph() const { return {block(), selection.slot}; }

    // A thumbnail the user cannot press: a slot without a character in the set shown (the Latin
    // letter sets past Z, symbol set 2's last slot), or Ё and Є on a phone that lacks them.
    bool IsSlotCovered(int slot) const {
        return !SlotHasCharacter(edition, set(), slot) ||
               (!layout().has_yo_ye && IsYoOrYeSlot(edition, slot));
    }

    // The values the main window starts with: S/ME 45 Normal, upper case, normal weight.
    static EditorState AtStart(Edition edition) {
        EditorState state;
        state.edition = edition;
        return state;
    }
};

}  // namespace rw
