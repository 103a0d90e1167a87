#include "ui/main_window_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <cstring>
#include <functional>
#include <span>

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

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

QAction* TForm1::Menus::Named(const char* name) const {
    const std::span<const MenuRow> rows = MenuRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (actions[i] != nullptr && std::strcmp(rows[i].name, name) == 0) return actions[i];
    }
    return nullptr;
}

// Every menu, item and separator comes from the menu table, in its order.
void TForm1::BuildMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    const std::span<const MenuRow> rows = MenuRows();
    menus_->actions.assign(rows.size(), nullptr);
    for (size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        if (!row.In(editor_.edition())) continue;
        // The menu bar, or the menu of that name built before the entry.
        QWidget* parent = row.parent == nullptr
                              ? static_cast<QWidget*>(menuBar())
                              : static_cast<QWidget*>(menus_->Named(row.parent)->menu());
        switch (row.entry) {
            case MenuEntry::Menu: {
                QMenu* menu = AddMenu(parent, row.name);
                menus_->actions[i] = menu->menuAction();
                if (row.window != WindowAction::None) {
                    connect(menu, &QMenu::aboutToShow, this,
                            [this, &row] { DoWindowAction(row.window, row.code); });
                }
                break;
            }
            case MenuEntry::Separator:
                AddSeparator(static_cast<QMenu*>(parent), row.name);
                break;
            case MenuEntry::Item:
            case MenuEntry::Key: {
                QAction* action = nullptr;
                if (row.entry == MenuEntry::Item) {
                    action = static_cast<QMenu*>(parent)->addAction(QString());
                } else {
                    action = new QAction(this);
                    addAction(action);
                }
                action->setObjectName(QLatin1String(row.name));
                action->setCheckable(row.checked != nullptr || row.window_check);
                if (row.caption == CaptionFrom::Scope) action->setData(row.code);
                connect(action, &QAction::triggered, this,
                        [this, &row, action] { ChooseMenuItem(row, action); });
                menus_->actions[i] = action;
                break;
            }
        }
    }
}

// A menu item was chosen: its operation, file command or the window's own action. Qt toggles a
// checkable item by itself; the window model's check mark wins.
void TForm1::ChooseMenuItem(const MenuRow& row, QAction* action) {
    if (row.operation != nullptr) {
        Run(row.operation);
    } else if (row.file) {
        RunFile(*row.file);
    } else {
        DoWindowAction(row.window, row.code);
    }
    if (row.checked != nullptr) action->setChecked(row.checked(editor_.view().Controls()));
}

void TForm1::DoWindowAction(WindowAction action, int code) {
    switch (action) {
        case WindowAction::Quit:
            N5Click();
            break;
        case WindowAction::Help:
            ShowInfoWindow(help_window_);
            break;
        case WindowAction::History:
            ShowInfoWindow(history_window_);
            break;
        case WindowAction::About:
            ShowInfoWindow(about_window_);
            break;
        case WindowAction::TextPreview:
            TextPreview1Click();
            break;
        case WindowAction::Keys:
            Keys1Click();
            break;
        case WindowAction::Russian:
            ChangeLanguage(kRussian);
            break;
        case WindowAction::English:
            ChangeLanguage(kEnglish);
            break;
        case WindowAction::Zoom:
            ChooseZoom({Zoom{code}, false});
            break;
        case WindowAction::ZoomFit:
            ChooseZoom({zoom(), true});
            break;
        case WindowAction::ZoomIn:
            StepZoom(1);
            break;
        case WindowAction::ZoomOut:
            StepZoom(-1);
            break;
        case WindowAction::RecentFiles:
            ShowRecentFiles();
            break;
        case WindowAction::None:
            break;
    }
}

// Every key of the window comes from the one key table, which the "Клавиши" window lists: the
// key of a menu table row goes on its action (an item shows it in the menu); the others are the
// window's own, or those of the thumbnail strip or the grid, which answer them while they have
// the focus.
void TForm1::BuildShortcuts() {
    for (const KeyRow& row : KeyRows(editor_.edition())) {
        if (QAction* item = MenuItemOf(row.command)) {
            item->setShortcuts(KeySequences(row));
            continue;
        }
        auto* shortcut = new QShortcut(ScopeOf(row.scope));
        if (row.scope != KeyScope::Window) shortcut->setContext(Qt::WidgetShortcut);
        shortcut->setKeys(KeySequences(row));
        connect(shortcut, &QShortcut::activated, this,
                [this, operation = OperationOf(row.command)] { Run(operation); });
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

// The menu item a key of the key table goes on, as the menu table says; null for the others.
QAction* TForm1::MenuItemOf(KeyCommand command) const {
    const std::span<const MenuRow> rows = MenuRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].key == command && menus_->actions[i] != nullptr) return menus_->actions[i];
    }
    return nullptr;
}

// What the keys that are not on a row of the menu table do: an operation of the editor.
std::function<void(Session&)> TForm1::OperationOf(KeyCommand command) {
    switch (command) {
        // On their rows of the menu table: menu items, and the window's zoom keys.
        case KeyCommand::LoadFlash:
        case KeyCommand::SaveFlash:
        case KeyCommand::LoadFontFile:
        case KeyCommand::SaveFontFile:
        case KeyCommand::Quit:
        case KeyCommand::Undo:
        case KeyCommand::Redo:
        case KeyCommand::ShowOriginal:
        case KeyCommand::FlipHorizontal:
        case KeyCommand::FlipVertical:
        case KeyCommand::Invert:
        case KeyCommand::Embolden:
        case KeyCommand::ZoomIn:
        case KeyCommand::ZoomOut:
        case KeyCommand::ZoomReset:
            break;
        case KeyCommand::WriteBack:
            return [](Session& s) { s.WriteBack(); };
        case KeyCommand::ShiftRight:
            return [](Session& s) { s.Shift(ShiftDirection::Right); };
        case KeyCommand::ShiftLeft:
            return [](Session& s) { s.Shift(ShiftDirection::Left); };
        case KeyCommand::ShiftUp:
            return [](Session& s) { s.Shift(ShiftDirection::Up); };
        case KeyCommand::ShiftDown:
            return [](Session& s) { s.Shift(ShiftDirection::Down); };
        case KeyCommand::PreviousLetter:
            return [](Session& s) { s.PressNeighbourLetter(-1); };
        case KeyCommand::NextLetter:
            return [](Session& s) { s.PressNeighbourLetter(1); };
        case KeyCommand::UpperCase:
            return [](Session& s) { s.PressUpperCase(); };
        case KeyCommand::LowerCase:
            return [](Session& s) { s.PressLowerCase(); };
        case KeyCommand::SymbolSet1:
            return [](Session& s) { s.PressSymbolSet(1); };
        case KeyCommand::SymbolSet2:
            return [](Session& s) { s.PressSymbolSet(2); };
        case KeyCommand::Bold:
            return [](Session& s) { s.PressBold(); };
        case KeyCommand::LetterLeft:
            return [](Session& s) { s.PressNeighbourLetter(-1); };
        case KeyCommand::LetterRight:
            return [](Session& s) { s.PressNeighbourLetter(1); };
        case KeyCommand::LetterAbove:
            return [](Session& s) { s.PressLetterAbove(); };
        case KeyCommand::LetterBelow:
            return [](Session& s) { s.PressLetterBelow(); };
        case KeyCommand::FirstLetter:
            return [](Session& s) { s.PressLetterAt(0, 1); };
        case KeyCommand::LastLetter:
            return [](Session& s) { s.PressLetterAt(SlotCount(s.edition()) - 1, -1); };
        case KeyCommand::CursorLeft:
            return [](Session& s) { s.MoveCursor(CursorMove::Left); };
        case KeyCommand::CursorRight:
            return [](Session& s) { s.MoveCursor(CursorMove::Right); };
        case KeyCommand::CursorUp:
            return [](Session& s) { s.MoveCursor(CursorMove::Up); };
        case KeyCommand::CursorDown:
            return [](Session& s) { s.MoveCursor(CursorMove::Down); };
        case KeyCommand::PaintLeft:
            return [](Session& s) { s.PaintCursorMove(CursorMove::Left); };
        case KeyCommand::PaintRight:
            return [](Session& s) { s.PaintCursorMove(CursorMove::Right); };
        case KeyCommand::PaintUp:
            return [](Session& s) { s.PaintCursorMove(CursorMove::Up); };
        case KeyCommand::PaintDown:
            return [](Session& s) { s.PaintCursorMove(CursorMove::Down); };
        case KeyCommand::FlipCell:
            return [](Session& s) { s.FlipCursorCell(); };
        case KeyCommand::CopyLetter:
            return [](Session& s) { s.CopyLetter(); };
        case KeyCommand::PasteLetter:
            return [](Session& s) { s.PasteLetter(); };
        case KeyCommand::CopyBlock:
            return [](Session& s) { s.CopyBlock(); };
        case KeyCommand::PasteBlock:
            return [](Session& s) { s.PasteBlock(); };
    }
    return nullptr;
}

}  // namespace rw::ui
