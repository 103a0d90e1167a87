#include "web/menu_table.h"

#include <algorithm>

#include "edition/texts.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"
#include "web/js_values.h"
#include "web/page_keys.h"
namespace rw::web {

using emscripten::val;

namespace {

// The menus are built the way the window builds its own, from the same tables.
class MenuBuilder {
  public:
    explicit MenuBuilder(const Session& session) : session_(session) {}

    std::vector<MenuNode> Build() const {
        std::vector<MenuNode> bar;
        bar.push_back(FileMenu());
        bar.push_back(EditMenu());
        bar.push_back(FontMenu());
        bar.push_back(PhoneMenu());
        if (session_.edition() == Edition::Latin) bar.push_back(LanguageMenu());
        bar.push_back(ToolsMenu());
        bar.push_back(InfoMenu());
        return bar;
    }

  private:
    std::string Text(UiText id) const {
        return rw::Text(id, session_.state().language, session_.edition());
    }
    const ControlStates& Controls() const { return session_.view().Controls(); }

    static MenuNode Menu(const char* id, std::string caption) {
        MenuNode node;
        node.kind = MenuNode::Submenu;
        node.id = id;
        node.caption = std::move(caption);
        return node;
    }
    static MenuNode Item(const char* id, std::string caption,
                         std::function<void(Session&)> operation = {}) {
        MenuNode node;
        node.id = id;
        node.caption = std::move(caption);
        node.operation = std::move(operation);
        return node;
    }
    static MenuNode Check(const char* id, std::string caption, bool checked,
                          std::function<void(Session&)> operation) {
        MenuNode node = Item(id, std::move(caption), std::move(operation));
        node.kind = MenuNode::Check;
        node.checked = checked;
        return node;
    }
    static MenuNode Separator(const char* id) {
        MenuNode node;
        node.kind = MenuNode::Separator;
        node.id = id;
        return node;
    }

    MenuNode FileMenu() const {
        MenuNode menu = Menu("N1", Text(UiText::MenuFile));
        menu.items.push_back(Item("N2", Text(UiText::MenuLoadFlash)));
        menu.items.push_back(Item("N23", Text(UiText::MenuSaveFlash)));
        menu.items.push_back(Separator("N14"));
        menu.items.push_back(Item("N41", Text(UiText::MenuLoadFontFile)));
        menu.items.push_back(Item("N39", Text(UiText::MenuSaveFontFile)));
        menu.items.push_back(Separator("N13"));
        if (session_.edition() == Edition::Cyrillic) {
            MenuNode sft = Menu("SFTSBF1", Text(UiText::MenuSftSbf));
            sft.enabled = Controls().sft_sbf_enabled;
            sft.items.push_back(Item("N29", Text(UiText::MenuLoadThinSft)));
            sft.items.push_back(Item("N30", Text(UiText::MenuLoadBoldSft)));
            menu.items.push_back(std::move(sft));
            menu.items.push_back(Separator("N8"));
        }
        menu.items.push_back(Item("N5", Text(UiText::MenuExit)));
        return menu;
    }

    MenuNode EditMenu() const {
        MenuNode menu = Menu("EditMenu", Text(UiText::MenuEdit));
        MenuNode undo = Item("EditUndo", Controls().undo_caption, [](Session& s) { s.Undo(); });
        undo.enabled = Controls().undo_enabled;
        MenuNode redo = Item("EditRedo", Controls().redo_caption, [](Session& s) { s.Redo(); });
        redo.enabled = Controls().redo_enabled;
        menu.items.push_back(std::move(undo));
        menu.items.push_back(std::move(redo));
        menu.items.push_back(Separator("EditSeparator1"));
        static constexpr const char* kNames[4] = {"EditFlipHorizontal", "EditFlipVertical",
                                                  "EditInvert", "EditEmbolden"};
        static constexpr UiText kCaptions[4] = {UiText::MenuFlipHorizontal,
                                                UiText::MenuFlipVertical, UiText::MenuInvert,
                                                UiText::MenuEmbolden};
        for (int i = 0; i < 4; ++i) {
            const auto transform = static_cast<GlyphTransform>(i);
            menu.items.push_back(Item(kNames[i], Text(kCaptions[i]),
                                      [transform](Session& s) { s.Transform(transform); }));
        }
        menu.items.push_back(Separator("EditSeparator2"));
        MenuNode bold = Item("EditBoldFromNormal", Text(UiText::MenuBoldFromNormal),
                             [](Session& s) { s.BoldFromNormal(); });
        bold.enabled = Controls().bold_from_normal_enabled;
        menu.items.push_back(std::move(bold));
        return menu;
    }

    MenuNode FontMenu() const {
        const ControlStates& controls = Controls();
        MenuNode menu = Menu("N6", session_.view().FontMenuCaption());
        menu.items.push_back(
            Item("N16", Text(UiText::MenuClearLetter), [](Session& s) { s.ClearLetter(); }));
        menu.items.push_back(
            Item("N17", Text(UiText::MenuClearBlock), [](Session& s) { s.ClearBlock(); }));
        menu.items.push_back(
            Item("N18", Text(UiText::MenuClearFont), [](Session& s) { s.ClearFont(); }));
        menu.items.push_back(Separator("N7"));
        MenuNode kinds = Menu("N12", Text(UiText::MenuFontType));
        std::vector<const FontKindRow*> kind_rows;
        for (const FontKindRow& row : kFontKinds) kind_rows.push_back(&row);
        std::sort(kind_rows.begin(), kind_rows.end(),
                  [](const auto* a, const auto* b) { return a->menu_position < b->menu_position; });
        for (const FontKindRow* row : kind_rows) {
            const FontKind kind = row->kind;
            kinds.items.push_back(Check(row->item, KindItemCaption(kind),
                                        controls.kind_checked[static_cast<size_t>(kind)],
                                        [kind](Session& s) { s.ChooseKind(kind); }));
        }
        menu.items.push_back(std::move(kinds));
        menu.items.push_back(ScopeMenu());
        return menu;
    }

    MenuNode ScopeMenu() const {
        const ControlStates& controls = Controls();
        const bool latin = session_.edition() == Edition::Latin;
        const auto position = [latin](const LoadScopeRow& row) {
            return latin ? row.latin_position : row.cyrillic_position;
        };
        std::vector<const LoadScopeRow*> rows;
        for (const LoadScopeRow& row : kLoadScopes) {
            if (position(row) >= 0) rows.push_back(&row);
        }
        std::sort(rows.begin(), rows.end(),
                  [&](const auto* a, const auto* b) { return position(*a) < position(*b); });
        MenuNode menu = Menu("N15", Text(UiText::MenuLoaderSettings));
        for (const LoadScopeRow* row : rows) {
            if (row->separator_before != nullptr)
                menu.items.push_back(Separator(row->separator_before));
            const int tag = TagOf(row->scope);
            const auto index = static_cast<size_t>(tag);
            MenuNode item = Check(
                row->item, LoadScopeCaption(tag, session_.edition(), session_.state().language),
                controls.scope_checked[index], [tag](Session& s) { s.ChooseLoadScope(tag); });
            item.enabled = controls.scope_enabled[index];
            menu.items.push_back(std::move(item));
        }
        return menu;
    }

    MenuNode PhoneMenu() const {
        MenuNode menu = Menu("N3", session_.view().PhoneMenuCaption());
        std::vector<const PhoneModelRow*> rows;
        for (const PhoneModelRow& row : kPhoneModels) rows.push_back(&row);
        std::sort(rows.begin(), rows.end(),
                  [](const auto* a, const auto* b) { return a->menu_position < b->menu_position; });
        for (const PhoneModelRow* row : rows) {
            const PhoneModel model = row->model;
            menu.items.push_back(Check(row->item, ModelItemCaption(model, session_.edition()),
                                       Controls().model_checked[static_cast<size_t>(model)],
                                       [model](Session& s) { s.ChooseModel(model); }));
        }
        return menu;
    }

    MenuNode LanguageMenu() const {
        MenuNode menu = Menu("Lang", Text(UiText::MenuLanguage));
        menu.items.push_back(Check("N8", Text(UiText::MenuRussian), Controls().russian_checked,
                                   [](Session& s) { s.SetLanguage(kRussian); }));
        menu.items.push_back(Check("English1", Text(UiText::MenuEnglish),
                                   Controls().english_checked,
                                   [](Session& s) { s.SetLanguage(kEnglish); }));
        return menu;
    }

    // The import from installed fonts needs the system's fonts, which a page cannot reach.
    MenuNode ToolsMenu() const {
        MenuNode menu = Menu("Service1", Text(UiText::MenuTools));
        menu.items.push_back(Item("ImportPng1", Text(UiText::MenuImportPng)));
        menu.items.push_back(Item("ExportPng1", Text(UiText::MenuExportPng)));
        menu.items.push_back(Item("TextPreview1", Text(UiText::MenuTextPreview)));
        menu.items.push_back(Separator("PatchSeparator1"));
        menu.items.push_back(Item("ExportPatch1", Text(UiText::MenuExportPatch)));
        menu.items.push_back(Item("ImportPatch1", Text(UiText::MenuImportPatch)));
        menu.items.push_back(Separator("KeysSeparator1"));
        menu.items.push_back(Item("Keys1", Text(UiText::MenuKeys)));
        return menu;
    }

    MenuNode InfoMenu() const {
        MenuNode menu = Menu("N4", Text(UiText::MenuInfo));
        menu.items.push_back(Item("N9", Text(UiText::MenuInstruction)));
        menu.items.push_back(Separator("N11"));
        menu.items.push_back(Item("N10", Text(UiText::MenuHistory)));
        menu.items.push_back(Item("About1", Text(UiText::MenuAbout)));
        return menu;
    }

    const Session& session_;
};

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
    return MenuBuilder(session).Build();
}

bool MenuItemEnabled(const Session& session, const std::string& id) {
    const std::vector<MenuNode> bar = MenuBar(session);
    std::vector<const MenuNode*> path;
    if (!FindPath(bar, id, path)) return false;
    return std::all_of(path.begin(), path.end(),
                       [](const MenuNode* node) { return node->enabled; });
}

void RunMenuOperation(Session& session, const std::string& id) {
    const std::vector<MenuNode> bar = MenuBar(session);
    std::vector<const MenuNode*> path;
    if (!FindPath(bar, id, path) || !path.back()->operation) return;
    path.back()->operation(session);
}

val MenuValues(const Session& session) {
    val menus = val::array();
    for (const MenuNode& menu : MenuBar(session))
        menus.call<void>("push", NodeValue(menu, session.edition()));
    return menus;
}

}  // namespace rw::web
