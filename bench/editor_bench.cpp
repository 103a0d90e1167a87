// The editor's two hot paths: a full redraw of every thumbnail and the edit image, and one
// grid click with every view the window reads afterwards.
#include <benchmark/benchmark.h>

#include "editor/session.h"

namespace rw {
namespace {

FontImage PatternFont() {
    FontImage font;
    for (int b = 0; b < kMaxBlocks; ++b) {
        for (int k = 0; k < kMaxSlots; ++k) {
            for (int r = 0; r < 16; ++r) {
                font.wide[b][k][r] = static_cast<uint16_t>(0x9E37u * (b * 131 + k * 17 + r));
            }
            for (int r = 0; r < 13; ++r) font.narrow[b][k][r] = static_cast<uint8_t>(k * 7 + r);
        }
    }
    return font;
}

Session Ready(Edition edition, FontKind kind) {
    Session e(edition);
    e.Activate();
    e.ChooseKind(kind);
    e.LoadFont(PatternFont(), UiText::MenuLoadFlash);
    return e;
}

// What the window reads after a click: every cell, the labels and the edit image.
void ReadViews(const Session& e) {
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) benchmark::DoNotOptimize(e.view().Cell(r, c));
        benchmark::DoNotOptimize(e.view().RowLabel(r).data());
    }
    benchmark::DoNotOptimize(e.view().WidthLabel().data());
    benchmark::DoNotOptimize(e.view().LetterLabel());
    benchmark::DoNotOptimize(e.view().EditImage().pixels.data());
}

// Every thumbnail plus the edit image, and the reload of the selected letter that follows: the
// case buttons in turn show another block each time.
void BM_FullRedraw(benchmark::State& state, Edition edition, FontKind kind) {
    Session e = Ready(edition, kind);
    bool lower = false;
    for (auto _ : state) {
        lower = !lower;
        if (lower) {
            e.PressLowerCase();
        } else {
            e.PressUpperCase();
        }
        benchmark::DoNotOptimize(e.view().Thumbnail(0).pixels.data());
    }
}
BENCHMARK_CAPTURE(BM_FullRedraw, LatinBig37Wide, Edition::Latin, FontKind::Big);
BENCHMARK_CAPTURE(BM_FullRedraw, CyrillicNormal34Narrow, Edition::Cyrillic, FontKind::Normal);

void BM_CellClickWithViews(benchmark::State& state, Edition edition, FontKind kind) {
    Session e = Ready(edition, kind);
    int i = 0;
    for (auto _ : state) {
        e.ClickCell(1 + i % 9, 1 + i % 7);
        ReadViews(e);
        ++i;
    }
}
BENCHMARK_CAPTURE(BM_CellClickWithViews, LatinBig, Edition::Latin, FontKind::Big);
BENCHMARK_CAPTURE(BM_CellClickWithViews, CyrillicNormal, Edition::Cyrillic, FontKind::Normal);

}  // namespace
}  // namespace rw

namespace rw {
namespace {

// Per-cell cost of a drag: one press (with its undo snapshot), then one pointer move per cell
// along each row and back, with every view the window reads after each move.
void BM_StrokePerCell(benchmark::State& state, Edition edition, FontKind kind) {
    Session e = Ready(edition, kind);
    const int last = e.state().wide() ? 15 : 7;
    int64_t cells = 0;
    for (auto _ : state) {
        e.BeginStroke(1, 1);
        ReadViews(e);
        ++cells;
        for (int r = 1; r <= 9; ++r) {
            for (int c = 1; c <= last; ++c) {
                e.ContinueStroke(r, r % 2 ? c : last + 1 - c);
                ReadViews(e);
                ++cells;
            }
        }
        e.EndStroke();
    }
    state.counters["per_cell"] = benchmark::Counter(
        static_cast<double>(cells), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_StrokePerCell, LatinBig, Edition::Latin, FontKind::Big);
BENCHMARK_CAPTURE(BM_StrokePerCell, CyrillicNormal, Edition::Cyrillic, FontKind::Normal);

// One undo or redo of a pixel step: the snapshot swap, the thumbnails redrawn, the grid shown.
void BM_UndoRedo(benchmark::State& state, Edition edition, FontKind kind) {
    Session e = Ready(edition, kind);
    for (int i = 0; i < 1000; ++i) e.ClickCell(1 + i % 9, 1 + i % 7);
    bool undo = true;
    for (auto _ : state) {
        if (undo) {
            e.Undo();
        } else {
            e.Redo();
        }
        undo = !undo;
        ReadViews(e);
    }
}
BENCHMARK_CAPTURE(BM_UndoRedo, LatinBig, Edition::Latin, FontKind::Big);
BENCHMARK_CAPTURE(BM_UndoRedo, CyrillicNormal, Edition::Cyrillic, FontKind::Normal);

}  // namespace
}  // namespace rw
