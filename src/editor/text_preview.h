#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/rgb_images.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

inline constexpr int kDefaultPreviewScale = 3;
inline constexpr int kMaxPreviewScale = 8;
// The screen width of the 45-series phones.
inline constexpr int kDefaultWrapWidth = 101;
inline constexpr int kMaxWrapWidth = 512;
// A preview is a few lines of a phone screen; a text longer than this many lines is cut there, so
// no wrap width or text makes a picture too large to show.
inline constexpr int kMaxPreviewLines = 32;
// A space has no glyph of its own in these fonts; the phones move the pen this far.
inline constexpr int kSpaceAdvance = 3;

// The glyphs a text is set in: the live table of the font, with the glyph being edited (unwritten
// changes included) standing in for its slot.
struct PreviewFont {
    Edition edition = Edition::Cyrillic;
    const FontImage* font = nullptr;
    bool wide = false;  // which table is live
    int last_row = 11;  // H: rows 1..H carry pixels
    bool single_weight = false;
    bool has_yo_ye = true;  // 35-series phones lack Ё and Є
    GlyphSlot working_slot;
    Glyph working{};  // of the live table's form
};

struct PreviewOptions {
    bool bold = false;  // ignored by a font with one weight
    int wrap_width = kDefaultWrapWidth;
};

// The line the preview window starts with: a pangram of the edition's letters.
const char* DefaultPreviewText(Edition edition);

// A text set in a font, one bit of ink per pixel, lines H pixels high one below the other.
struct TextPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> ink;  // width * height, 1 for black
    // Characters without a slot in the font, each once, in the order they first appear.
    std::vector<char32_t> missing;
    bool cut = false;  // the text went on past kMaxPreviewLines

    bool Ink(int x, int y) const { return ink[static_cast<size_t>(y) * width + x] != 0; }
};

// Sets the text as the phone would: each character at the pen, the pen moved by the glyph's width
// value; a space moves it 3 pixels; a character without a slot shows a hollow box half the glyph
// columns wide; a line breaks before a word that would pass the wrap width, and inside a word
// longer than the width where it overflows; "\n" starts a new line. The picture is as wide as the
// wrap width, or as the widest line where a single character is wider. A wrap width below 1
// counts as 1.
TextPicture SetText(std::u32string_view text, const PreviewFont& font,
                    const PreviewOptions& options);

// Black ink on white, each pixel a scale x scale square.
RgbImage ScaledPicture(const TextPicture& picture, int scale);

}  // namespace rw
