#include "ui/main_window_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>
#include <functional>
#include <vector>

#include "edition/key_table.h"
#include "edition/texts.h"
#include "ui/button_tables.h"
#include "ui/form_geometry.h"
#include "ui/grid_widget.h"
#include "ui/keys_window.h"
#include "ui/qt_conversions.h"
#include "ui/thumbnail_strip.h"

namespace rw::ui {
namespace {

QMenu* AddMenu(QWidget* parent_menu, const char* name) {
    auto* menu = new QMenu(parent_menu);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    if (auto* bar = qobject_cast<QMenuBar*>(parent_menu)) {
        bar->addMenu(menu);
    } else {
        static_cast<QMenu*>(parent_menu)->addMenu(menu);
    }
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& text = QString()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QAction* AddCheckItem(QMenu* menu, const char* name, const QString& text) {
    QAction* action = AddItem(menu, name, text);
    action->setCheckable(true);
    return action;
}

// The items of a table in their menu order: by position, skipping rows without one.
template <typename Row, size_t N, typename Position>
std::vector<const Row*> InMenuOrder(const Row (&rows)[N], Position position) {
    std::vector<const Row*> order;
    for (const Row& row : rows) {
        if (position(row) >= 0) order.push_back(&row);
    }
    std::sort(order.begin(), order.end(),
              [&](const Row* a, const Row* b) { return position(*a) < position(*b); });
    return order;
}

}  // namespace

void TForm1::BuildMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    BuildFileMenu();
    BuildEditMenu();
    BuildFontMenu();
    BuildPhoneMenu();
    BuildLanguageMenu();
    BuildToolsMenu();
    BuildInfoMenu();
}

void TForm1::BuildFileMenu() {
    Menus& m = *menus_;
    m.N1 = AddMenu(menuBar(), "N1");
    m.N2 = AddItem(m.N1, "N2");
    m.N23 = AddItem(m.N1, "N23");
    AddSeparator(m.N1, "N14");
    m.N41 = AddItem(m.N1, "N41");
    m.N39 = AddItem(m.N1, "N39");
    AddSeparator(m.N1, "N13");
    if (editor_.edition() == Edition::Cyrillic) {
        m.SFTSBF1 = AddMenu(m.N1, "SFTSBF1");
        m.SFTSBF1->setTitle(Text(UiText::MenuSftSbf));
        m.N29 = AddItem(m.SFTSBF1, "N29", Text(UiText::MenuLoadThinSft));
        m.N30 = AddItem(m.SFTSBF1, "N30", Text(UiText::MenuLoadBoldSft));
        AddSeparator(m.N1, "N8");
        connect(m.N29, &QAction::triggered, this, &TForm1::SFTSBF1Click);
        connect(m.N30, &QAction::triggered, this, &TForm1::N30Click);
    }
    BuildRecentFilesMenu();
    m.N5 = AddItem(m.N1, "N5");
    connect(m.N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(m.N23, &QAction::triggered, this, &TForm1::N23Click);
    connect(m.N41, &QAction::triggered, this, &TForm1::N41Click);
    connect(m.N39, &QAction::triggered, this, &TForm1::N39Click);
    connect(m.N5, &QAction::triggered, this, &TForm1::N5Click);
}

// "Правка": undo and redo, the transforms of the working glyph, and bold from normal.
void TForm1::BuildEditMenu() {
    Menus& m = *menus_;
    m.EditMenu = AddMenu(menuBar(), "EditMenu");
    m.EditUndo = AddItem(m.EditMenu, "EditUndo");
    m.EditRedo = AddItem(m.EditMenu, "EditRedo");
    connect(m.EditUndo, &QAction::triggered, this, [this] { Run([](Session& s) { s.Undo(); }); });
    connect(m.EditRedo, &QAction::triggered, this, [this] { Run([](Session& s) { s.Redo(); }); });
    AddSeparator(m.EditMenu, "EditSeparator1");
    static constexpr const char* kTransformNames[4] = {"EditFlipHorizontal", "EditFlipVertical",
                                                       "EditInvert", "EditEmbolden"};
    for (int i = 0; i < 4; ++i) {
        m.transforms[i] = AddItem(m.EditMenu, kTransformNames[i]);
        const auto transform = static_cast<GlyphTransform>(i);
        connect(m.transforms[i], &QAction::triggered, this,
                [this, transform] { Run([transform](Session& s) { s.Transform(transform); }); });
    }
    AddSeparator(m.EditMenu, "EditSeparator2");
    m.EditBoldFromNormal = AddItem(m.EditMenu, "EditBoldFromNormal");
    connect(m.EditBoldFromNormal, &QAction::triggered, this,
            [this] { Run([](Session& s) { s.BoldFromNormal(); }); });
}

// Every key of the window comes from the one key table, which the "Клавиши" window lists: the
// key of a menu item goes on the item, where the menu shows it; the others are the window's own,
// or those of the thumbnail strip or the grid, which answer them while they have the focus.
void TForm1::BuildShortcuts() {
    for (const KeyRow& row : KeyRows(editor_.edition())) {
        const KeyBinding binding = BindingOf(row.command);
        if (binding.item != nullptr) {
            binding.item->setShortcuts(KeySequences(row));
            continue;
        }
        auto* shortcut = new QShortcut(ScopeOf(row.scope));
        if (row.scope != KeyScope::Window) shortcut->setContext(Qt::WidgetShortcut);
        shortcut->setKeys(KeySequences(row));
        connect(shortcut, &QShortcut::activated, this,
                [this, operation = binding.operation] { Run(operation); });
    }
}

QWidget* TForm1::ScopeOf(KeyScope scope) {
    switch (scope) {
        case KeyScope::Thumbnails:
            return strip_;
        case KeyScope::Grid:
            return grid_;
        case KeyScope::Window:
            break;
    }
    return this;
}

QString TForm1::WithKeys(UiText hint, KeyCommand command) const {
    return QStringLiteral("%1 (%2)").arg(Text(hint), KeysText(KeyRowOf(command)));
}

// What each command of the key table does: a menu item, or an operation of the editor.
TForm1::KeyBinding TForm1::BindingOf(KeyCommand command) const {
    const Menus& m = *menus_;
    switch (command) {
        case KeyCommand::LoadFlash:
            return {m.N2, {}};
        case KeyCommand::SaveFlash:
            return {m.N23, {}};
        case KeyCommand::LoadFontFile:
            return {m.N41, {}};
        case KeyCommand::SaveFontFile:
            return {m.N39, {}};
        case KeyCommand::Quit:
            return {m.N5, {}};
        case KeyCommand::Undo:
            return {m.EditUndo, {}};
        case KeyCommand::Redo:
            return {m.EditRedo, {}};
        case KeyCommand::WriteBack:
            return {nullptr, [](Session& s) { s.WriteBack(); }};
        case KeyCommand::ShiftRight:
            return {nullptr, [](Session& s) { s.Shift(ShiftDirection::Right); }};
        case KeyCommand::ShiftLeft:
            return {nullptr, [](Session& s) { s.Shift(ShiftDirection::Left); }};
        case KeyCommand::ShiftUp:
            return {nullptr, [](Session& s) { s.Shift(ShiftDirection::Up); }};
        case KeyCommand::ShiftDown:
            return {nullptr, [](Session& s) { s.Shift(ShiftDirection::Down); }};
        case KeyCommand::PreviousLetter:
            return {nullptr, [](Session& s) { s.PressNeighbourLetter(-1); }};
        case KeyCommand::NextLetter:
            return {nullptr, [](Session& s) { s.PressNeighbourLetter(1); }};
        case KeyCommand::UpperCase:
            return {nullptr, [](Session& s) { s.PressUpperCase(); }};
        case KeyCommand::LowerCase:
            return {nullptr, [](Session& s) { s.PressLowerCase(); }};
        case KeyCommand::SymbolSet1:
            return {nullptr, [](Session& s) { s.PressSymbolSet(1); }};
        case KeyCommand::SymbolSet2:
            return {nullptr, [](Session& s) { s.PressSymbolSet(2); }};
        case KeyCommand::Bold:
            return {nullptr, [](Session& s) { s.PressBold(); }};
        case KeyCommand::LetterLeft:
            return {nullptr, [](Session& s) { s.PressNeighbourLetter(-1); }};
        case KeyCommand::LetterRight:
            return {nullptr, [](Session& s) { s.PressNeighbourLetter(1); }};
        // A row of the strip up or down; a covered slot there passes on to the next letter.
        case KeyCommand::LetterAbove:
            return {nullptr, [](Session& s) {
                        s.PressLetterAt(s.state().selected_slot() - geometry::kThumbnailsPerRow,
                                        -1);
                    }};
        case KeyCommand::LetterBelow:
            return {nullptr, [](Session& s) {
                        s.PressLetterAt(s.state().selected_slot() + geometry::kThumbnailsPerRow, 1);
                    }};
        case KeyCommand::FirstLetter:
            return {nullptr, [](Session& s) { s.PressLetterAt(0, 1); }};
        case KeyCommand::LastLetter:
            return {nullptr, [](Session& s) { s.PressLetterAt(SlotCount(s.edition()) - 1, -1); }};
        case KeyCommand::CursorLeft:
            return {nullptr, [](Session& s) { s.MoveCursor(CursorMove::Left); }};
        case KeyCommand::CursorRight:
            return {nullptr, [](Session& s) { s.MoveCursor(CursorMove::Right); }};
        case KeyCommand::CursorUp:
            return {nullptr, [](Session& s) { s.MoveCursor(CursorMove::Up); }};
        case KeyCommand::CursorDown:
            return {nullptr, [](Session& s) { s.MoveCursor(CursorMove::Down); }};
        case KeyCommand::PaintLeft:
            return {nullptr, [](Session& s) { s.PaintCursorMove(CursorMove::Left); }};
        case KeyCommand::PaintRight:
            return {nullptr, [](Session& s) { s.PaintCursorMove(CursorMove::Right); }};
        case KeyCommand::PaintUp:
            return {nullptr, [](Session& s) { s.PaintCursorMove(CursorMove::Up); }};
        case KeyCommand::PaintDown:
            return {nullptr, [](Session& s) { s.PaintCursorMove(CursorMove::Down); }};
        case KeyCommand::FlipCell:
            return {nullptr, [](Session& s) { s.FlipCursorCell(); }};
        case KeyCommand::CopyLetter:
            return {nullptr, [](Session& s) { s.CopyLetter(); }};
        case KeyCommand::PasteLetter:
            return {nullptr, [](Session& s) { s.PasteLetter(); }};
        case KeyCommand::CopyBlock:
            return {nullptr, [](Session& s) { s.CopyBlock(); }};
        case KeyCommand::PasteBlock:
            return {nullptr, [](Session& s) { s.PasteBlock(); }};
        case KeyCommand::FlipHorizontal:
            return {m.transforms[static_cast<int>(GlyphTransform::FlipHorizontal)], {}};
        case KeyCommand::FlipVertical:
            return {m.transforms[static_cast<int>(GlyphTransform::FlipVertical)], {}};
        case KeyCommand::Invert:
            return {m.transforms[static_cast<int>(GlyphTransform::Invert)], {}};
        case KeyCommand::Embolden:
            return {m.transforms[static_cast<int>(GlyphTransform::Embolden)], {}};
        case KeyCommand::ZoomIn:
            return {m.ZoomIn, {}};
        case KeyCommand::ZoomOut:
            return {m.ZoomOut, {}};
        case KeyCommand::ZoomReset:
            return {m.ZoomReset, {}};
    }
    return {};
}

void TForm1::BuildFontMenu() {
    Menus& m = *menus_;
    const Edition edition = editor_.edition();
    m.N6 = AddMenu(menuBar(), "N6");
    m.N16 = AddItem(m.N6, "N16");
    m.N17 = AddItem(m.N6, "N17");
    m.N18 = AddItem(m.N6, "N18");
    AddSeparator(m.N6, "N7");
    m.N12 = AddMenu(m.N6, "N12");
    // By kind code.
    void (TForm1::*kind_handlers[kFontKindCount])() = {
        &TForm1::Normal1Click, &TForm1::Small1Click, &TForm1::Forwap1Click, &TForm1::Bigest1Click};
    for (const FontKindRow* row :
         InMenuOrder(kFontKinds, [](const FontKindRow& r) { return r.menu_position; })) {
        const int code = static_cast<int>(row->kind);
        QAction* action = AddCheckItem(m.N12, row->item, Q(row->caption));
        m.kinds[code] = action;
        connect(action, &QAction::triggered, this, kind_handlers[code]);
    }
    m.N15 = AddMenu(m.N6, "N15");
    const bool latin = edition == Edition::Latin;
    for (const LoadScopeRow* row : InMenuOrder(kLoadScopes, [latin](const LoadScopeRow& r) {
             return latin ? r.latin_position : r.cyrillic_position;
         })) {
        if (row->separator_before != nullptr) AddSeparator(m.N15, row->separator_before);
        QAction* action = AddCheckItem(m.N15, row->item, QString());
        const int tag = TagOf(row->scope);
        action->setData(tag);
        m.scopes[tag] = action;
        connect(action, &QAction::triggered, this,
                [this, action] { N19Click(action->data().toInt()); });
    }
    connect(m.N16, &QAction::triggered, this, &TForm1::N16Click);
    connect(m.N17, &QAction::triggered, this, &TForm1::N17Click);
    connect(m.N18, &QAction::triggered, this, &TForm1::N18Click);
}

void TForm1::BuildPhoneMenu() {
    Menus& m = *menus_;
    m.N3 = AddMenu(menuBar(), "N3");
    // By model code.
    void (TForm1::*model_handlers[kPhoneModelCount])() = {&TForm1::N451Click, &TForm1::N45i1Click,
                                                          &TForm1::C451Click, &TForm1::CMS351Click,
                                                          &TForm1::S351Click, &TForm1::M501Click};
    for (const PhoneModelRow* row :
         InMenuOrder(kPhoneModels, [](const PhoneModelRow& r) { return r.menu_position; })) {
        const int code = static_cast<int>(row->model);
        QAction* action =
            AddCheckItem(m.N3, row->item, Q(ModelItemCaption(row->model, editor_.edition())));
        m.models[code] = action;
        connect(action, &QAction::triggered, this, model_handlers[code]);
    }
}

void TForm1::BuildLanguageMenu() {
    if (editor_.edition() != Edition::Latin) return;
    Menus& m = *menus_;
    m.Lang = AddMenu(menuBar(), "Lang");
    m.N8 = AddCheckItem(m.Lang, "N8", Text(UiText::MenuRussian));
    m.English1 = AddCheckItem(m.Lang, "English1", Text(UiText::MenuEnglish));
    connect(m.N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(m.English1, &QAction::triggered, this, &TForm1::English1Click);
}

void TForm1::BuildToolsMenu() {
    Menus& m = *menus_;
    m.Service1 = AddMenu(menuBar(), "Service1");
    m.ImportFont1 = AddItem(m.Service1, "ImportFont1");
    m.ImportPng1 = AddItem(m.Service1, "ImportPng1");
    m.ExportPng1 = AddItem(m.Service1, "ExportPng1");
    m.TextPreview1 = AddItem(m.Service1, "TextPreview1");
    AddSeparator(m.Service1, "PatchSeparator1");
    m.ExportPatch1 = AddItem(m.Service1, "ExportPatch1");
    m.ImportPatch1 = AddItem(m.Service1, "ImportPatch1");
    AddSeparator(m.Service1, "KeysSeparator1");
    m.Keys1 = AddItem(m.Service1, "Keys1");
    connect(m.ImportFont1, &QAction::triggered, this, &TForm1::ImportFont1Click);
    connect(m.ImportPng1, &QAction::triggered, this, &TForm1::ImportPng1Click);
    connect(m.ExportPng1, &QAction::triggered, this, &TForm1::ExportPng1Click);
    connect(m.TextPreview1, &QAction::triggered, this, &TForm1::TextPreview1Click);
    connect(m.ExportPatch1, &QAction::triggered, this, &TForm1::ExportPatch1Click);
    connect(m.ImportPatch1, &QAction::triggered, this, &TForm1::ImportPatch1Click);
    connect(m.Keys1, &QAction::triggered, this, &TForm1::Keys1Click);
    BuildZoomMenu();
}

void TForm1::BuildInfoMenu() {
    Menus& m = *menus_;
    m.N4 = AddMenu(menuBar(), "N4");
    m.N9 = AddItem(m.N4, "N9");
    AddSeparator(m.N4, "N11");
    m.N10 = AddItem(m.N4, "N10");
    m.About1 = AddItem(m.N4, "About1", Text(UiText::MenuAbout));
    connect(m.N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(m.N10, &QAction::triggered, this, &TForm1::N10Click);
    connect(m.About1, &QAction::triggered, this, &TForm1::About1Click);
}

}  // namespace rw::ui
