#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/session.h"

namespace rw::web {

// The page's menus, buttons and keys: which session operation each one runs and what it shows,
// all read from the session's window model, the text table and the key table. The element names
// are the window's ("N2", "EditUndo", "SpeedButton1" as "bold").

// A menu item or a whole menu: its caption and states as the window model has them now.
struct MenuNode {
    enum Kind { Command, Check, Separator, Submenu } kind = Command;
    std::string id;
    std::string caption;
    bool enabled = true;
    bool checked = false;
    // What the item does when it is not a file command or a window of the page's own.
    std::function<void(Session&)> operation;
    std::vector<MenuNode> items;
};

// The menu bar, menu by menu, in the window's order.
std::vector<MenuNode> MenuBar(const Session& session);

// The item with that id enabled in every menu on the way to it; false for an unknown id.
bool MenuItemEnabled(const Session& session, const std::string& id);
// Runs the item's session operation, if it has one.
void RunMenuOperation(Session& session, const std::string& id);

// A button of the page: its session operation.
using ButtonOperation = std::function<void(Session&)>;
std::optional<ButtonOperation> ButtonNamed(const std::string& id);

// A key of the key table: the menu item it chooses, or its operation.
struct KeyBinding {
    std::string menu_item;
    std::function<void(Session&)> operation;
};
std::optional<KeyBinding> KeyNamed(const std::string& command);

// The values of the view: menus, buttons, key rows.
emscripten::val MenuValues(const Session& session);
emscripten::val ButtonValues(const Session& session);
emscripten::val KeyValues(const Session& session);

}  // namespace rw::web
