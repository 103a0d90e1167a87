#include "web/page_keys.h"

#include <iterator>
#include <string_view>
#include <utility>

#include "edition/texts.h"
#include "model/character_sets.h"
#include "web/js_values.h"
#include "web/page_layout.h"

namespace rw::web {

using emscripten::val;

namespace {

// The commands by name, in the order of KeyCommand.
constexpr const char* kCommandNames[] = {
    "LoadFlash",      "SaveFlash",  "LoadFontFile",   "SaveFontFile", "Quit",        "Undo",
    "Redo",           "WriteBack",  "ShiftRight",     "ShiftLeft",    "ShiftUp",     "ShiftDown",
    "PreviousLetter", "NextLetter", "UpperCase",      "LowerCase",    "SymbolSet1",  "SymbolSet2",
    "Bold",           "LetterLeft", "LetterRight",    "LetterAbove",  "LetterBelow", "FirstLetter",
    "LastLetter",     "CursorLeft", "CursorRight",    "CursorUp",     "CursorDown",  "PaintLeft",
    "PaintRight",     "PaintUp",    "PaintDown",      "FlipCell",     "CopyLetter",  "PasteLetter",
    "CopyBlock",      "PasteBlock", "FlipHorizontal", "FlipVertical", "Invert",      "Embolden",
    "ZoomIn",         "ZoomOut",    "ZoomReset",      "ShowOriginal",
};
static_assert(std::size(kCommandNames) == static_cast<size_t>(KeyCommand::ShowOriginal) + 1);

const char* NameOf(KeyCommand command) {
    return kCommandNames[static_cast<size_t>(command)];
}

// What each command does: a menu item, or an operation of the session.
KeyBinding BindingOf(KeyCommand command) {
    switch (command) {
        case KeyCommand::LoadFlash:
            return {"N2", {}};
        case KeyCommand::SaveFlash:
            return {"N23", {}};
        case KeyCommand::LoadFontFile:
            return {"N41", {}};
        case KeyCommand::SaveFontFile:
            return {"N39", {}};
        case KeyCommand::Quit:
            return {"N5", {}};
        case KeyCommand::Undo:
            return {"EditUndo", {}};
        case KeyCommand::Redo:
            return {"EditRedo", {}};
        case KeyCommand::WriteBack:
            return {"", [](Session& s) { s.WriteBack(); }};
        case KeyCommand::ShiftRight:
            return {"", [](Session& s) { s.Shift(ShiftDirection::Right); }};
        case KeyCommand::ShiftLeft:
            return {"", [](Session& s) { s.Shift(ShiftDirection::Left); }};
        case KeyCommand::ShiftUp:
            return {"", [](Session& s) { s.Shift(ShiftDirection::Up); }};
        case KeyCommand::ShiftDown:
            return {"", [](Session& s) { s.Shift(ShiftDirection::Down); }};
        case KeyCommand::PreviousLetter:
        case KeyCommand::LetterLeft:
            return {"", [](Session& s) { s.PressNeighbourLetter(-1); }};
        case KeyCommand::NextLetter:
        case KeyCommand::LetterRight:
            return {"", [](Session& s) { s.PressNeighbourLetter(1); }};
        case KeyCommand::UpperCase:
            return {"", [](Session& s) { s.PressUpperCase(); }};
        case KeyCommand::LowerCase:
            return {"", [](Session& s) { s.PressLowerCase(); }};
        case KeyCommand::SymbolSet1:
            return {"", [](Session& s) { s.PressSymbolSet(1); }};
        case KeyCommand::SymbolSet2:
            return {"", [](Session& s) { s.PressSymbolSet(2); }};
        case KeyCommand::Bold:
            return {"", [](Session& s) { s.PressBold(); }};
        // A row of the strip up or down; a covered slot there passes on to the next letter.
        case KeyCommand::LetterAbove:
            return {"", [](Session& s) { s.PressLetterAbove(); }};
        case KeyCommand::LetterBelow:
            return {"", [](Session& s) { s.PressLetterBelow(); }};
        case KeyCommand::FirstLetter:
            return {"", [](Session& s) { s.PressLetterAt(0, 1); }};
        case KeyCommand::LastLetter:
            return {"", [](Session& s) { s.PressLetterAt(SlotCount(s.edition()) - 1, -1); }};
        case KeyCommand::CursorLeft:
            return {"", [](Session& s) { s.MoveCursor(CursorMove::Left); }};
        case KeyCommand::CursorRight:
            return {"", [](Session& s) { s.MoveCursor(CursorMove::Right); }};
        case KeyCommand::CursorUp:
            return {"", [](Session& s) { s.MoveCursor(CursorMove::Up); }};
        case KeyCommand::CursorDown:
            return {"", [](Session& s) { s.MoveCursor(CursorMove::Down); }};
        case KeyCommand::PaintLeft:
            return {"", [](Session& s) { s.PaintCursorMove(CursorMove::Left); }};
        case KeyCommand::PaintRight:
            return {"", [](Session& s) { s.PaintCursorMove(CursorMove::Right); }};
        case KeyCommand::PaintUp:
            return {"", [](Session& s) { s.PaintCursorMove(CursorMove::Up); }};
        case KeyCommand::PaintDown:
            return {"", [](Session& s) { s.PaintCursorMove(CursorMove::Down); }};
        case KeyCommand::FlipCell:
            return {"", [](Session& s) { s.FlipCursorCell(); }};
        case KeyCommand::CopyLetter:
            return {"", [](Session& s) { s.CopyLetter(); }};
        case KeyCommand::PasteLetter:
            return {"", [](Session& s) { s.PasteLetter(); }};
        case KeyCommand::CopyBlock:
            return {"", [](Session& s) { s.CopyBlock(); }};
        case KeyCommand::PasteBlock:
            return {"", [](Session& s) { s.PasteBlock(); }};
        case KeyCommand::FlipHorizontal:
            return {"EditFlipHorizontal", {}};
        case KeyCommand::FlipVertical:
            return {"EditFlipVertical", {}};
        case KeyCommand::Invert:
            return {"EditInvert", {}};
        case KeyCommand::Embolden:
            return {"EditEmbolden", {}};
        case KeyCommand::ShowOriginal:
            return {"ShowOriginal1", {}};
        // The page scales with the browser's own zoom.
        case KeyCommand::ZoomIn:
        case KeyCommand::ZoomOut:
        case KeyCommand::ZoomReset:
            break;
    }
    return {};
}

// A key of the table's notation ("Ctrl+Shift+Z") as a browser names it.
struct KeyMatch {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    std::string key;   // KeyboardEvent.key, for the keys that are no letter or digit
    std::string code;  // KeyboardEvent.code, for letters and digits
    std::string aria;  // aria-keyshortcuts
};

KeyMatch MatchOf(std::string_view keys) {
    static constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
        {"Left", "ArrowLeft"}, {"Right", "ArrowRight"}, {"Up", "ArrowUp"},   {"Down", "ArrowDown"},
        {"PgUp", "PageUp"},    {"PgDown", "PageDown"},  {"Return", "Enter"}, {"Enter", "Enter"},
        {"Space", " "},        {"Home", "Home"},        {"End", "End"},
    };
    KeyMatch match;
    std::string aria;
    size_t start = 0;
    while (true) {
        const size_t plus = keys.find('+', start);
        const std::string_view part = keys.substr(
            start, plus == std::string_view::npos ? std::string_view::npos : plus - start);
        if (plus == std::string_view::npos) {
            for (const auto& [qt, browser] : kNamed) {
                if (part == qt) match.key = browser;
            }
            if (match.key.empty() && part.size() == 1) {
                const char c = part[0];
                match.code =
                    (c >= '0' && c <= '9') ? std::string("Digit") + c : std::string("Key") + c;
                aria += part;
            } else {
                aria += match.key == " " ? "Space" : match.key;
            }
            break;
        }
        if (part == "Ctrl") match.ctrl = true, aria += "Control+";
        if (part == "Shift") match.shift = true, aria += "Shift+";
        if (part == "Alt") match.alt = true, aria += "Alt+";
        start = plus + 1;
    }
    match.aria = aria;
    return match;
}

std::vector<std::string> KeysOf(const KeyRow& row) {
    std::vector<std::string> keys;
    for (const std::string_view key : row.keys) {
        if (!key.empty()) keys.emplace_back(key);
    }
    return keys;
}

const char* ScopeName(KeyScope scope) {
    switch (scope) {
        case KeyScope::Thumbnails:
            return "thumbnails";
        case KeyScope::Grid:
            return "grid";
        case KeyScope::Window:
            break;
    }
    return "window";
}

}  // namespace

std::optional<KeyBinding> KeyNamed(const std::string& command) {
    for (size_t i = 0; i < std::size(kCommandNames); ++i) {
        if (command == kCommandNames[i]) return BindingOf(static_cast<KeyCommand>(i));
    }
    return std::nullopt;
}

MenuItemKeys KeysOfMenuItem(const std::string& item, Edition edition) {
    MenuItemKeys found;
    if (item.empty()) return found;
    for (const KeyRow& row : KeyRows(edition)) {
        if (BindingOf(row.command).menu_item != item) continue;
        for (const std::string& key : KeysOf(row)) {
            found.keys.push_back(key);
            found.aria += (found.aria.empty() ? "" : " ") + MatchOf(key).aria;
        }
    }
    return found;
}

val KeyValues(const Session& session) {
    val rows = val::array();
    for (const KeyRow& row : KeyRows(session.edition())) {
        // Keys the page does not take (the window's zoom) stay the browser's own.
        const KeyBinding binding = BindingOf(row.command);
        if (binding.menu_item.empty() && !binding.operation) continue;
        val value = val::object();
        value.set("command", NameOf(row.command));
        value.set("scope", ScopeName(row.scope));
        const std::vector<std::string> keys = KeysOf(row);
        value.set("keys", Strings(keys));
        std::string text;
        val matches = val::array();
        for (const std::string& key : keys) {
            text += (text.empty() ? "" : ", ") + key;
            const KeyMatch match = MatchOf(key);
            val entry = val::object();
            entry.set("ctrl", match.ctrl);
            entry.set("shift", match.shift);
            entry.set("alt", match.alt);
            entry.set("key", match.key);
            entry.set("code", match.code);
            matches.call<void>("push", entry);
        }
        value.set("keysText", text);
        value.set("text",
                  std::string(rw::Text(row.text, session.state().language, session.edition())));
        value.set("match", matches);
        rows.call<void>("push", value);
    }
    return rows;
}

}  // namespace rw::web
