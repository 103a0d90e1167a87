// The editor's two hot paths: a full redraw of every thumbnail and the edit image, and one
// grid click with every view the window reads afterwards.
#include <benchmark/benchmark.h>

#include "editor/editor.h"

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

Editor Ready(Edition edition, FontKind kind) {
    Editor e(edition);
    e.Activate();
    e.ChooseKind(kind);
    e.ReplaceFont(PatternFont());
    e.AfterFontLoaded();
    return e;
}

// What the window reads after a click: every cell, the labels and the edit image.
void ReadViews(const Editor& e) {
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) benchmark::DoNotOptimize(e.Cell(r, c));
        benchmark::DoNotOptimize(e.RowLabel(r).data());
    }
    benchmark::DoNotOptimize(e.WidthLabel().data());
    benchmark::DoNotOptimize(e.LetterLabel());
    benchmark::DoNotOptimize(e.EditImage().pixels.data());
}

// Every thumbnail plus the edit image, and the reload of the selected letter that follows.
void BM_FullRedraw(benchmark::State& state, Edition edition, FontKind kind) {
    Editor e = Ready(edition, kind);
    for (auto _ : state) {
        e.AfterFontLoaded();
        benchmark::DoNotOptimize(e.Thumbnail(0).pixels.data());
    }
}
BENCHMARK_CAPTURE(BM_FullRedraw, LatinBig37Wide, Edition::Latin, FontKind::Big);
BENCHMARK_CAPTURE(BM_FullRedraw, CyrillicNormal34Narrow, Edition::Cyrillic, FontKind::Normal);

void BM_CellClickWithViews(benchmark::State& state, Edition edition, FontKind kind) {
    Editor e = Ready(edition, kind);
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
