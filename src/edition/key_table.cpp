#include "edition/key_table.h"

#include <cstdlib>

namespace rw {
namespace {

// The rows name their commands without the enum's name. Those names stay in a namespace of their
// own: in a unity batch, the files compiled after this one would see them too.
namespace rows {

using enum KeyCommand;
constexpr KeyScope kWindow = KeyScope::Window;
constexpr KeyScope kThumbnails = KeyScope::Thumbnails;
constexpr KeyScope kGrid = KeyScope::Grid;

// clang-format off
constexpr KeyRow kKeyRows[] = {
    {LoadFlash,      kWindow,     {"Ctrl+O"},                    UiText::MenuLoadFlash},
    {SaveFlash,      kWindow,     {"Ctrl+S"},                    UiText::MenuSaveFlash},
    {LoadFontFile,   kWindow,     {"Ctrl+Shift+O"},              UiText::MenuLoadFontFile},
    {SaveFontFile,   kWindow,     {"Ctrl+Shift+S"},              UiText::MenuSaveFontFile},
    {Quit,           kWindow,     {"Ctrl+Q"},                    UiText::MenuExit},
    {Undo,           kWindow,     {"Ctrl+Z"},                    UiText::MenuUndo},
    {Redo,           kWindow,     {"Ctrl+Shift+Z", "Ctrl+Y"},    UiText::MenuRedo},
    // The keypad's Enter is Qt's "Enter", the main one "Return".
    {WriteBack,      kWindow,     {"Ctrl+Return", "Ctrl+Enter"}, UiText::WriteBackCaption},
    {ShiftRight,     kWindow,     {"Alt+Right"},                 UiText::ShiftRightHint},
    {ShiftLeft,      kWindow,     {"Alt+Left"},                  UiText::ShiftLeftHint},
    {ShiftUp,        kWindow,     {"Alt+Up"},                    UiText::ShiftUpHint},
    {ShiftDown,      kWindow,     {"Alt+Down"},                  UiText::ShiftDownHint},
    {PreviousLetter, kWindow,     {"PgUp"},                      UiText::KeyPreviousLetter},
    {NextLetter,     kWindow,     {"PgDown"},                    UiText::KeyNextLetter},
    {UpperCase,      kWindow,     {"Ctrl+1"},                    UiText::UpperCaseHint},
    {LowerCase,      kWindow,     {"Ctrl+2"},                    UiText::LowerCaseHint},
    {SymbolSet1,     kWindow,     {"Ctrl+3"},                    UiText::SymbolSet1Hint, true},
    {SymbolSet2,     kWindow,     {"Ctrl+4"},                    UiText::SymbolSet2Hint, true},
    {Bold,           kWindow,     {"Ctrl+B"},                    UiText::BoldHint},
    {LetterLeft,     kThumbnails, {"Left"},                      UiText::KeyLetterLeft},
    {LetterRight,    kThumbnails, {"Right"},                     UiText::KeyLetterRight},
    {LetterAbove,    kThumbnails, {"Up"},                        UiText::KeyLetterAbove},
    {LetterBelow,    kThumbnails, {"Down"},                      UiText::KeyLetterBelow},
    {FirstLetter,    kThumbnails, {"Home"},                      UiText::KeyFirstLetter},
    {LastLetter,     kThumbnails, {"End"},                       UiText::KeyLastLetter},
    {CursorLeft,     kGrid,       {"Left"},                      UiText::KeyCursorLeft},
    {CursorRight,    kGrid,       {"Right"},                     UiText::KeyCursorRight},
    {CursorUp,       kGrid,       {"Up"},                        UiText::KeyCursorUp},
    {CursorDown,     kGrid,       {"Down"},                      UiText::KeyCursorDown},
    {PaintLeft,      kGrid,       {"Shift+Left"},                UiText::KeyPaintLeft},
    {PaintRight,     kGrid,       {"Shift+Right"},               UiText::KeyPaintRight},
    {PaintUp,        kGrid,       {"Shift+Up"},                  UiText::KeyPaintUp},
    {PaintDown,      kGrid,       {"Shift+Down"},                UiText::KeyPaintDown},
    {FlipCell,       kGrid,       {"Space", "Return"},           UiText::KeyFlipCell},
    {CopyLetter,     kWindow,     {"Ctrl+C"},                    UiText::CopyLetterCaption},
    {PasteLetter,    kWindow,     {"Ctrl+V"},                    UiText::PasteLetterCaption},
    {CopyBlock,      kWindow,     {"Ctrl+Shift+C"},              UiText::CopyBlockCaption},
    {PasteBlock,     kWindow,     {"Ctrl+Shift+V"},              UiText::PasteBlockCaption},
    {FlipHorizontal, kWindow,     {"Ctrl+H"},                    UiText::MenuFlipHorizontal},
    {FlipVertical,   kWindow,     {"Ctrl+J"},                    UiText::MenuFlipVertical},
    {Invert,         kWindow,     {"Ctrl+I"},                    UiText::MenuInvert},
    {Embolden,       kWindow,     {"Ctrl+E"},                    UiText::MenuEmbolden},
    // Ctrl+Plus is Ctrl+Shift+= on most keyboards; Ctrl+= spares the Shift.
    {ZoomIn,         kWindow,     {"Ctrl++", "Ctrl+="},          UiText::KeyZoomIn},
    {ZoomOut,        kWindow,     {"Ctrl+-"},                    UiText::KeyZoomOut},
    {ZoomReset,      kWindow,     {"Ctrl+0"},                    UiText::KeyZoomReset},
    {ShowOriginal,   kWindow,     {"Ctrl+G"},                    UiText::MenuShowOriginal},
};
// clang-format on

}  // namespace rows
using rows::kKeyRows;

constexpr bool EveryCommandAtItsRow() {
    for (std::size_t i = 0; i < std::size(kKeyRows); ++i) {
        if (static_cast<std::size_t>(kKeyRows[i].command) != i) return false;
    }
    return true;
}
static_assert(EveryCommandAtItsRow(), "the rows stand in the order of KeyCommand");

}  // namespace

std::vector<KeyRow> KeyRows(Edition edition) {
    std::vector<KeyRow> rows;
    for (const KeyRow& row : kKeyRows) {
        if (!row.latin_only || edition == Edition::Latin) rows.push_back(row);
    }
    return rows;
}

const KeyRow& KeyRowOf(KeyCommand command) {
    return kKeyRows[static_cast<std::size_t>(command)];
}

}  // namespace rw
