#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/edit_grid.h"
#include "editor/picture.h"

namespace rw {

// A rectangle in the coordinates of the window area that holds it.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Rect, Rect) = default;
};

// Places inside the thumbnail panel Panel106.
constexpr int kThumbnailsPerRow = 11;
constexpr Rect ThumbnailRect(int slot) {
    return {8 + 24 * (slot % kThumbnailsPerRow), 36 + 24 * (slot / kThumbnailsPerRow), 16, 16};
}
// Left edge of a panel that is off the window.
constexpr int kHiddenLeft = -1000;
// Left edge of the selection frame before anything was selected.
constexpr int kFrameHiddenLeft = -300;

// One grid cell as the window shows it. The hint views stay valid until the next language
// change or the editor's end.
struct CellView {
    CellRole role = CellRole::Inert;
    Rgb colour = kFaceGrey;
    bool button_face = true;  // inert cells take the system's button-face colour
    int number = -1;          // W*r + c for a live cell
    bool live = false;
    GridHint hint_id = GridHint::None;
    std::string_view hint;          // as held, with "&&" for an ampersand
    std::string_view hint_display;  // as the status line shows it
};

// Label15, the selected character.
struct LetterLabelView {
    std::string text;  // as shown: "&" for the ampersand, "·" for Latin "Unicode…" names
    bool bold = false;
};

// The four orange labels around the selected thumbnail, in Panel106 coordinates.
struct SelectionFrameView {
    Rect left;    // LabelBackLeft, 1 x 18
    Rect top;     // LabelBackTop, 18 x 1
    Rect right;   // LabelBackRight, 1 x 18
    Rect bottom;  // LabelBackBottom, 18 x 1
    bool on_screen = false;
};

// Panels that lie over thumbnails, by their left edge (kHiddenLeft when off the window).
struct CoverView {
    // Cyrillic edition: the prohibition signs over Ё (Panel_YO1, top 35) and Є (Panel_YO2, top
    // 107).
    int yo1_left = kHiddenLeft;
    int yo2_left = kHiddenLeft;
    std::string yo1_hint;  // Image2: "Ё" or "ё"
    std::string yo2_hint;  // Image1: "Є" or "є"
    // Latin edition: plain panels over empty slots (PanelClose1 top 80, PanelClose2 top 104).
    int close1_left = kHiddenLeft;
    int close2_left = kHiddenLeft;
};
constexpr Rect kPanelYo1Rect{0, 35, 20, 20};
constexpr Rect kPanelYo2Rect{0, 107, 20, 20};
constexpr Rect kPanelClose1Rect{0, 80, 161, 25};
constexpr Rect kPanelClose2Rect{0, 104, 161, 25};

constexpr int kModelItems = 6;   // by PhoneModel code
constexpr int kKindItems = 4;    // by FontKind code
constexpr int kScopeItems = 11;  // by load scope tag
constexpr int kSetButtons = 4;   // 0 upper case, 1 lower case, 2 symbol set 1, 3 symbol set 2

// Check marks, enabled and visible states of the controls the editor drives.
struct ControlStates {
    std::array<bool, kModelItems> model_checked{};
    std::array<bool, kKindItems> kind_checked{};
    std::array<bool, kScopeItems> scope_checked{};
    std::array<bool, kScopeItems> scope_enabled{};
    std::array<bool, kScopeItems> scope_present{};  // tags 7..10 exist in the Latin edition only
    std::array<bool, kSetButtons> set_down{};       // 2 and 3 exist in the Latin edition only
    bool bold_down = false;
    bool bold_enabled = true;
    bool bold_visible = true;
    bool button1_enabled = false;  // "Записать в шрифт"
    bool bold_from_normal_enabled = true;  // "Жирный из нормального": layouts with two weights
    bool sft_sbf_present = false;  // Cyrillic edition only
    bool sft_sbf_enabled = false;
    bool russian_checked = true;  // the language menu of the Latin edition
    bool english_checked = false;
};

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
    kControlsChanged = 1u << 9,    // check marks, enabled, visible, down states
    kMenusChanged = 1u << 10,      // menu captions
    kNoticeChanged = 1u << 11,     // the status line's report of what a command did
    kAllChanged = (1u << 12) - 1,
};

}  // namespace rw
