#pragma once

#include <vector>

#include "ui/main_window.h"
#include "ui/menu_table.h"

class QAction;

namespace rw::ui {

// The main menu MainMenu1 as built from the menu table: the action of each row (a menu's own
// action for a menu), null for the rows of the other edition.
struct TForm1::Menus {
    std::vector<QAction*> actions;

    // The action of the edition's row of that name; null when there is none.
    QAction* Named(const char* name) const;
};

}  // namespace rw::ui
