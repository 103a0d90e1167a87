#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/edit_grid.h"
#include "editor/picture.h"
#include "model/character_sets.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"

namespace rw {

// The views the window model hands out. They say what is shown, never where: the window places
// every control itself (ui/form_geometry.h).

// One grid cell as the window shows it. The hint views stay valid for the program's life.
struct CellView {
    CellRole role = CellRole::Inert;
    Rgb colour = kFaceGrey;
    bool button_face = true;  // inert cells take the system's button-face colour
    int number = -1;          // W*r + c for a live cell
    bool live = false;
    // For a cell that shows a bit (a pixel, a width bit, a header bit): whether it is set, as
    // its colour tells; none for the others.
    std::optional<bool> bit;
    // A white pixel where the base font's glyph has ink, while the original letter is shown.
    bool ghost = false;
    GridHint hint_id = GridHint::None;
    std::string_view hint;          // as held, with "&&" for an ampersand
    std::string_view hint_display;  // as the status line shows it
};

// Label15, the selected character.
struct LetterLabelView {
    std::string text;  // as shown: "&" for the ampersand, "·" for Latin "Unicode…" names
    bool bold = false;
};

// The panels that lie over thumbnails whose letters cannot be chosen.
struct CoverView {
    // Cyrillic edition: the prohibition signs over Ё (Panel_YO1) and Є (Panel_YO2), shown while
    // the phone lacks those letters.
    bool yo_ye_covered = false;
    std::string yo1_hint;  // Image2: "Ё" or "ё"
    std::string yo2_hint;  // Image1: "Є" or "є"
    // Latin edition: the letter set shown, whose empty slots PanelClose1 and PanelClose2 hide;
    // -1 in the Cyrillic edition, which has no such panels.
    int latin_set = -1;
    friend bool operator==(const CoverView&, const CoverView&) = default;
};

// The set buttons: 0 upper case, 1 lower case, 2 and 3 the Latin edition's symbol sets.
constexpr int kSetButtonCount = SetCount(Edition::Latin);

// Check marks, enabled and visible states and captions of the controls the editor drives.
struct ControlStates {
    std::array<bool, kPhoneModelCount> model_checked{};
    std::array<bool, kFontKindCount> kind_checked{};
    std::array<bool, kLoadScopeCount> scope_checked{};
    std::array<bool, kLoadScopeCount> scope_enabled{};
    // Tags 7..10 exist in the Latin edition only, set buttons 2 and 3 likewise.
    std::array<bool, kLoadScopeCount> scope_present{};
    std::array<bool, kSetButtonCount> set_down{};
    bool bold_down = false;
    bool bold_enabled = true;
    bool bold_visible = true;
    // "Записать в шрифт"
    bool button1_enabled = false;
    // "Жирный из нормального": layouts with two weights.
    bool bold_from_normal_enabled = true;
    // "SFT -> SBF": the Cyrillic edition only.
    bool sft_sbf_present = false;
    bool sft_sbf_enabled = false;
    bool russian_checked = true;  // the language menu of the Latin edition
    bool english_checked = false;
    // The edit menu's first two items: "Отменить: Очистить блок", or the bare caption when there
    // is nothing to undo (redo).
    bool show_original = false;          // "Показывать исходную букву"
    bool revert_letter_enabled = false;  // "Вернуть букву из fullflash"
    bool revert_font_enabled = false;    // "Вернуть шрифт из fullflash"
    bool undo_enabled = false;
    std::string undo_caption;
    bool redo_enabled = false;
    std::string redo_caption;
    friend bool operator==(const ControlStates&, const ControlStates&) = default;
};

// The thumbnail strip shows the letters in rows of this many.
inline constexpr int kThumbnailsPerRow = 11;

// What an operation changed, so the window repaints only that. Flags accumulate until taken.
enum ViewChange : uint32_t {
    kGridChanged = 1u << 0,        // cells
    kRowLabelsChanged = 1u << 1,   // the 16 row labels
    kLabelsChanged = 1u << 2,      // Label0, Label15 and its style
    kThumbnailsChanged = 1u << 3,  // thumbnail pixels
    kEditImageChanged = 1u << 4,   // PaintBoxEdit pixels
    kFrameChanged = 1u << 5,       // selection frame
    kHintsChanged = 1u << 6,       // thumbnail and edit image hints, grid hint texts
    kCoversChanged = 1u << 7,      // cover panels
    kMarkersChanged = 1u << 8,     // thumbnail marker width
    kControlsChanged = 1u << 9,    // check marks, enabled, visible, down states, undo captions
    kMenusChanged = 1u << 10,      // menu captions and the window caption
    kNoticeChanged = 1u << 11,     // the status line's report of what a command did
    kCursorChanged = 1u << 12,     // the grid's keyboard cursor
    kMarksChanged = 1u << 13,      // the marks of the letters that differ from the fullflash's
    kAllChanged = (1u << 14) - 1,
};

}  // namespace rw
