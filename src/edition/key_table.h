#pragma once

#include <array>
#include <span>
#include <string_view>

#include "edition/texts.h"

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
};

// One row of the keys: the command, its keys in Qt's portable notation ("Ctrl+Shift+Z"; the
// second one empty where there is only one) and the text that says what it does.
struct KeyRow {
    KeyCommand command;
    std::array<std::string_view, 2> keys;
    UiText text;
};

// Every key of the main window, in the order the "Клавиши" window lists them. The window makes
// its shortcuts from this table and from nothing else, so the list cannot miss one.
std::span<const KeyRow> KeyRows();

}  // namespace rw
