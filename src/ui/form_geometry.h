#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "model/edition.h"

// Where the window definition puts the controls of the main window: client-area coordinates for
// the window's own children, panel coordinates for the children of a panel.
namespace rw::ui::geometry {

// The menu lies above the client area and is not part of it.
constexpr QSize ClientSize(Edition edition) {
    return edition == Edition::Latin ? QSize(641, 289) : QSize(641, 290);
}

// Row value labels: Panel108 with one 41 x 15 label per grid row, centred on the row.
constexpr QRect kPanel108{8, 8, 65, 273};
constexpr QRect RowLabelRect(int row) {
    return {12, 1 + 17 * row, 41, 15};
}

// The 16 x 16 cells of 17 x 17 pixels, cell (r, c) at x = 80 + 17c, y = 8 + 17r.
constexpr QPoint kGridOrigin{80, 8};

// Thumbnail panel and its status line.
constexpr QRect kPanel106{360, 8, 273, 135};
constexpr QRect kPanelOffcet{8, 8, 257, 21};
constexpr QRect kLabelOffcet{4, 3, 249, 15};

// Case, set and bold buttons, all at top 148.
constexpr int kSetButtonTop = 148;
constexpr int kSetButtonHeight = 25;
constexpr QRect SetButtonRect(Edition edition, int set) {
    return edition == Edition::Latin ? QRect(360 + 24 * set, kSetButtonTop, 25, kSetButtonHeight)
                                     : QRect(360 + 40 * set, kSetButtonTop, 41, kSetButtonHeight);
}
constexpr QRect BoldButtonRect(Edition edition) {
    return edition == Edition::Latin ? QRect(464, kSetButtonTop, 25, kSetButtonHeight)
                                     : QRect(448, kSetButtonTop, 41, kSetButtonHeight);
}

// Letter panel Panel107 and what it holds.
constexpr QRect kPanel107{360, 178, 129, 103};
constexpr QRect kLabel14{8, 6, 56, 13};   // "Буква"
constexpr QRect kLabel15{8, 21, 56, 16};  // the selected character
constexpr QRect kLabel00{8, 39, 56, 13};  // "Ширина"
constexpr QRect kLabel0{8, 54, 56, 14};   // the width
// The white frame of the edit image. The image sits in its lower part; the white strip Panel109
// lies over the image's row 0, which holds the width and not pixels.
constexpr QRect kPanel105{80, 22, 20, 28};
constexpr QPoint kPaintBoxEdit{2, 10};
constexpr QRect kPanel109{1, 1, 18, 10};
constexpr QRect kButton1{8, 72, 113, 24};

// Clipboard panel Panel113 with Button8 .. Button11 one below the other.
constexpr QRect kPanel113{496, 148, 137, 133};
constexpr QRect ClipboardButtonRect(int index) {
    return {8, 9 + 30 * index, 121, 25};
}

}  // namespace rw::ui::geometry
