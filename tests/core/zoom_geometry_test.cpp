// The window at a zoom: the listed levels and their keys, the level that fits, and the geometry
// table's places at each level.
#include <gtest/gtest.h>

#include "model/zoom.h"
#include "ui/form_geometry.h"

namespace rw {
namespace {

using namespace ui::geometry;

Rect Times(Rect r, int factor) {
    return {r.x * factor, r.y * factor, r.width * factor, r.height * factor};
}

bool Inside(Rect inner, Rect outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(Zoom, TheKeysStepThroughTheListedLevelsAndStopAtTheEnds) {
    EXPECT_EQ(SteppedZoom(Zoom{100}, 1), Zoom{150});
    EXPECT_EQ(SteppedZoom(Zoom{150}, 1), Zoom{200});
    EXPECT_EQ(SteppedZoom(Zoom{300}, 1), Zoom{300});
    EXPECT_EQ(SteppedZoom(Zoom{200}, -1), Zoom{150});
    EXPECT_EQ(SteppedZoom(Zoom{100}, -1), Zoom{100});
    // From between two levels, the nearer one that way.
    EXPECT_EQ(SteppedZoom(Zoom{170}, 1), Zoom{200});
    EXPECT_EQ(SteppedZoom(Zoom{170}, -1), Zoom{150});
    EXPECT_TRUE(IsZoomLevel(Zoom{150}));
    EXPECT_FALSE(IsZoomLevel(Zoom{125}));
    EXPECT_FALSE(IsZoomLevel(Zoom{-1}));
}

TEST(Zoom, FitTakesTheLargestLevelThatFitsAndNeverLessThanHundred) {
    EXPECT_EQ(LargestZoomThatFits(641, 308, 641, 308), Zoom{100});
    EXPECT_EQ(LargestZoomThatFits(641, 308, 961, 462), Zoom{100});  // one pixel short of 150 %
    EXPECT_EQ(LargestZoomThatFits(641, 308, 962, 462), Zoom{150});
    EXPECT_EQ(LargestZoomThatFits(641, 308, 1280, 1024), Zoom{150});
    EXPECT_EQ(LargestZoomThatFits(641, 308, 1282, 1024), Zoom{200});
    EXPECT_EQ(LargestZoomThatFits(641, 308, 3840, 2160), Zoom{300});
    EXPECT_EQ(LargestZoomThatFits(641, 308, 300, 200), Zoom{100});
}

TEST(Zoom, LengthsRoundHalfAwayFromZero) {
    EXPECT_EQ(Scaled(17, Zoom{150}), 26);
    EXPECT_EQ(Scaled(-1000, Zoom{150}), -1500);
    EXPECT_EQ(Scaled(-151, Zoom{150}), -227);
    EXPECT_EQ(Scaled(151, Zoom{150}), 227);
    EXPECT_EQ(PictureScale(Zoom{150}), 1);
    EXPECT_EQ(PictureScale(Zoom{300}), 3);
}

// At 100 % the places are the window definition's; at 200 % and 300 % each is that many times
// larger, the picture places as well as the plain ones.
TEST(ZoomGeometry, WholeLevelsMultiplyEveryPlace) {
    for (int factor : {1, 2, 3}) {
        const Zoom zoom{factor * 100};
        EXPECT_EQ(Scaled(kPanel107, zoom), Times(kPanel107, factor));
        EXPECT_EQ(CellSize(zoom), 17 * factor);
        for (int row = 0; row < 16; ++row)
            EXPECT_EQ(RowLabelRect(row, zoom), Times(RowLabelRect(row), factor));
        for (int slot = 0; slot < 37; ++slot) {
            EXPECT_EQ(ThumbnailRect(slot, zoom), Times(ThumbnailRect(slot), factor));
            EXPECT_EQ(FocusRingRect(slot, zoom), Times(FocusRingRect(slot), factor));
            EXPECT_EQ(MarkerRect(slot, 8, zoom), Times(MarkerRect(slot, 8), factor));
            const SelectionFrame frame = SelectionFrameOf(slot, zoom);
            const SelectionFrame plain = SelectionFrameOf(slot);
            EXPECT_EQ(frame.left, Times(plain.left, factor));
            EXPECT_EQ(frame.right, Times(plain.right, factor));
            EXPECT_EQ(frame.bottom, Times(plain.bottom, factor));
        }
        EXPECT_EQ(SelectionFrameOf(std::nullopt, zoom).top,
                  Times(SelectionFrameOf(std::nullopt).top, factor));
        EXPECT_EQ(PaintBoxEditRect(zoom), Times(PaintBoxEditRect(), factor));
        EXPECT_EQ(Panel109Rect(zoom), Times(kPanel109, factor));
    }
    EXPECT_EQ(ClientSize(Edition::Latin, Zoom{200}).width, 1282);
    EXPECT_EQ(ClientSize(Edition::Cyrillic, Zoom{300}).height, 870);
}

// At 150 % the pictures keep one pixel per font pixel; what lies on them still covers exactly
// their row 0, their frame still surrounds them, and the covers still hide them.
TEST(ZoomGeometry, AtHundredAndFiftyThePicturesAndWhatLiesOnThemStayTogether) {
    const Zoom zoom{150};
    const Rect image = PaintBoxEditRect(zoom);
    const Rect strip = Panel109Rect(zoom);
    EXPECT_EQ(strip.y + strip.height, image.y + 1);  // row 0 only
    EXPECT_TRUE(Inside(image, Scaled(Rect{0, 0, kPanel105.width, kPanel105.height}, zoom)));
    for (int slot = 0; slot < 37; ++slot) {
        const Rect t = ThumbnailRect(slot, zoom);
        EXPECT_EQ(t.width, 16);
        const SelectionFrame frame = SelectionFrameOf(slot, zoom);
        EXPECT_EQ(frame.left.x + 1, t.x);
        EXPECT_EQ(frame.top.y + 1, t.y);
        EXPECT_EQ(MarkerRect(slot, 16, zoom), (Rect{t.x, t.y, 16, 1}));
        const Rect panel = Scaled(kPanel106, zoom);
        EXPECT_TRUE(Inside(t, Rect{0, 0, panel.width, panel.height}));
    }
    // Panel_YO1 over slot 6 (Ё), Panel_YO2 over slot 33 (Є), PanelClose1 over row 2 from slot 26.
    EXPECT_TRUE(Inside(ThumbnailRect(6, zoom), Scaled(Rect{151, 35, 20, 20}, zoom)));
    EXPECT_TRUE(Inside(ThumbnailRect(33, zoom), Scaled(Rect{7, 107, 20, 20}, zoom)));
    for (int slot = 26; slot <= 32; ++slot)
        EXPECT_TRUE(Inside(ThumbnailRect(slot, zoom), Scaled(Rect{104, 80, 161, 25}, zoom)));
    // The grid's 16 cells of 25 pixels fit beside the row labels and before the thumbnails.
    EXPECT_EQ(CellSize(zoom), 25);
    const Rect last_label = RowLabelRect(15, zoom);
    EXPECT_LE(last_label.y + last_label.height, Scaled(kPanel108, zoom).height);
    EXPECT_LE(Scaled(kGridOrigin, zoom).x + 16 * CellSize(zoom), Scaled(kPanel106, zoom).x);
}

}  // namespace
}  // namespace rw
