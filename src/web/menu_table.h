#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/session.h"
#include "ui/menu_table.h"

namespace rw::web {

// The page's menus: which session operation each item runs and what it shows, all read from the
// session's window model and the text table. The element names are the window's ("N2",
// "EditUndo").

// A menu item or a whole menu: its caption and states as the window model has them now.
struct MenuNode {
    enum Kind { Command, Check, Separator, Submenu } kind = Command;
    std::string id;
    std::string caption;
    bool enabled = true;
    bool checked = false;
    // The window's row of the item: what it does.
    const ui::MenuRow* row = nullptr;
    std::vector<MenuNode> items;
};

// The menu bar, menu by menu, in the window's order.
std::vector<MenuNode> MenuBar(const Session& session);

// The item with that id enabled in every menu on the way to it; false for an unknown id.
bool MenuItemEnabled(const Session& session, const std::string& id);
// The window's row of the item; nullptr for an unknown id.
const ui::MenuRow* MenuRowOf(const Session& session, const std::string& id);
// Runs the item's session operation, if it has one.
void RunMenuOperation(Session& session, const std::string& id);

// The menu bar as values.
emscripten::val MenuValues(const Session& session);

}  // namespace rw::web
