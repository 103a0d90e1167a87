#pragma once

namespace rw::web {

// Thumbnails per row of the strip, as the window lays them out; the strip's Up and Down keys go a
// row of this many letters.
inline constexpr int kThumbnailsPerRow = 11;

}  // namespace rw::web
