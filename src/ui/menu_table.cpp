#include "ui/menu_table.h"

#include "model/zoom.h"

namespace rw::ui {
namespace {

using E = MenuEntry;
using I = InEdition;
using C = CaptionFrom;
using F = FileCommand;
using W = WindowAction;
using K = KeyCommand;

constexpr MenuRow Menu(const char* name, const char* parent, UiText text,
                       InEdition edition = I::Both) {
    return {.name = name, .parent = parent, .entry = E::Menu, .edition = edition, .text = text};
}

constexpr MenuRow Separator(const char* name, const char* parent, InEdition edition = I::Both) {
    return {.name = name, .parent = parent, .entry = E::Separator, .edition = edition};
}

constexpr MenuRow FileItem(const char* name, const char* parent, UiText text, FileCommand file,
                           std::optional<KeyCommand> key = std::nullopt) {
    return {
        .name = name, .parent = parent, .entry = E::Item, .text = text, .file = file, .key = key};
}

constexpr MenuRow WindowItem(const char* name, const char* parent, UiText text, WindowAction window,
                             std::optional<KeyCommand> key = std::nullopt) {
    return {.name = name,
            .parent = parent,
            .entry = E::Item,
            .text = text,
            .window = window,
            .key = key};
}

constexpr MenuRow EditorItem(const char* name, const char* parent, UiText text,
                             void (*operation)(Session&),
                             std::optional<KeyCommand> key = std::nullopt) {
    return {.name = name,
            .parent = parent,
            .entry = E::Item,
            .text = text,
            .operation = operation,
            .key = key};
}

// A level of "Масштаб": its caption is its percentage.
constexpr MenuRow ZoomItem(const char* name, Zoom level,
                           std::optional<KeyCommand> key = std::nullopt) {
    return {.name = name,
            .parent = "Zoom1",
            .entry = E::Item,
            .caption = C::Zoom,
            .code = level.percent,
            .window = W::Zoom,
            .key = key,
            .window_check = true};
}

// A key of the window with no menu item.
constexpr MenuRow WindowKey(const char* name, UiText text, WindowAction window, KeyCommand key) {
    return {.name = name,
            .parent = nullptr,
            .entry = E::Key,
            .text = text,
            .window = window,
            .key = key};
}

constexpr MenuRow KindItem(const char* name, FontKind kind, void (*operation)(Session&),
                           bool (*checked)(const ControlStates&)) {
    return {.name = name,
            .parent = "N12",
            .entry = E::Item,
            .caption = C::Kind,
            .code = static_cast<int>(kind),
            .operation = operation,
            .checked = checked};
}

constexpr MenuRow ModelItem(const char* name, PhoneModel model, void (*operation)(Session&),
                            bool (*checked)(const ControlStates&)) {
    return {.name = name,
            .parent = "N3",
            .entry = E::Item,
            .caption = C::Model,
            .code = static_cast<int>(model),
            .operation = operation,
            .checked = checked};
}

// Every item of "Параметры загрузки ..." chooses the scope of its tag (N19Click).
template <int kTag>
constexpr MenuRow ScopeItem(const char* name, InEdition edition = I::Both) {
    return {.name = name,
            .parent = "N15",
            .entry = E::Item,
            .edition = edition,
            .caption = C::Scope,
            .code = kTag,
            .operation = [](Session& s) { s.ChooseLoadScope(kTag); },
            .checked = [](const ControlStates& c) { return c.scope_checked[kTag]; },
            .enabled = [](const ControlStates& c) { return c.scope_enabled[kTag]; }};
}

constexpr MenuRow kMenuRows[] = {
    // Файл
    Menu("N1", nullptr, UiText::MenuFile),
    FileItem("N2", "N1", UiText::MenuLoadFlash, F::LoadFlash, K::LoadFlash),
    FileItem("N23", "N1", UiText::MenuSaveFlash, F::SaveFlash, K::SaveFlash),
    Separator("N14", "N1"),
    FileItem("N41", "N1", UiText::MenuLoadFontFile, F::LoadFontFile, K::LoadFontFile),
    FileItem("N39", "N1", UiText::MenuSaveFontFile, F::SaveFontFile, K::SaveFontFile),
    Separator("N13", "N1"),
    {.name = "SFTSBF1",
     .parent = "N1",
     .entry = E::Menu,
     .edition = I::Cyrillic,
     .text = UiText::MenuSftSbf,
     .enabled = [](const ControlStates& c) { return c.sft_sbf_enabled; }},
    {.name = "N29",
     .parent = "SFTSBF1",
     .entry = E::Item,
     .edition = I::Cyrillic,
     .text = UiText::MenuLoadThinSft,
     .file = F::LoadThinSft},
    {.name = "N30",
     .parent = "SFTSBF1",
     .entry = E::Item,
     .edition = I::Cyrillic,
     .text = UiText::MenuLoadBoldSft,
     .file = F::LoadBoldSft},
    Separator("N8", "N1", I::Cyrillic),
    // The recent files change while the program runs, so the window fills this menu as it opens
    // (and when a file joins the list), from its remembered settings; one row stands for it.
    {.name = "RecentFiles1",
     .parent = "N1",
     .entry = E::Menu,
     .text = UiText::MenuRecentFiles,
     .window = W::RecentFiles},
    Separator("RecentSeparator1", "N1"),
    WindowItem("N5", "N1", UiText::MenuExit, W::Quit, K::Quit),

    // Правка
    Menu("EditMenu", nullptr, UiText::MenuEdit),
    {.name = "EditUndo",
     .parent = "EditMenu",
     .entry = E::Item,
     .caption = C::Undo,
     .operation = [](Session& s) { s.Undo(); },
     .key = K::Undo,
     .enabled = [](const ControlStates& c) { return c.undo_enabled; }},
    {.name = "EditRedo",
     .parent = "EditMenu",
     .entry = E::Item,
     .caption = C::Redo,
     .operation = [](Session& s) { s.Redo(); },
     .key = K::Redo,
     .enabled = [](const ControlStates& c) { return c.redo_enabled; }},
    Separator("EditSeparator1", "EditMenu"),
    EditorItem(
        "EditFlipHorizontal", "EditMenu", UiText::MenuFlipHorizontal,
        [](Session& s) { s.Transform(GlyphTransform::FlipHorizontal); }, K::FlipHorizontal),
    EditorItem(
        "EditFlipVertical", "EditMenu", UiText::MenuFlipVertical,
        [](Session& s) { s.Transform(GlyphTransform::FlipVertical); }, K::FlipVertical),
    EditorItem(
        "EditInvert", "EditMenu", UiText::MenuInvert,
        [](Session& s) { s.Transform(GlyphTransform::Invert); }, K::Invert),
    EditorItem(
        "EditEmbolden", "EditMenu", UiText::MenuEmbolden,
        [](Session& s) { s.Transform(GlyphTransform::Embolden); }, K::Embolden),
    Separator("EditSeparator2", "EditMenu"),
    {.name = "EditBoldFromNormal",
     .parent = "EditMenu",
     .entry = E::Item,
     .text = UiText::MenuBoldFromNormal,
     .operation = [](Session& s) { s.BoldFromNormal(); },
     .enabled = [](const ControlStates& c) { return c.bold_from_normal_enabled; }},
    Separator("EditSeparator3", "EditMenu"),
    {.name = "EditRevertLetter",
     .parent = "EditMenu",
     .entry = E::Item,
     .text = UiText::MenuRevertLetter,
     .operation = [](Session& s) { s.RevertLetter(); },
     .enabled = [](const ControlStates& c) { return c.revert_letter_enabled; }},
    {.name = "EditRevertFont",
     .parent = "EditMenu",
     .entry = E::Item,
     .text = UiText::MenuRevertFont,
     .operation = [](Session& s) { s.RevertFont(); },
     .enabled = [](const ControlStates& c) { return c.revert_font_enabled; }},

    // Шрифт (…)
    {.name = "N6", .parent = nullptr, .entry = E::Menu, .caption = C::FontMenu},
    EditorItem("N16", "N6", UiText::MenuClearLetter, [](Session& s) { s.ClearLetter(); }),
    EditorItem("N17", "N6", UiText::MenuClearBlock, [](Session& s) { s.ClearBlock(); }),
    EditorItem("N18", "N6", UiText::MenuClearFont, [](Session& s) { s.ClearFont(); }),
    Separator("N7", "N6"),
    Menu("N12", "N6", UiText::MenuFontType),
    KindItem(
        "Small1", FontKind::Small, [](Session& s) { s.ChooseKind(FontKind::Small); },
        [](const ControlStates& c) { return c.kind_checked[static_cast<int>(FontKind::Small)]; }),
    KindItem(
        "Normal1", FontKind::Normal, [](Session& s) { s.ChooseKind(FontKind::Normal); },
        [](const ControlStates& c) { return c.kind_checked[static_cast<int>(FontKind::Normal)]; }),
    KindItem(
        "Forwap1", FontKind::Browser, [](Session& s) { s.ChooseKind(FontKind::Browser); },
        [](const ControlStates& c) { return c.kind_checked[static_cast<int>(FontKind::Browser)]; }),
    KindItem(
        "Bigest1", FontKind::Big, [](Session& s) { s.ChooseKind(FontKind::Big); },
        [](const ControlStates& c) { return c.kind_checked[static_cast<int>(FontKind::Big)]; }),
    Menu("N15", "N6", UiText::MenuLoaderSettings),
    ScopeItem<0>("N19"),
    ScopeItem<1>("N20"),
    ScopeItem<7>("Sym11", I::Latin),
    ScopeItem<2>("N21"),
    ScopeItem<3>("N22"),
    ScopeItem<8>("Sym12", I::Latin),
    Separator("N25", "N15"),
    ScopeItem<4>("N27"),
    ScopeItem<5>("N28"),
    ScopeItem<9>("AZaz1", I::Latin),
    ScopeItem<10>("Symbols1", I::Latin),
    Separator("N26", "N15"),
    ScopeItem<6>("N24"),

    // Телефон (…)
    {.name = "N3", .parent = nullptr, .entry = E::Menu, .caption = C::PhoneMenu},
    ModelItem(
        "CMS351", PhoneModel::CM35, [](Session& s) { s.ChooseModel(PhoneModel::CM35); },
        [](const ControlStates& c) { return c.model_checked[static_cast<int>(PhoneModel::CM35)]; }),
    ModelItem(
        "S351", PhoneModel::S35, [](Session& s) { s.ChooseModel(PhoneModel::S35); },
        [](const ControlStates& c) { return c.model_checked[static_cast<int>(PhoneModel::S35)]; }),
    ModelItem(
        "N451", PhoneModel::SME45, [](Session& s) { s.ChooseModel(PhoneModel::SME45); },
        [](const ControlStates& c) {
            return c.model_checked[static_cast<int>(PhoneModel::SME45)];
        }),
    ModelItem(
        "N45i1", PhoneModel::SME45i, [](Session& s) { s.ChooseModel(PhoneModel::SME45i); },
        [](const ControlStates& c) {
            return c.model_checked[static_cast<int>(PhoneModel::SME45i)];
        }),
    ModelItem(
        "C451", PhoneModel::C45, [](Session& s) { s.ChooseModel(PhoneModel::C45); },
        [](const ControlStates& c) { return c.model_checked[static_cast<int>(PhoneModel::C45)]; }),
    ModelItem(
        "M501", PhoneModel::M50, [](Session& s) { s.ChooseModel(PhoneModel::M50); },
        [](const ControlStates& c) { return c.model_checked[static_cast<int>(PhoneModel::M50)]; }),

    // Язык (Latin edition)
    Menu("Lang", nullptr, UiText::MenuLanguage, I::Latin),
    {.name = "N8",
     .parent = "Lang",
     .entry = E::Item,
     .edition = I::Latin,
     .text = UiText::MenuRussian,
     .window = W::Russian,
     .checked = [](const ControlStates& c) { return c.russian_checked; }},
    {.name = "English1",
     .parent = "Lang",
     .entry = E::Item,
     .edition = I::Latin,
     .text = UiText::MenuEnglish,
     .window = W::English,
     .checked = [](const ControlStates& c) { return c.english_checked; }},

    // Сервис
    Menu("Service1", nullptr, UiText::MenuTools),
    FileItem("ImportFont1", "Service1", UiText::MenuImportFont, F::ImportFont),
    FileItem("ImportPng1", "Service1", UiText::MenuImportPng, F::ImportPng),
    FileItem("ExportPng1", "Service1", UiText::MenuExportPng, F::ExportPng),
    WindowItem("TextPreview1", "Service1", UiText::MenuTextPreview, W::TextPreview),
    Separator("PatchSeparator1", "Service1"),
    FileItem("ExportPatch1", "Service1", UiText::MenuExportPatch, F::ExportPatch),
    FileItem("ImportPatch1", "Service1", UiText::MenuImportPatch, F::ImportPatch),
    {.name = "ShowOriginal1",
     .parent = "Service1",
     .entry = E::Item,
     .text = UiText::MenuShowOriginal,
     .operation = [](Session& s) { s.ToggleOriginal(); },
     .key = K::ShowOriginal,
     .checked = [](const ControlStates& c) { return c.show_original; }},
    Separator("KeysSeparator1", "Service1"),
    WindowItem("Keys1", "Service1", UiText::MenuKeys, W::Keys),
    Separator("ZoomSeparator1", "Service1"),
    Menu("Zoom1", "Service1", UiText::MenuZoom),
    ZoomItem("Zoom100", kZoomLevels[0], K::ZoomReset),
    ZoomItem("Zoom150", kZoomLevels[1]),
    ZoomItem("Zoom200", kZoomLevels[2]),
    ZoomItem("Zoom300", kZoomLevels[3]),
    Separator("ZoomSeparator2", "Zoom1"),
    {.name = "ZoomFit",
     .parent = "Zoom1",
     .entry = E::Item,
     .text = UiText::MenuZoomFit,
     .window = W::ZoomFit,
     .window_check = true},
    // The zoom keys step from the level on screen; Ctrl+0 is the 100 % item's.
    WindowKey("ZoomIn", UiText::KeyZoomIn, W::ZoomIn, K::ZoomIn),
    WindowKey("ZoomOut", UiText::KeyZoomOut, W::ZoomOut, K::ZoomOut),

    // Инфо
    Menu("N4", nullptr, UiText::MenuInfo),
    WindowItem("N9", "N4", UiText::MenuInstruction, W::Help),
    Separator("N11", "N4"),
    WindowItem("N10", "N4", UiText::MenuHistory, W::History),
    WindowItem("About1", "N4", UiText::MenuAbout, W::About),
};

}  // namespace

std::span<const MenuRow> MenuRows() {
    return kMenuRows;
}

}  // namespace rw::ui
