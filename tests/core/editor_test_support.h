#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

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

// Every glyph of both tables holds a different pattern in rows 1..11.
inline FontImage PatternFont() {
    FontImage font;
    for (int b = 0; b < kMaxBlocks; ++b) {
        for (int k = 0; k < kMaxSlots; ++k) {
            for (int r = 1; r < 12; ++r) {
                font.wide[b][k][r] = static_cast<uint16_t>((0x9E37u * (b * 131 + k * 17 + r)) >> 1);
                font.narrow[b][k][r] = static_cast<uint8_t>((k * 7 + r * 3 + b) & 0x7F);
            }
        }
    }
    return font;
}

// What an undo must bring back exactly, with the model and kind the glyphs are shown for.
struct Seen {
    FontImage font;
    Glyph narrow;
    Glyph wide;
    PhoneModel model;
    FontKind kind;
    int block;
    int slot;
    friend bool operator==(const Seen&, const Seen&) = default;
};

inline Seen Look(const Session& e) {
    return {e.font(),
            e.working(GlyphForm::Narrow),
            e.working(GlyphForm::Wide),
            e.state().model,
            e.state().kind,
            e.state().block(),
            e.state().selected_slot()};
}

// `states` holds the state at the start and after each of the editor's steps: undoes every step
// back to the start, then redoes every one, and checks each state on the way.
inline void ExpectEveryStepUndoneAndRedone(Session& e, const std::vector<Seen>& states) {
    ASSERT_EQ(e.history().undo_count(), states.size() - 1);
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(e.history().CanUndo());
        e.Undo();
        ASSERT_EQ(Look(e), states[i - 1]) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(e.history().CanUndo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(e.history().CanRedo());
        e.Redo();
        ASSERT_EQ(Look(e), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(e.history().CanRedo());
}

inline int LiveCellCount(const Session& e) {
    int n = 0;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) n += e.view().Cell(r, c).live;
    }
    return n;
}

}  // namespace rw::editor_testing
