#include "edition/key_table.h"

namespace rw {
namespace {

// clang-format off
constexpr KeyRow kKeyRows[] = {
    {KeyCommand::LoadFlash,      {"Ctrl+O"},                    UiText::MenuLoadFlash},
    {KeyCommand::SaveFlash,      {"Ctrl+S"},                    UiText::MenuSaveFlash},
    {KeyCommand::LoadFontFile,   {"Ctrl+Shift+O"},              UiText::MenuLoadFontFile},
    {KeyCommand::SaveFontFile,   {"Ctrl+Shift+S"},              UiText::MenuSaveFontFile},
    {KeyCommand::Quit,           {"Ctrl+Q"},                    UiText::MenuExit},
    {KeyCommand::Undo,           {"Ctrl+Z"},                    UiText::MenuUndo},
    {KeyCommand::Redo,           {"Ctrl+Shift+Z", "Ctrl+Y"},    UiText::MenuRedo},
    // The keypad's Enter is Qt's "Enter", the main one "Return".
    {KeyCommand::WriteBack,      {"Ctrl+Return", "Ctrl+Enter"}, UiText::WriteBackCaption},
    {KeyCommand::ShiftRight,     {"Alt+Right"},                 UiText::ShiftRightHint},
    {KeyCommand::ShiftLeft,      {"Alt+Left"},                  UiText::ShiftLeftHint},
    {KeyCommand::ShiftUp,        {"Alt+Up"},                    UiText::ShiftUpHint},
    {KeyCommand::ShiftDown,      {"Alt+Down"},                  UiText::ShiftDownHint},
    {KeyCommand::PreviousLetter, {"PgUp"},                      UiText::KeyPreviousLetter},
    {KeyCommand::NextLetter,     {"PgDown"},                    UiText::KeyNextLetter},
};
// clang-format on

}  // namespace

std::span<const KeyRow> KeyRows() {
    return kKeyRows;
}

}  // namespace rw
