#include "web/menu_table.h"

#include <algorithm>
#include <array>

#include "edition/key_table.h"
#include "edition/texts.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"
#include "web/js_values.h"
#include "web/page_layout.h"

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

// --- Keys ------------------------------------------------------------------------------------

// The commands by name, in the order of KeyCommand.
constexpr const char* kCommandNames[] = {
    "LoadFlash",      "SaveFlash",  "LoadFontFile", "SaveFontFile", "Quit",        "Undo",
    "Redo",           "WriteBack",  "ShiftRight",   "ShiftLeft",    "ShiftUp",     "ShiftDown",
    "PreviousLetter", "NextLetter", "UpperCase",    "LowerCase",    "SymbolSet1",  "SymbolSet2",
    "Bold",           "LetterLeft", "LetterRight",  "LetterAbove",  "LetterBelow", "FirstLetter",
    "LastLetter",     "CursorLeft", "CursorRight",  "CursorUp",     "CursorDown",  "PaintLeft",
    "PaintRight",     "PaintUp",    "PaintDown",    "FlipCell",
};
static_assert(std::size(kCommandNames) == static_cast<size_t>(KeyCommand::FlipCell) + 1);

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
            return {"", [](Session& s) {
                        s.PressLetterAt(s.state().selected_slot() - kThumbnailsPerRow, -1);
                    }};
        case KeyCommand::LetterBelow:
            return {"", [](Session& s) {
                        s.PressLetterAt(s.state().selected_slot() + kThumbnailsPerRow, 1);
                    }};
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

// --- Values --------------------------------------------------------------------------------

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
    std::vector<std::string> keys;
    std::string aria;
    for (const KeyRow& row : KeyRows(edition)) {
        if (BindingOf(row.command).menu_item != node.id || node.id.empty()) continue;
        for (const std::string& key : KeysOf(row)) {
            keys.push_back(key);
            aria += (aria.empty() ? "" : " ") + MatchOf(key).aria;
        }
    }
    value.set("keys", Strings(keys));
    value.set("ariaKeys", aria);
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

std::optional<KeyBinding> KeyNamed(const std::string& command) {
    for (size_t i = 0; i < std::size(kCommandNames); ++i) {
        if (command == kCommandNames[i]) return BindingOf(static_cast<KeyCommand>(i));
    }
    return std::nullopt;
}

val MenuValues(const Session& session) {
    val menus = val::array();
    for (const MenuNode& menu : MenuBar(session))
        menus.call<void>("push", NodeValue(menu, session.edition()));
    return menus;
}

val KeyValues(const Session& session) {
    val rows = val::array();
    for (const KeyRow& row : KeyRows(session.edition())) {
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

// --- Buttons -------------------------------------------------------------------------------

namespace {

// The set buttons' captions, as the window's button table has them.
struct SetButton {
    const char* cyrillic_caption;
    const char* latin_caption;
    UiText hint;
};
constexpr SetButton kSetButtons[] = {
    {"А-Я", "A", UiText::UpperCaseHint},
    {"а-я", "a", UiText::LowerCaseHint},
    {nullptr, "s1", UiText::SymbolSet1Hint},
    {nullptr, "s2", UiText::SymbolSet2Hint},
};

struct TextButton {
    const char* id;
    UiText caption;
    UiText hint;
    void (Session::*operation)();
};
constexpr TextButton kClipboardButtons[] = {
    {"copyBlock", UiText::CopyBlockCaption, UiText::CopyBlockHint, &Session::CopyBlock},
    {"pasteBlock", UiText::PasteBlockCaption, UiText::PasteBlockHint, &Session::PasteBlock},
    {"copyLetter", UiText::CopyLetterCaption, UiText::CopyLetterHint, &Session::CopyLetter},
    {"pasteLetter", UiText::PasteLetterCaption, UiText::PasteLetterHint, &Session::PasteLetter},
};

struct ShiftButton {
    const char* id;
    ShiftDirection direction;
    UiText hint;
};
constexpr ShiftButton kShiftButtons[] = {
    {"shiftRight", ShiftDirection::Right, UiText::ShiftRightHint},
    {"shiftLeft", ShiftDirection::Left, UiText::ShiftLeftHint},
    {"shiftUp", ShiftDirection::Up, UiText::ShiftUpHint},
    {"shiftDown", ShiftDirection::Down, UiText::ShiftDownHint},
};

val ButtonValue(const std::string& id, const std::string& caption, const std::string& hint,
                bool enabled, bool visible, std::optional<bool> down) {
    val value = val::object();
    value.set("id", id);
    value.set("caption", caption);
    value.set("name", caption.empty() ? hint : caption);
    value.set("hint", hint);
    value.set("enabled", enabled);
    value.set("visible", visible);
    value.set("down", down ? val(*down) : val::null());
    return value;
}

}  // namespace

std::optional<ButtonOperation> ButtonNamed(const std::string& id) {
    if (id == "writeBack") {
        return [](Session& s) {
            if (s.view().Controls().button1_enabled) s.WriteBack();
        };
    }
    if (id == "bold") return [](Session& s) { s.PressBold(); };
    if (id == "set0") return [](Session& s) { s.PressUpperCase(); };
    if (id == "set1") return [](Session& s) { s.PressLowerCase(); };
    if (id == "set2") return [](Session& s) { s.PressSymbolSet(1); };
    if (id == "set3") return [](Session& s) { s.PressSymbolSet(2); };
    for (const TextButton& button : kClipboardButtons) {
        if (id == button.id)
            return [operation = button.operation](Session& s) { (s.*operation)(); };
    }
    for (const ShiftButton& button : kShiftButtons) {
        if (id == button.id)
            return [direction = button.direction](Session& s) { s.Shift(direction); };
    }
    return std::nullopt;
}

val ButtonValues(const Session& session) {
    const Language language = session.state().language;
    const Edition edition = session.edition();
    const ControlStates& controls = session.view().Controls();
    const auto text = [&](UiText id) { return std::string(rw::Text(id, language, edition)); };
    val buttons = val::array();
    buttons.call<void>("push", ButtonValue("writeBack", text(UiText::WriteBackCaption),
                                           text(UiText::WriteBackHint), controls.button1_enabled,
                                           true, std::nullopt));
    buttons.call<void>("push",
                       ButtonValue("bold", "B", text(UiText::BoldHint), controls.bold_enabled,
                                   controls.bold_visible, controls.bold_down));
    for (int set = 0; set < SetCount(edition); ++set) {
        const SetButton& row = kSetButtons[set];
        const char* caption =
            edition == Edition::Cyrillic ? row.cyrillic_caption : row.latin_caption;
        buttons.call<void>(
            "push", ButtonValue("set" + std::to_string(set), caption, text(row.hint), true, true,
                                controls.set_down[static_cast<size_t>(set)]));
    }
    for (const TextButton& row : kClipboardButtons) {
        buttons.call<void>("push", ButtonValue(row.id, text(row.caption), text(row.hint), true,
                                               true, std::nullopt));
    }
    for (const ShiftButton& row : kShiftButtons) {
        buttons.call<void>("push",
                           ButtonValue(row.id, "", text(row.hint), true, true, std::nullopt));
    }
    return buttons;
}

}  // namespace rw::web
