#pragma once

#include <Qt>

#include "edition/key_table.h"
#include "edition/texts.h"
#include "editor/glyph_ops.h"
#include "ui/pictures.h"

// The main window's rows of like buttons, one row each: what a button is called, shows and
// does. Every place that builds, names or answers one of them reads it here.
namespace rw::ui {

// The shift arrows ImageIO1 .. ImageIO4: their picture at rest and under the pointer (their
// keys are in the key table).
struct ShiftButtonRow {
    const char* name;
    ShiftDirection direction;
    UiText hint;
    QImage ArrowPictures::*at_rest;
    QImage ArrowPictures::*pointer_over;
};
inline constexpr ShiftButtonRow kShiftButtonRows[] = {
    {"ImageIO1", ShiftDirection::Right, UiText::ShiftRightHint, &ArrowPictures::ioRTn,
     &ArrowPictures::ioRTp},
    {"ImageIO2", ShiftDirection::Left, UiText::ShiftLeftHint, &ArrowPictures::ioLTn,
     &ArrowPictures::ioLTp},
    {"ImageIO3", ShiftDirection::Up, UiText::ShiftUpHint, &ArrowPictures::ioUPn,
     &ArrowPictures::ioUPp},
    {"ImageIO4", ShiftDirection::Down, UiText::ShiftDownHint, &ArrowPictures::ioDNn,
     &ArrowPictures::ioDNp},
};

// The clipboard buttons Button8 .. Button11, one below the other.
struct ClipboardButtonRow {
    const char* name;
    UiText caption;
    UiText hint;
};
inline constexpr ClipboardButtonRow kClipboardButtonRows[] = {
    {"Button8", UiText::CopyBlockCaption, UiText::CopyBlockHint},
    {"Button9", UiText::PasteBlockCaption, UiText::PasteBlockHint},
    {"Button10", UiText::CopyLetterCaption, UiText::CopyLetterHint},
    {"Button11", UiText::PasteLetterCaption, UiText::PasteLetterHint},
};

// The set buttons SpeedButton2 .. SpeedButton5 by letter set (the Cyrillic edition has the
// first two), with their captions in each edition and the key that presses them.
struct SetButtonRow {
    const char* name;
    const char* cyrillic_caption;
    const char* latin_caption;
    UiText hint;
    KeyCommand key;
};
inline constexpr SetButtonRow kSetButtonRows[] = {
    {"SpeedButton2", "А-Я", "A", UiText::UpperCaseHint, KeyCommand::UpperCase},
    {"SpeedButton3", "а-я", "a", UiText::LowerCaseHint, KeyCommand::LowerCase},
    {"SpeedButton4", nullptr, "s1", UiText::SymbolSet1Hint, KeyCommand::SymbolSet1},
    {"SpeedButton5", nullptr, "s2", UiText::SymbolSet2Hint, KeyCommand::SymbolSet2},
};

}  // namespace rw::ui
