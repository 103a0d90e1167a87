#pragma once

#include <array>

namespace rw {

// How large the main window is drawn: a percentage of the window definition's pixels. At 100 %
// every position and colour is the window definition's own.
struct Zoom {
    int percent = 100;
    friend constexpr bool operator==(Zoom, Zoom) = default;
};

// The levels of "Масштаб" and of the zoom keys, smallest first.
inline constexpr std::array<Zoom, 4> kZoomLevels = {Zoom{100}, Zoom{150}, Zoom{200}, Zoom{300}};

// A chosen level, or "По размеру окна": the largest level whose window fits the space it has.
struct ZoomChoice {
    Zoom level;
    bool fit = false;
    friend constexpr bool operator==(ZoomChoice, ZoomChoice) = default;
};

// True for one of the listed levels.
constexpr bool IsZoomLevel(Zoom zoom) {
    for (Zoom level : kZoomLevels) {
        if (level == zoom) return true;
    }
    return false;
}

// The listed level `step` levels above (+1) or below (-1) `zoom`; the first or last level at the
// ends. A zoom between two levels steps to the nearer level that way.
constexpr Zoom SteppedZoom(Zoom zoom, int step) {
    if (step > 0) {
        for (Zoom level : kZoomLevels) {
            if (level.percent > zoom.percent) return level;
        }
        return kZoomLevels.back();
    }
    for (auto it = kZoomLevels.rbegin(); it != kZoomLevels.rend(); ++it) {
        if (it->percent < zoom.percent) return *it;
    }
    return kZoomLevels.front();
}

// A length of the window definition at a zoom, rounded half away from zero; edges of adjacent
// controls scaled this way stay adjacent.
constexpr int Scaled(int length, Zoom zoom) {
    const int times = length * zoom.percent;
    return times >= 0 ? (times + 50) / 100 : -((-times + 50) / 100);
}

// Screen pixels per font pixel on the grid's cells and the letter pictures: a whole number, so
// the pictures stay crisp; at 150 % that is 1, the largest that still fits the pictures' places.
constexpr int PictureScale(Zoom zoom) {
    return zoom.percent >= 100 ? zoom.percent / 100 : 1;
}

// The largest listed level at which a window of `width` x `height` at 100 % fits into
// `available_width` x `available_height`; 100 % when none does.
constexpr Zoom LargestZoomThatFits(int width, int height, int available_width,
                                   int available_height) {
    Zoom best = kZoomLevels.front();
    for (Zoom level : kZoomLevels) {
        if (Scaled(width, level) <= available_width && Scaled(height, level) <= available_height)
            best = level;
    }
    return best;
}

}  // namespace rw
