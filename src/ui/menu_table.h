#pragma once

#include <optional>
#include <span>

#include "edition/key_table.h"
#include "edition/texts.h"
#include "editor/editor_views.h"
#include "editor/file_prompt.h"
#include "editor/session.h"
#include "model/edition.h"

namespace rw::ui {

// A menu, an item of one, a separator, or a key of the window that has no item in any menu (an
// action of the window itself, which the key table gives its keys).
enum class MenuEntry : uint8_t { Menu, Item, Separator, Key };

// The editions that show an entry.
enum class InEdition : uint8_t { Both, Cyrillic, Latin };

// Where an entry's caption comes from: a text of the interface language, a table of the model
// (the phone's, the kind's or the load scope's caption, a zoom level's percentage), or the window
// model (the menus that name the phone and the kind, the undo and redo items that name their
// step).
enum class CaptionFrom : uint8_t {
    Text,
    Model,
    Kind,
    Scope,
    Zoom,
    PhoneMenu,
    FontMenu,
    Undo,
    Redo
};

// What the window itself does for an item: the windows it shows, the language it switches to,
// the zoom it draws at, the recent files it lists, and closing.
enum class WindowAction : uint8_t {
    None,
    Quit,
    Help,
    History,
    About,
    TextPreview,
    Keys,
    Russian,
    English,
    Zoom,     // the level `code` percent
    ZoomFit,  // "По размеру окна"
    ZoomIn,
    ZoomOut,
    RecentFiles,  // a menu's: fills it with the recent files as it opens
};

// One entry of the main menu MainMenu1. The rows stand in menu order, each after the menu it is
// in; the window builds the menus, connects the items, sets the captions and the checked and
// enabled states from them, and finds the item a key goes on. It is the one map from the
// window's object names to what they do.
struct MenuRow {
    const char* name;    // the object name, as the window definition gives it
    const char* parent;  // the menu it is in; nullptr for the menu bar
    MenuEntry entry;
    InEdition edition = InEdition::Both;
    CaptionFrom caption = CaptionFrom::Text;
    UiText text = UiText::MenuFile;  // CaptionFrom::Text
    int code = 0;  // the model or kind code, the load scope's tag, the zoom's percentage
    // What choosing the item does: one session operation, one file command, or the window's own.
    void (*operation)(Session&) = nullptr;
    std::optional<FileCommand> file = std::nullopt;
    WindowAction window = WindowAction::None;
    std::optional<KeyCommand> key = std::nullopt;
    // A check mark and whether the item can be chosen, as the window model says; null for none.
    bool (*checked)(const ControlStates&) = nullptr;
    bool (*enabled)(const ControlStates&) = nullptr;
    // A check mark the window keeps itself: the zoom, which is the window's own.
    bool window_check = false;

    bool In(Edition shown) const {
        return edition == InEdition::Both ||
               (edition == InEdition::Cyrillic) == (shown == Edition::Cyrillic);
    }
};

std::span<const MenuRow> MenuRows();

}  // namespace rw::ui
