#include "web/menu_table.h"

#include <algorithm>

#include "edition/texts.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"
#include "ui/menu_table.h"
#include "web/js_values.h"
#include "web/page_keys.h"
namespace rw::web {

using emscripten::val;

namespace {

using ui::CaptionFrom;
using ui::MenuEntry;
using ui::MenuRow;

// The caption of a row in the session's language, as the window gives it.
std::string CaptionOf(const MenuRow& row, const Session& session) {
    const Language language = session.state().language;
    const Edition edition = session.edition();
    switch (row.caption) {
        case CaptionFrom::Text:
            return rw::Text(row.text, language, edition);
        case CaptionFrom::Model:
            return ModelItemCaption(static_cast<PhoneModel>(row.code), edition);
        case CaptionFrom::Kind:
            return KindItemCaption(static_cast<FontKind>(row.code));
        case CaptionFrom::Scope:
            return LoadScopeCaption(row.code, edition, language);
        case CaptionFrom::Zoom:  // the window's zoom; the page scales with the browser's
            return "";
        case CaptionFrom::PhoneMenu:
            return session.view().PhoneMenuCaption();
        case CaptionFrom::FontMenu:
            return session.view().FontMenuCaption();
        case CaptionFrom::Undo:
            return session.view().Controls().undo_caption;
        case CaptionFrom::Redo:
            return session.view().Controls().redo_caption;
    }
    return "";
}

// The installed fonts are out of a page's reach; the page scales with the browser, so the
// window's zoom is not offered, and it keeps no recent files; keys without a menu item are the
// key table's.
bool OnThePage(const MenuRow& row) {
    if (row.entry == MenuEntry::Key) return false;
    switch (row.window) {
        case ui::WindowAction::Zoom:
        case ui::WindowAction::ZoomFit:
        case ui::WindowAction::ZoomIn:
        case ui::WindowAction::ZoomOut:
        case ui::WindowAction::RecentFiles:
            return false;
        default:
            break;
    }
    const std::string_view name = row.name;
    if (name == "Zoom1" || name == "ZoomSeparator1" || name == "RecentSeparator1") return false;
    return row.file != FileCommand::ImportFont;
}

MenuNode NodeOf(const MenuRow& row, const Session& session) {
    MenuNode node;
    node.id = row.name;
    const ControlStates& controls = session.view().Controls();
    switch (row.entry) {
        case MenuEntry::Menu:
            node.kind = MenuNode::Submenu;
            break;
        case MenuEntry::Separator:
            node.kind = MenuNode::Separator;
            return node;
        case MenuEntry::Item:
        case MenuEntry::Key:
            node.kind = row.checked != nullptr ? MenuNode::Check : MenuNode::Command;
            break;
    }
    node.caption = CaptionOf(row, session);
    node.checked = row.checked != nullptr && row.checked(controls);
    node.enabled = row.enabled == nullptr || row.enabled(controls);
    node.row = &row;
    return node;
}

// The rows under `parent` (nullptr: the menu bar), each with its own rows.
std::vector<MenuNode> ChildrenOf(const char* parent, const Session& session) {
    std::vector<MenuNode> nodes;
    for (const MenuRow& row : ui::MenuRows()) {
        const bool here = parent == nullptr
                              ? row.parent == nullptr
                              : row.parent != nullptr && std::string_view(row.parent) == parent;
        if (!here || !row.In(session.edition()) || !OnThePage(row)) continue;
        MenuNode node = NodeOf(row, session);
        if (row.entry == MenuEntry::Menu) node.items = ChildrenOf(row.name, session);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

// The path of menus to the item with `id`, the item last; empty when there is none.
bool FindPath(const std::vector<MenuNode>& nodes, const std::string& id,
              std::vector<const MenuNode*>& path) {
    for (const MenuNode& node : nodes) {
        path.push_back(&node);
        if (node.id == id && node.kind != MenuNode::Separator) return true;
        if (FindPath(node.items, id, path)) return true;
        path.pop_back();
    }
    return false;
}

const char* KindName(MenuNode::Kind kind) {
    switch (kind) {
        case MenuNode::Check:
            return "check";
        case MenuNode::Separator:
            return "separator";
        case MenuNode::Submenu:
            return "submenu";
        case MenuNode::Command:
            break;
    }
    return "command";
}

val NodeValue(const MenuNode& node, Edition edition) {
    val value = val::object();
    value.set("id", node.id);
    value.set("kind", KindName(node.kind));
    value.set("caption", node.caption);
    value.set("enabled", node.enabled);
    value.set("checked", node.checked);
    const MenuItemKeys keys = KeysOfMenuItem(node.id, edition);
    value.set("keys", Strings(keys.keys));
    value.set("ariaKeys", keys.aria);
    val items = val::array();
    for (const MenuNode& item : node.items) items.call<void>("push", NodeValue(item, edition));
    value.set("items", items);
    return value;
}

}  // namespace

std::vector<MenuNode> MenuBar(const Session& session) {
    return ChildrenOf(nullptr, session);
}

bool MenuItemEnabled(const Session& session, const std::string& id) {
    const std::vector<MenuNode> bar = MenuBar(session);
    std::vector<const MenuNode*> path;
    if (!FindPath(bar, id, path)) return false;
    return std::all_of(path.begin(), path.end(),
                       [](const MenuNode* node) { return node->enabled; });
}

const ui::MenuRow* MenuRowOf(const Session& session, const std::string& id) {
    const std::vector<MenuNode> bar = MenuBar(session);
    std::vector<const MenuNode*> path;
    if (!FindPath(bar, id, path)) return nullptr;
    return path.back()->row;
}

void RunMenuOperation(Session& session, const std::string& id) {
    const std::vector<MenuNode> bar = MenuBar(session);
    std::vector<const MenuNode*> path;
    if (!FindPath(bar, id, path) || path.back()->row == nullptr) return;
    if (path.back()->row->operation != nullptr) path.back()->row->operation(session);
}

val MenuValues(const Session& session) {
    val menus = val::array();
    for (const MenuNode& menu : MenuBar(session))
        menus.call<void>("push", NodeValue(menu, session.edition()));
    return menus;
}

}  // namespace rw::web
