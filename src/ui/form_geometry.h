#pragma once

#include <optional>

#include "editor/editor_views.h"
#include "model/edition.h"
#include "model/zoom.h"

// Where the window definition puts the controls of the main window: client-area coordinates for
// the window's own children, panel coordinates for the children of a panel. Every pixel position
// the window uses is here, in plain types (no Qt), so the core's tests can check the places the
// window derives from the core's views; qt_conversions.h turns them into Qt's.
namespace rw::ui::geometry {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};
constexpr Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    constexpr Point TopLeft() const { return {x, y}; }
    friend constexpr bool operator==(Rect, Rect) = default;
};

// The window at a zoom. Rectangles of the window definition scale edge by edge, so controls
// that touch stay touching; the letter pictures and what lies on them (markers, the selection
// frame, the focus ring, the strip over the edit image's row 0) are counted in picture pixels
// from their scaled corner, so they keep covering exactly the rows and columns they cover at
// 100 %. At a whole-number zoom both ways agree: every rectangle is the 100 % one times the zoom.
constexpr Point Scaled(Point p, Zoom zoom) {
    return {rw::Scaled(p.x, zoom), rw::Scaled(p.y, zoom)};
}
constexpr Size Scaled(Size s, Zoom zoom) {
    return {rw::Scaled(s.width, zoom), rw::Scaled(s.height, zoom)};
}
constexpr Rect Scaled(Rect r, Zoom zoom) {
    const int left = rw::Scaled(r.x, zoom);
    const int top = rw::Scaled(r.y, zoom);
    return {left, top, rw::Scaled(r.x + r.width, zoom) - left,
            rw::Scaled(r.y + r.height, zoom) - top};
}
// `pixels` counted in picture pixels from the scaled `corner`.
constexpr Rect InPicturePixels(Point corner, Rect pixels, Zoom zoom) {
    const int scale = PictureScale(zoom);
    const Point at = Scaled(corner, zoom);
    return {at.x + pixels.x * scale, at.y + pixels.y * scale, pixels.width * scale,
            pixels.height * scale};
}

// Left edge of a panel moved off the window: how the original hides a cover or a text field.
constexpr int kHiddenLeft = -1000;

// The menu lies above the client area and is not part of it.
constexpr Size ClientSize(Edition edition, Zoom zoom = {}) {
    return Scaled(edition == Edition::Latin ? Size{641, 289} : Size{641, 290}, zoom);
}

// The 16 x 16 cells of 17 x 17 pixels, cell (r, c) at x = 80 + 17c, y = 8 + 17r. At a zoom a
// cell is a whole number of pixels, so each font pixel is.
constexpr Point kGridOrigin{80, 8};
constexpr int kCellSize = 17;
constexpr int CellSize(Zoom zoom = {}) {
    return kCellSize * zoom.percent / 100;
}

// Row value labels: Panel108 with one 41 x 15 label per grid row, centred on the row.
constexpr Rect kPanel108{8, 8, 65, 273};
constexpr Rect RowLabelRect(int row, Zoom zoom = {}) {
    Rect label = Scaled(Rect{12, 1, 41, 15}, zoom);
    label.y += CellSize(zoom) * row;
    return label;
}

// Thumbnail panel and its status line.
constexpr Rect kPanel106{360, 8, 273, 135};
constexpr Rect kPanelOffcet{8, 8, 257, 21};
constexpr Rect kLabelOffcet{4, 3, 249, 15};
// A text longer than the line takes a second one: the status line grows over the panel's top
// margin, down to just above the focus ring of the first row of thumbnails, while it shows it.
constexpr Rect kPanelOffcetTwoLines{8, 3, 257, 30};
constexpr Rect kLabelOffcetTwoLines{4, 1, 249, 28};

// The thumbnails inside Panel106: eleven to a row, 24 pixels apart.
constexpr int kThumbnailsPerRow = rw::kThumbnailsPerRow;
constexpr Rect ThumbnailRect(int slot) {
    return {8 + 24 * (slot % kThumbnailsPerRow), 36 + 24 * (slot / kThumbnailsPerRow), 16, 16};
}
constexpr Rect ThumbnailRect(int slot, Zoom zoom) {
    return InPicturePixels(ThumbnailRect(slot).TopLeft(), {0, 0, 16, 16}, zoom);
}

// The white marker over row 0 of a thumbnail, which holds the width: as wide as the glyph form's
// columns. The Latin edition's markers over thumbnails 35..37 are always 16 wide.
constexpr int MarkerWidth(int glyph_columns, int slot = 0) {
    return slot >= 34 ? 16 : glyph_columns;
}
constexpr Rect MarkerRect(int slot, int glyph_columns, Zoom zoom = {}) {
    return InPicturePixels(ThumbnailRect(slot).TopLeft(),
                           {0, 0, MarkerWidth(glyph_columns, slot), 1}, zoom);
}

// The four orange labels around the selected thumbnail, in Panel106 coordinates: LabelBackLeft
// and LabelBackRight 1 x 18, LabelBackTop and LabelBackBottom 18 x 1. Before the first letter
// they lie off the window at x = -300, as the window definition has them.
struct SelectionFrame {
    Rect left;
    Rect top;
    Rect right;
    Rect bottom;
    bool on_screen = false;
};
constexpr int kFrameHiddenLeft = -300;
constexpr SelectionFrame SelectionFrameOf(std::optional<int> slot, Zoom zoom = {}) {
    if (!slot) {
        return {Scaled(Rect{kFrameHiddenLeft, 0, 1, 18}, zoom),
                Scaled(Rect{kFrameHiddenLeft, 0, 18, 1}, zoom),
                Scaled(Rect{kFrameHiddenLeft, 0, 1, 18}, zoom),
                Scaled(Rect{kFrameHiddenLeft, 0, 18, 1}, zoom), false};
    }
    const Point t = ThumbnailRect(*slot).TopLeft();
    return {InPicturePixels(t, {-1, -1, 1, 18}, zoom), InPicturePixels(t, {-1, -1, 18, 1}, zoom),
            InPicturePixels(t, {17, -1, 1, 18}, zoom), InPicturePixels(t, {-1, 17, 18, 1}, zoom),
            true};
}

// The dotted ring that shows the thumbnail strip has the keyboard focus: one pixel outside the
// selection frame, on the panel's face, where only a changed letter's mark lies.
constexpr Rect FocusRingRect(int slot, Zoom zoom = {}) {
    return InPicturePixels(ThumbnailRect(slot).TopLeft(), {-2, -2, 21, 21}, zoom);
}

// The mark under a thumbnail whose letter differs from the fullflash's: a bar as wide as the
// thumbnail just below the selection frame, on the panel's face, nearer its own letter than the
// one below; the focus ring's bottom edge dots it.
constexpr Rect ChangedMarkRect(int slot, Zoom zoom = {}) {
    return InPicturePixels(ThumbnailRect(slot).TopLeft(), {0, 18, 16, 2}, zoom);
}

// The cover panels, at left 0 (CoverLefts moves them): Cyrillic Panel_YO1 over Ё and Panel_YO2
// over Є; Latin PanelClose1 over row 3 and PanelClose2 over row 4.
constexpr Rect kPanelYo1Rect{0, 35, 20, 20};
constexpr Rect kPanelYo2Rect{0, 107, 20, 20};
constexpr Rect kPanelClose1Rect{0, 80, 161, 25};
constexpr Rect kPanelClose2Rect{0, 104, 161, 25};

// The left edges that show the covers the view asks for, or hide them off the window.
// PanelClose2 at 104 lies beside the last thumbnail and hides nothing; at 80 it hides slot 36
// only, at 8 slots 33..36.
struct CoverLefts {
    int yo1 = kHiddenLeft;
    int yo2 = kHiddenLeft;
    int close1 = kHiddenLeft;
    int close2 = kHiddenLeft;
};
constexpr CoverLefts CoverLeftsOf(const CoverView& covers) {
    CoverLefts lefts;
    if (covers.yo_ye_covered) {
        lefts.yo1 = 151;
        lefts.yo2 = 7;
    }
    if (covers.latin_set >= 0) {
        const bool letters = covers.latin_set < 2;
        lefts.close1 = letters ? 104 : kHiddenLeft;
        lefts.close2 = letters ? 8 : covers.latin_set == 2 ? 104 : 80;
    }
    return lefts;
}

// Case, set and bold buttons, all at top 148.
constexpr int kSetButtonTop = 148;
constexpr int kSetButtonHeight = 25;
constexpr Rect SetButtonRect(Edition edition, int set) {
    return edition == Edition::Latin ? Rect{360 + 24 * set, kSetButtonTop, 25, kSetButtonHeight}
                                     : Rect{360 + 40 * set, kSetButtonTop, 41, kSetButtonHeight};
}
constexpr Rect BoldButtonRect(Edition edition) {
    return edition == Edition::Latin ? Rect{464, kSetButtonTop, 25, kSetButtonHeight}
                                     : Rect{448, kSetButtonTop, 41, kSetButtonHeight};
}

// Letter panel Panel107 and what it holds.
constexpr Rect kPanel107{360, 178, 129, 103};
constexpr Rect kLabel14{8, 6, 56, 13};   // "Буква"
constexpr Rect kLabel15{8, 21, 56, 16};  // the selected character
constexpr Rect kLabel00{8, 39, 56, 13};  // "Ширина"
constexpr Rect kLabel0{8, 54, 56, 14};   // the width
// The white frame of the edit image. The image sits in its lower part; the white strip Panel109
// lies over the image's row 0, which holds the width and not pixels.
constexpr Rect kPanel105{80, 22, 20, 28};
constexpr Point kPaintBoxEdit{2, 10};
constexpr Rect kPanel109{1, 1, 18, 10};
constexpr Rect PaintBoxEditRect(Zoom zoom = {}) {
    return InPicturePixels(kPaintBoxEdit, {0, 0, 16, 16}, zoom);
}
constexpr Rect Panel109Rect(Zoom zoom = {}) {
    constexpr Point kOverImage{kPanel109.x - kPaintBoxEdit.x, kPanel109.y - kPaintBoxEdit.y};
    return InPicturePixels(kPaintBoxEdit,
                           {kOverImage.x, kOverImage.y, kPanel109.width, kPanel109.height}, zoom);
}
constexpr Rect kButton1{8, 72, 113, 24};
// The shift arrows ImageIO1 .. ImageIO4, in Panel107: right of, left of, above and below the
// white frame of the edit image.
constexpr Point ShiftButtonPlace(int index) {
    constexpr Point kOffsets[4] = {{22, 11}, {-16, 11}, {3, -16}, {3, 30}};
    return kPanel105.TopLeft() + kOffsets[index];
}

// Clipboard panel Panel113 with Button8 .. Button11 one below the other.
constexpr Rect kPanel113{496, 148, 137, 133};
constexpr Rect ClipboardButtonRect(int index) {
    return {8, 9 + 30 * index, 121, 25};
}

}  // namespace rw::ui::geometry
