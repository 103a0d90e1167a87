#include "edition/texts.h"

#include <cstddef>
#include <iterator>

#include "model/load_scope.h"
#include "version.h"

namespace rw {
namespace {

// One text in both languages; `cyrillic` is the Cyrillic edition's own (Russian) text where the
// editions differ, nullptr where it shows the Russian one.
struct TextRow {
    UiText id;
    const char* russian;
    const char* english;
    const char* cyrillic = nullptr;
};

// In the order of UiText, so a row is found by its id.
constexpr TextRow kTexts[] = {
    {UiText::Form3Caption, "Инструкция", "Some instructions"},
    {UiText::Form4Caption, "История", "History"},
    {UiText::Form5Label2,
     "Программа аплоадер/даунлоадер и редактор русских шрифтов для флешек телефонов Siemens "
     "C/M/S 35, S/ME 45, S/ME 45i, С 45 и M 50",
     "Details: the uploader/downloader and the editor of the symbol set and English Siemens "
     "C/M/S 35, S/ME 45, S/ME 45i, С 45 and M 50 font"},
    {UiText::LoadFlashTitle, "Загрузка из файла fullflash...", "Load from fullflash..."},
    {UiText::LoadFontFileTitle, "Загрузка шрифта из файла...", "Load from fontfile..."},
    {UiText::SaveFlashTitle, "Запись шрифта в fullflash...", "Save into fullflash..."},
    {UiText::SaveFontFileTitle, "Запись шрифта в файл...", "Save into fontfile..."},
    {UiText::MenuFile, "Файл", "File"},
    {UiText::MenuLoadFlash, "Загрузить шрифт из fullflash", "Load font from FullFlash"},
    {UiText::MenuSaveFlash, "Сохранить шрифт в fullflash", "Save font into FullFlash"},
    {UiText::MenuLoadFontFile, "Загрузить шрифт из файла", "Load font from fontfile"},
    {UiText::MenuSaveFontFile, "Сохранить шрифт в файл", "Save font into fontfile"},
    {UiText::MenuExit, "Выход", "Exit"},
    {UiText::MenuClearLetter, "Очистить букву", "Clear letter"},
    {UiText::MenuClearBlock, "Очистить блок", "Clear block"},
    {UiText::MenuClearFont, "Очистить шрифт", "Clear font"},
    {UiText::MenuFontType, "Тип шрифта", "Font type"},
    {UiText::MenuLoaderSettings, "Параметры загрузки ...", "Loader settings ..."},
    {UiText::MenuLanguage, "Язык", "Language"},
    {UiText::MenuInfo, "Инфо", "Info"},
    {UiText::MenuInstruction, "Инструкция", "Instrustion"},
    {UiText::MenuHistory, "История", "History"},
    {UiText::BoldHint, "Нормальный / Жирный", "Normal / Bold"},
    {UiText::UpperCaseHint, "Прописные", "Upper case"},
    {UiText::LowerCaseHint, "Строчные", "Lower case"},
    {UiText::SymbolSet1Hint, "Набор символов 1", "Symbols set 1"},
    {UiText::SymbolSet2Hint, "Набор символов 2", "Symbols set 2"},
    {UiText::WriteBackCaption, "Записать в шрифт", "Write to font"},
    {UiText::WriteBackHint, "Записать в шрифт", "Update letter"},
    {UiText::CopyBlockCaption, "Копировать блок", "Copy block", "Копировать все"},
    {UiText::CopyBlockHint, "Копировать блок в буфер", "Copy block into buffer",
     "Копировать в буфер всё"},
    {UiText::PasteBlockCaption, "Вставить блок", "Paste block", "Вставить все"},
    {UiText::PasteBlockHint, "Вставить блок из буфера", "Paste block from buffer",
     "Вставить из буфера всё"},
    {UiText::CopyLetterCaption, "Копировать текущую", "Copy current"},
    {UiText::CopyLetterHint, "Копировать в буфер текущую", "Copy letter into buffer"},
    {UiText::PasteLetterCaption, "Вставить текущую", "Paste current"},
    {UiText::PasteLetterHint, "Вставить из буфера текущую", "Paste letter from buffer"},
    {UiText::ShiftRightHint, "Сдвиг вправо", "Shift right"},
    {UiText::ShiftLeftHint, "Сдвиг влево", "Shift left"},
    {UiText::ShiftUpHint, "Сдвиг вверх", "Shift up"},
    {UiText::ShiftDownHint, "Сдвиг вниз", "Shift down"},
    {UiText::LetterCaption, "Буква", "Letter"},
    {UiText::WidthCaption, "Ширина", "Width"},
    {UiText::GridName, "Сетка", "Grid"},
    {UiText::LettersName, "Буквы", "Letters"},
    {UiText::CloseWindow, "Закрыть", "Close"},
    {UiText::MenuEdit, "Правка", "Edit"},
    {UiText::MenuUndo, "Отменить", "Undo"},
    {UiText::MenuRedo, "Повторить", "Redo"},
    {UiText::StepDrawing, "Рисование", "Drawing"},
    {UiText::StepShift, "Сдвиг", "Shift"},
    {UiText::MenuFlipHorizontal, "Отразить по горизонтали", "Flip horizontally"},
    {UiText::MenuFlipVertical, "Отразить по вертикали", "Flip vertically"},
    {UiText::MenuInvert, "Инвертировать", "Invert"},
    {UiText::MenuEmbolden, "Утолщить", "Embolden"},
    {UiText::MenuBoldFromNormal, "Жирный из нормального", "Bold from normal"},
    {UiText::MenuLoadThinSft, "Загрузить тонкий", "Загрузить тонкий"},
    {UiText::MenuLoadBoldSft, "Загрузить жирный", "Загрузить жирный"},
    {UiText::MenuTools, "Сервис", "Tools"},
    {UiText::MenuTextPreview, "Просмотр текста...", "Text preview..."},
    {UiText::TextPreviewCaption, "Просмотр текста", "Text preview"},
    {UiText::PreviewBold, "Жирный", "Bold"},
    {UiText::PreviewScale, "Масштаб", "Scale"},
    {UiText::PreviewWrapWidth, "Ширина строки", "Wrap width"},
    {UiText::PreviewMissing, "Нет в шрифте:", "Not in the font:"},
    {UiText::PreviewCut, "Дальше текст не показан.", "The rest of the text is not shown."},
    {UiText::MenuImportFont, "Импорт из шрифта...", "Import from font..."},
    {UiText::MenuImportPng, "Импорт из PNG...", "Import from PNG..."},
    {UiText::MenuExportPng, "Экспорт в PNG...", "Export to PNG..."},
    {UiText::ImportFontTitle, "Импорт из шрифта", "Import from font"},
    {UiText::ImportPngTitle, "Загрузка шрифта из PNG...", "Load from PNG..."},
    {UiText::ExportPngTitle, "Запись шрифта в PNG...", "Save into PNG..."},
    {UiText::StepLetterChange, "Смена буквы", "Letter change"},
    {UiText::ImportFileButton, "Файл...", "File..."},
    {UiText::ImportFontLabel, "Шрифт", "Font"},
    {UiText::ImportStyleLabel, "Начертание", "Style"},
    {UiText::ImportSizeLabel, "Размер, пикселей", "Size, pixels"},
    {UiText::ImportBaselineLabel, "Строка базовой линии", "Baseline row"},
    {UiText::ImportBoldLabel, "Жирный", "Bold"},
    {UiText::ImportBoldFace, "жирное начертание семейства", "the family's bold face"},
    {UiText::ImportEmbolden, "утолщить", "embolden"},
    {UiText::ImportFontFilter, "Шрифты (*.ttf *.otf *.otb *.pcf *.pcf.gz *.bdf *.pfb)|*.ttf",
     "Fonts (*.ttf *.otf *.otb *.pcf *.pcf.gz *.bdf *.pfb)|*.ttf"},
    {UiText::MenuExportPatch, "Экспорт патча (.vkp)...", "Export patch (.vkp)..."},
    {UiText::MenuImportPatch, "Импорт из патча (.vkp)...", "Import from patch (.vkp)..."},
    {UiText::SavePatchTitle, "Сохранение патча", "Save patch"},
    {UiText::LoadPatchTitle, "Загрузка патча", "Load patch"},
    {UiText::PatchFilter, "Патчи V_Klay (*.vkp)|*.vkp", "V_Klay patches (*.vkp)|*.vkp"},
    {UiText::FullflashFilter, "FullFlash (*.bin)|*.bin", "FullFlash (*.bin)|*.bin"},
    {UiText::SftFilter, "SiemensFont (*.sft)|*.sft", "SiemensFont (*.sft)|*.sft"},
    {UiText::SbfFilter, "SiemensBigFont (*.sbf)|*.sbf", "SiemensBigFont (*.sbf)|*.sbf"},
    {UiText::SfeFilter, "SiemensFont Eng (*.sfe)|*.sfe", "SiemensFont Eng (*.sfe)|*.sfe"},
    {UiText::PngFilter, "PNG (*.png)|*.png", "PNG (*.png)|*.png"},
    {UiText::MenuSftSbf, "SFT -> SBF", "SFT -> SBF"},
    {UiText::LoadThinSftTitle, "Загрузка SFT (тонкий) как SBF...",
     "Загрузка SFT (тонкий) как SBF..."},
    {UiText::LoadBoldSftTitle, "Загрузка SFT (жирный) как SBF...",
     "Загрузка SFT (жирный) как SBF..."},
    {UiText::MenuRussian, "Русский", "Русский"},
    {UiText::MenuEnglish, "English", "English"},
    {UiText::MenuAbout, "About", "About"},
    {UiText::NoFile, "no file", "no file"},
    {UiText::GridHintUnusedBit, "Неиспользуемый бит", "Unused bit"},
    {UiText::GridHintBigBits, "Биты для шрифта Big", "Bit for Big font"},
    {UiText::GridHintNormalAndBigBits, "Биты для шрифтов Normal && Big",
     "Bit for Normal && Big fonts"},
    {UiText::GridHintWidthBit7, "Бит 7 ширины буквы", "Width, Bit 7"},
    {UiText::GridHintWidthBit6, "Бит 6 ширины буквы", "Width, Bit 6"},
    {UiText::GridHintWidthBit5, "Бит 5 ширины буквы", "Width, Bit 5"},
    {UiText::GridHintWidthBit4, "Бит 4 ширины буквы", "Width, Bit 4"},
    {UiText::GridHintWidthBit3, "Бит 3 ширины буквы", "Width, Bit 3"},
    {UiText::GridHintWidthBit2, "Бит 2 ширины буквы", "Width, Bit 2"},
    {UiText::GridHintWidthBit1, "Бит 1 ширины буквы", "Width, Bit 1"},
    {UiText::GridHintWidthBit0, "Бит 0 ширины буквы", "Width, Bit 0"},
    {UiText::PhoneMenuSme45, "Телефон (S/ME 45)", "Phone (S/ME 45)"},
    {UiText::PhoneMenuSme45i, "Телефон (S/ME 45i)", "Phone (S/ME 45i)"},
    {UiText::PhoneMenuC45, "Телефон (C 45)", "Phone (C 45)"},
    {UiText::PhoneMenuCm35, "Телефон (C/M 35)", "Phone (C/M 35)"},
    {UiText::PhoneMenuS35, "Телефон (S 35)", "Phone (S 35)"},
    {UiText::PhoneMenuM50, "Телефон (M 50)", "Phone (M 50)"},
    {UiText::FontMenuNormal, "Шрифт (Normal)", "Font (Normal)"},
    {UiText::FontMenuSmall, "Шрифт (Small)", "Font (Small)"},
    {UiText::FontMenuBrowser, "Шрифт (Browser)", "Font (Browser)"},
    {UiText::FontMenuBig, "Шрифт (Big)", "Font (Big)"},
    {UiText::LoadScopeUpperNormal, "Только \"A - Z\", нормальный", "Only \"A - Z\", normal",
     "Только \"А - Я\", нормальный"},
    {UiText::LoadScopeLowerNormal, "Только \"a - z\", нормальный", "Only \"a - z\", normal",
     "Только \"а - я\", нормальный"},
    {UiText::LoadScopeUpperBold, "Только \"A - Z\", жирный", "Only \"A - Z\", bold",
     "Только \"А - Я\", жирный"},
    {UiText::LoadScopeLowerBold, "Только \"a - z\", жирный", "Only \"a - z\", bold",
     "Только \"а - я\", жирный"},
    {UiText::LoadScopeNormal, "Только нормальный", "Only normal"},
    {UiText::LoadScopeBold, "Только жирный", "Only bold"},
    {UiText::LoadScopeWholeFont, "Весь шрифт", "All"},
    {UiText::LoadScopeSymbolsNormal, "Только \"Symbols\", нормальный", "Only \"Symbols\", normal"},
    {UiText::LoadScopeSymbolsBold, "Только \"Symbols\", жирный", "Only \"Symbols\", bold"},
    {UiText::LoadScopeLetters, "Только \"A - Z\", \"a - z\"", "Only \"A - Z\", \"a - z\""},
    {UiText::LoadScopeSymbols, "Только \"Symbols\"", "Only \"Symbols\""},
    {UiText::MenuKeys, "Клавиши", "Keys"},
    {UiText::KeysActionColumn, "Действие", "Action"},
    {UiText::KeyPreviousLetter, "Предыдущая буква блока", "Previous letter of the block"},
    {UiText::KeyNextLetter, "Следующая буква блока", "Next letter of the block"},
    {UiText::KeyLetterLeft, "Миниатюры: буква слева", "Thumbnails: the letter on the left"},
    {UiText::KeyLetterRight, "Миниатюры: буква справа", "Thumbnails: the letter on the right"},
    {UiText::KeyLetterAbove, "Миниатюры: буква выше", "Thumbnails: the letter above"},
    {UiText::KeyLetterBelow, "Миниатюры: буква ниже", "Thumbnails: the letter below"},
    {UiText::KeyFirstLetter, "Миниатюры: первая буква блока",
     "Thumbnails: first letter of the block"},
    {UiText::KeyLastLetter, "Миниатюры: последняя буква блока",
     "Thumbnails: last letter of the block"},
    {UiText::KeyCursorLeft, "Сетка: курсор влево", "Grid: cursor left"},
    {UiText::KeyCursorRight, "Сетка: курсор вправо", "Grid: cursor right"},
    {UiText::KeyCursorUp, "Сетка: курсор вверх", "Grid: cursor up"},
    {UiText::KeyCursorDown, "Сетка: курсор вниз", "Grid: cursor down"},
    {UiText::KeyPaintLeft, "Сетка: рисовать влево", "Grid: paint to the left"},
    {UiText::KeyPaintRight, "Сетка: рисовать вправо", "Grid: paint to the right"},
    {UiText::KeyPaintUp, "Сетка: рисовать вверх", "Grid: paint upwards"},
    {UiText::KeyPaintDown, "Сетка: рисовать вниз", "Grid: paint downwards"},
    {UiText::KeyFlipCell, "Сетка: сменить цвет точки под курсором",
     "Grid: flip the pixel under the cursor"},
    {UiText::MenuZoom, "Масштаб", "Zoom"},
    {UiText::MenuZoomFit, "По размеру окна", "Fit to window"},
    {UiText::KeyZoomIn, "Крупнее: следующий масштаб", "Zoom in: the next zoom level"},
    {UiText::KeyZoomOut, "Мельче: предыдущий масштаб", "Zoom out: the previous zoom level"},
    {UiText::KeyZoomReset, "Масштаб 100 %", "Zoom 100 %"},
    {UiText::MenuRecentFiles, "Последние файлы", "Recent files"},
    {UiText::MenuClearRecentFiles, "Очистить список", "Clear list"},
    {UiText::MenuShowOriginal, "Показывать исходную букву", "Show the original letter"},
    {UiText::MenuRevertLetter, "Вернуть букву из fullflash", "Revert letter to the fullflash"},
    {UiText::MenuRevertFont, "Вернуть шрифт из fullflash", "Revert font to the fullflash"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(kLastUiText) + 1);

constexpr bool EveryTextRowAtItsId() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    }
    return true;
}
static_assert(EveryTextRowAtItsId());

// The row `offset` rows after `first`: the rows of a run (grid hints, phone and font menu captions,
// load scopes) stand in the order of their codes.
UiText Nth(UiText first, int offset) {
    return static_cast<UiText>(static_cast<int>(first) + offset);
}

}  // namespace

const char* Text(UiText id, Language language, Edition edition) {
    const TextRow& row = kTexts[static_cast<std::size_t>(id)];
    // The Cyrillic edition has no language menu: its interface is always Russian.
    if (edition == Edition::Cyrillic) return row.cyrillic != nullptr ? row.cyrillic : row.russian;
    return language == kEnglish ? row.english : row.russian;
}

const char* GridHintText(int index, Language language) {
    return Text(Nth(UiText::GridHintUnusedBit, index), language);
}

const char* PhoneMenuCaption(PhoneModel model, Language language) {
    return Text(Nth(UiText::PhoneMenuSme45, static_cast<int>(model)), language);
}

const char* FontMenuCaption(FontKind kind, Language language) {
    return Text(Nth(UiText::FontMenuNormal, static_cast<int>(kind)), language);
}

const char* ModelItemCaption(PhoneModel model, Edition edition) {
    const PhoneModelRow& row = RowOf(model);
    return edition == Edition::Latin ? row.latin_caption : row.caption;
}

const char* KindItemCaption(FontKind kind) {
    return RowOf(kind).caption;
}

const char* LoadScopeCaption(int tag, Edition edition, Language language) {
    const LoadScope scope{static_cast<int8_t>(tag)};
    if (!IsLoadScopeTag(tag) || !HasLoadScope(edition, scope)) return nullptr;
    return Text(Nth(UiText::LoadScopeUpperNormal, tag), language, edition);
}

std::string ProgramTitle(Edition edition) {
    return std::string("Runewright v") + kVersion + " \"" + EditionMark(edition) + "\"";
}

std::string WindowCaptionPrefix(Edition edition) {
    return ProgramTitle(edition) + " - [";
}

}  // namespace rw
