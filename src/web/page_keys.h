#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "edition/key_table.h"
#include "editor/session.h"

namespace rw::web {

// The page's keys: every row of the key table, by its command's name ("LoadFlash", "FlipCell"),
// with what it does as the window's own shortcuts do it.

// A key of the key table: the menu item it chooses, or its operation.
struct KeyBinding {
    std::string menu_item;
    std::function<void(Session&)> operation;
};
std::optional<KeyBinding> KeyNamed(const std::string& command);

// The keys of a menu item: in the table's notation ("Ctrl+Shift+Z") and as aria-keyshortcuts
// wants them ("Control+Shift+Z Control+Y").
struct MenuItemKeys {
    std::vector<std::string> keys;
    std::string aria;
};
MenuItemKeys KeysOfMenuItem(const std::string& item, Edition edition);

// The rows of the Keys list and of the page's key handling, as values.
emscripten::val KeyValues(const Session& session);

}  // namespace rw::web
