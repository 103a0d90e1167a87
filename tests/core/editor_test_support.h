#pragma once

#include <cstdint>
#include <initializer_list>

#include "editor/session.h"
#include "model/font_image.h"

namespace rw::editor_testing {

// A narrow glyph with a width byte and rows given from row 1 down.
inline NarrowGlyph Narrow(uint8_t width, std::initializer_list<uint8_t> rows) {
    NarrowGlyph g{};
    g[0] = width;
    int r = 1;
    for (uint8_t row : rows) g[r++] = row;
    return g;
}

inline WideGlyph Wide(uint16_t header, std::initializer_list<uint16_t> rows) {
    WideGlyph g{};
    g[0] = header;
    int r = 1;
    for (uint16_t row : rows) g[r++] = row;
    return g;
}

// Every element of a glyph set to one value, to see which elements an operation touches.
inline NarrowGlyph NarrowFilled(uint8_t value) {
    NarrowGlyph g;
    g.fill(value);
    return g;
}
inline WideGlyph WideFilled(uint16_t value) {
    WideGlyph g;
    g.fill(value);
    return g;
}

// An activated editor of an edition.
inline Session Activated(Edition edition) {
    Session e(edition);
    e.Activate();
    return e;
}

// Hands a font to the editor the way a file load does.
inline void Load(Session& e, const FontImage& font) {
    e.LoadFont(font, UiText::MenuLoadFlash);
}

inline int LiveCellCount(const Session& e) {
    int n = 0;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) n += e.view().Cell(r, c).live;
    }
    return n;
}

}  // namespace rw::editor_testing
