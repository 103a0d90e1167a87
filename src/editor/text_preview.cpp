#include "editor/text_preview.h"

#include <algorithm>

#include "model/character_sets.h"

namespace rw {
namespace {

// One character of the text as it is set.
struct Mark {
    enum Kind { kGlyph, kBox, kSpace, kNewLine } kind = kGlyph;
    GlyphSlot glyph;
    int advance = 0;
    int x = 0;
    int line = 0;
};

int GlyphColumns(const PreviewFont& font) {
    return TraitsOf(FormOf(font.wide)).columns;
}

// The box of a missing character is half the glyph columns wide, rounded up.
int BoxWidth(const PreviewFont& font) {
    return (GlyphColumns(font) + 1) / 2;
}

// The glyph a character is drawn with; empty when the font has no slot for it.
std::optional<GlyphSlot> GlyphOf(char32_t code, const PreviewFont& font, bool bold) {
    const std::optional<SetSlot> place = SlotOfCodePoint(font.edition, code);
    if (!place) return std::nullopt;
    const bool foreign_record = !font.has_yo_ye && IsYoOrYeSlot(font.edition, place->slot);
    if (foreign_record) return std::nullopt;
    const int weight = bold && !font.single_weight ? BoldStep(font.edition) : 0;
    return GlyphSlot{place->set + weight, place->slot};
}

Glyph GlyphAt(const PreviewFont& font, GlyphSlot glyph) {
    return glyph == font.working_slot ? font.working : font.font->At(FormOf(font.wide), glyph);
}

Mark Classify(char32_t code, const PreviewFont& font, bool bold) {
    Mark mark;
    if (code == U' ') {
        mark.kind = Mark::kSpace;
        mark.advance = kSpaceAdvance;
    } else if (code == U'\n') {
        mark.kind = Mark::kNewLine;
    } else if (const std::optional<GlyphSlot> glyph = GlyphOf(code, font, bold)) {
        mark.glyph = *glyph;
        mark.advance = GlyphAt(font, *glyph).width();
    } else {
        mark.kind = Mark::kBox;
        mark.advance = BoxWidth(font) + 1;
    }
    return mark;
}

bool InWord(const Mark& mark) {
    return mark.kind == Mark::kGlyph || mark.kind == Mark::kBox;
}

// Gives every mark its pen position and line. Returns the number of lines used.
int LayOut(std::vector<Mark>& marks, int wrap) {
    int pen = 0;
    int line = 0;
    for (size_t i = 0; i < marks.size();) {
        if (marks[i].kind == Mark::kNewLine) {
            ++line;
            pen = 0;
            ++i;
            continue;
        }
        if (marks[i].kind == Mark::kSpace) {
            pen += marks[i].advance;
            ++i;
            continue;
        }
        size_t end = i;
        int word = 0;
        for (; end < marks.size() && InWord(marks[end]); ++end) word += marks[end].advance;
        if (pen > 0 && pen + word > wrap) {
            ++line;
            pen = 0;
        }
        for (; i < end; ++i) {
            // Only a word wider than the whole line gets here with too little room.
            if (pen > 0 && pen + marks[i].advance > wrap) {
                ++line;
                pen = 0;
            }
            marks[i].x = pen;
            marks[i].line = line;
            pen += marks[i].advance;
        }
    }
    return line + 1;
}

void DrawGlyph(const Mark& mark, const PreviewFont& font, TextPicture& picture) {
    const int columns = GlyphColumns(font);
    const int top = mark.line * font.last_row;
    const Glyph glyph = GlyphAt(font, mark.glyph);
    for (int row = 1; row <= font.last_row; ++row) {
        const unsigned bits = glyph[row];
        const int y = top + row - 1;
        for (int col = 0; col < columns; ++col) {
            const int x = mark.x + col;
            if (x >= picture.width) break;
            if (bits >> (columns - 1 - col) & 1u)
                picture.ink[static_cast<size_t>(y) * picture.width + x] = 1;
        }
    }
}

void DrawBox(const Mark& mark, const PreviewFont& font, TextPicture& picture) {
    const int right = std::min(mark.x + BoxWidth(font), picture.width) - 1;
    const int top = mark.line * font.last_row;
    const int bottom = top + font.last_row - 1;
    auto set = [&](int x, int y) { picture.ink[static_cast<size_t>(y) * picture.width + x] = 1; };
    for (int x = mark.x; x <= right; ++x) {
        set(x, top);
        set(x, bottom);
    }
    for (int y = top; y <= bottom; ++y) {
        set(mark.x, y);
        if (right >= mark.x) set(right, y);
    }
}

void NoteMissing(char32_t code, std::vector<char32_t>& missing) {
    if (std::find(missing.begin(), missing.end(), code) == missing.end()) missing.push_back(code);
}

}  // namespace

const char* DefaultPreviewText(Edition edition) {
    if (edition == Edition::Latin)
        return "The quick brown fox jumps over the lazy dog 0123456789 (!?)";
    return "Съешь же ещё этих мягких французских булок, да выпей чаю";
}

TextPicture SetText(std::u32string_view text, const PreviewFont& font,
                    const PreviewOptions& options) {
    TextPicture picture;
    std::vector<Mark> marks;
    marks.reserve(text.size());
    for (char32_t code : text) {
        marks.push_back(Classify(code, font, options.bold));
        if (marks.back().kind == Mark::kBox) NoteMissing(code, picture.missing);
    }
    const int wrap = std::max(1, options.wrap_width);
    int lines = LayOut(marks, wrap);
    if (lines > kMaxPreviewLines) {
        lines = kMaxPreviewLines;
        picture.cut = true;
        std::erase_if(marks, [](const Mark& m) { return m.line >= kMaxPreviewLines; });
    }

    int right = wrap;
    for (const Mark& mark : marks) {
        if (InWord(mark)) right = std::max(right, mark.x + mark.advance);
    }
    picture.width = right;
    picture.height = lines * font.last_row;
    picture.ink.assign(static_cast<size_t>(picture.width) * picture.height, 0);
    for (const Mark& mark : marks) {
        if (mark.kind == Mark::kGlyph) DrawGlyph(mark, font, picture);
        if (mark.kind == Mark::kBox) DrawBox(mark, font, picture);
    }
    return picture;
}

RgbImage ScaledPicture(const TextPicture& picture, int scale) {
    RgbImage image;
    image.width = picture.width * scale;
    image.height = picture.height * scale;
    image.rgb.assign(static_cast<size_t>(image.width) * image.height * 3, 0xFF);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = image.rgb.data() + static_cast<size_t>(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x) {
            if (picture.Ink(x / scale, y / scale))
                std::fill_n(row + 3 * static_cast<size_t>(x), 3, uint8_t{0});
        }
    }
    return image;
}

}  // namespace rw
