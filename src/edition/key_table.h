#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "edition/texts.h"
#include "model/edition.h"

namespace rw {

// What a key of the main window does.
enum class KeyCommand {
    LoadFlash,
    SaveFlash,
    LoadFontFile,
    SaveFontFile,
    Quit,
    Undo,
    Redo,
    WriteBack,
    ShiftRight,
    ShiftLeft,
    ShiftUp,
    ShiftDown,
    PreviousLetter,
    NextLetter,
    // The set and weight buttons.
    UpperCase,
    LowerCase,
    SymbolSet1,
    SymbolSet2,
    Bold,
    // The thumbnail strip, while it has the focus.
    LetterLeft,
    LetterRight,
    LetterAbove,
    LetterBelow,
    FirstLetter,
    LastLetter,
    // The grid, while it has the focus.
    CursorLeft,
    CursorRight,
    CursorUp,
    CursorDown,
    PaintLeft,
    PaintRight,
    PaintUp,
    PaintDown,
    FlipCell,
    // The current letter and block through the clipboard (the clipboard buttons).
    CopyLetter,
    PasteLetter,
    CopyBlock,
    PasteBlock,
    // The edit menu's transforms.
    FlipHorizontal,
    FlipVertical,
    Invert,
    Embolden,
    // "Масштаб".
    ZoomIn,
    ZoomOut,
    ZoomReset,
    // Anywhere in the window again.
    ShowOriginal,
};

// Where a key acts: anywhere in the window, or only in the control that has the focus.
enum class KeyScope { Window, Thumbnails, Grid };

// One row of the keys: the command, where it acts, its keys in Qt's portable notation
// ("Ctrl+Shift+Z"; the second one empty where there is only one), the text that says what it
// does, and whether only the Latin edition has it (its symbol sets).
struct KeyRow {
    KeyCommand command;
    KeyScope scope;
    std::array<std::string_view, 2> keys;
    UiText text;
    bool latin_only = false;
};

// Every key of the main window of an edition, in the order the "Клавиши" window lists them. The
// window makes its shortcuts from this table and from nothing else, so the list cannot miss one.
std::vector<KeyRow> KeyRows(Edition edition);

// The row of a command; every command has one.
const KeyRow& KeyRowOf(KeyCommand command);

}  // namespace rw
