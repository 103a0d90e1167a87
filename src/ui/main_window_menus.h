#pragma once

#include <array>

#include "model/load_scope.h"
#include "model/phone_layouts.h"
#include "model/zoom.h"
#include "ui/main_window.h"

class QAction;
class QMenu;

namespace rw::ui {

// The main menu MainMenu1: the menus and the items the window changes after it built them.
struct TForm1::Menus {
    QMenu* N1 = nullptr;  // Файл
    // Файл → Последние файлы
    QMenu* RecentFiles1 = nullptr;
    QAction* ClearRecentFiles1 = nullptr;
    QMenu* SFTSBF1 = nullptr;   // SFT -> SBF (Cyrillic edition)
    QMenu* EditMenu = nullptr;  // Правка
    QMenu* N6 = nullptr;        // Шрифт (…)
    QMenu* N12 = nullptr;       // Тип шрифта
    QMenu* N15 = nullptr;       // Параметры загрузки ...
    QMenu* N3 = nullptr;        // Телефон (…)
    QMenu* Lang = nullptr;      // Язык (Latin edition)
    QMenu* N4 = nullptr;        // Инфо
    // Сервис
    QMenu* Service1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N23 = nullptr;
    QAction* N41 = nullptr;
    QAction* N39 = nullptr;
    QAction* N29 = nullptr;
    QAction* N30 = nullptr;
    QAction* N5 = nullptr;
    QAction* N16 = nullptr;
    QAction* N17 = nullptr;
    QAction* N18 = nullptr;
    QAction* N8 = nullptr;  // Русский (Latin edition; in the Cyrillic edition N8 is a separator)
    QAction* English1 = nullptr;
    QAction* TextPreview1 = nullptr;
    QAction* Keys1 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* About1 = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    std::array<QAction*, 4> transforms{};  // by GlyphTransform
    QAction* EditBoldFromNormal = nullptr;
    QAction* ImportFont1 = nullptr;
    QAction* ImportPng1 = nullptr;
    QAction* ExportPng1 = nullptr;
    QAction* ExportPatch1 = nullptr;
    QAction* ImportPatch1 = nullptr;
    std::array<QAction*, kFontKindCount> kinds{};     // by FontKind code
    std::array<QAction*, kPhoneModelCount> models{};  // by PhoneModel code
    std::array<QAction*, kLoadScopeCount> scopes{};   // by load scope tag; null where absent

    // Сервис → Масштаб, and the window's own zoom keys (no menu item)
    QMenu* Zoom1 = nullptr;
    std::array<QAction*, kZoomLevels.size()> zoom_levels{};  // Zoom100 .. Zoom300
    QAction* ZoomFit = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* ZoomReset = nullptr;
};

}  // namespace rw::ui
