#include "edition/texts.h"

#include <array>
#include <cstddef>

namespace rw {
namespace {

struct Pair {
    const char* russian;
    const char* english;
};

const char* Pick(const Pair& p, int language) {
    return language == kEnglish ? p.english : p.russian;
}

// In the order of UiText.
constexpr Pair kTexts[] = {
    {"Инструкция", "Some instructions"},
    {"История", "History"},
    {"Программа аплоадер/даунлоадер и редактор русских шрифтов для флешек телефонов Siemens "
     "C/M/S 35, S/ME 45, S/ME 45i, С 45 и M 50",
     "Details: the uploader/downloader and the editor of the symbol set and English Siemens "
     "C/M/S 35, S/ME 45, S/ME 45i, С 45 and M 50 font"},
    {"Загрузка из файла fullflash...", "Load from fullflash..."},
    {"Загрузка шрифта из файла...", "Load from fontfile..."},
    {"Запись шрифта в fullflash...", "Save into fullflash..."},
    {"Запись шрифта в файл...", "Save into fontfile..."},
    {"Файл", "File"},
    {"Загрузить шрифт из fullflash", "Load font from FullFlash"},
    {"Сохранить шрифт в fullflash", "Save font into FullFlash"},
    {"Загрузить шрифт из файла", "Load font from fontfile"},
    {"Сохранить шрифт в файл", "Save font into fontfile"},
    {"Выход", "Exit"},
    {"Очистить букву", "Clear letter"},
    {"Очистить блок", "Clear block"},
    {"Очистить шрифт", "Clear font"},
    {"Тип шрифта", "Font type"},
    {"Параметры загрузки ...", "Loader settings ..."},
    {"Язык", "Language"},
    {"Инфо", "Info"},
    {"Инструкция", "Instrustion"},
    {"История", "History"},
    {"Нормальный / Жирный", "Normal / Bold"},
    {"Прописные", "Upper case"},
    {"Строчные", "Lower case"},
    {"Набор символов 1", "Symbols set 1"},
    {"Набор символов 2", "Symbols set 2"},
    {"Записать в шрифт", "Write to font"},
    {"Записать в шрифт", "Update letter"},
    {"Копировать блок", "Copy block"},
    {"Копировать блок в буфер", "Copy block into buffer"},
    {"Вставить блок", "Paste block"},
    {"Вставить блок из буфера", "Paste block from buffer"},
    {"Копировать текущую", "Copy current"},
    {"Копировать в буфер текущую", "Copy letter into buffer"},
    {"Вставить текущую", "Paste current"},
    {"Вставить из буфера текущую", "Paste letter from buffer"},
    {"Сдвиг вправо", "Shift right"},
    {"Сдвиг влево", "Shift left"},
    {"Сдвиг вверх", "Shift up"},
    {"Сдвиг вниз", "Shift down"},
    {"Буква", "Letter"},
    {"Ширина", "Width"},
    {"Правка", "Edit"},
    {"Отменить", "Undo"},
    {"Повторить", "Redo"},
    {"Рисование", "Drawing"},
    {"Сдвиг", "Shift"},
    {"Отразить по горизонтали", "Flip horizontally"},
    {"Отразить по вертикали", "Flip vertically"},
    {"Инвертировать", "Invert"},
    {"Утолщить", "Embolden"},
    {"Жирный из нормального", "Bold from normal"},
    {"Загрузить тонкий", "Загрузить тонкий"},
    {"Загрузить жирный", "Загрузить жирный"},
    {"Сервис", "Tools"},
    {"Просмотр текста...", "Text preview..."},
    {"Просмотр текста", "Text preview"},
    {"Жирный", "Bold"},
    {"Масштаб", "Scale"},
    {"Ширина строки", "Wrap width"},
    {"Нет в шрифте:", "Not in the font:"},
    {"Дальше текст не показан.", "The rest of the text is not shown."},
    {"Импорт из шрифта...", "Import from font..."},
    {"Импорт из PNG...", "Import from PNG..."},
    {"Экспорт в PNG...", "Export to PNG..."},
    {"Импорт из шрифта", "Import from font"},
    {"Загрузка шрифта из PNG...", "Load from PNG..."},
    {"Запись шрифта в PNG...", "Save into PNG..."},
    {"Смена буквы", "Letter change"},
    {"Файл...", "File..."},
    {"Шрифт", "Font"},
    {"Начертание", "Style"},
    {"Размер, пикселей", "Size, pixels"},
    {"Строка базовой линии", "Baseline row"},
    {"Жирный", "Bold"},
    {"жирное начертание семейства", "the family's bold face"},
    {"утолщить", "embolden"},
    {"Шрифты (*.ttf *.otf *.otb *.pcf *.pcf.gz *.bdf *.pfb)|*.ttf",
     "Fonts (*.ttf *.otf *.otb *.pcf *.pcf.gz *.bdf *.pfb)|*.ttf"},
    {"Экспорт патча (.vkp)...", "Export patch (.vkp)..."},
    {"Импорт из патча (.vkp)...", "Import from patch (.vkp)..."},
    {"Сохранение патча", "Save patch"},
    {"Загрузка патча", "Load patch"},
    {"Патчи V_Klay (*.vkp)|*.vkp", "V_Klay patches (*.vkp)|*.vkp"},
    {"Клавиши", "Keys"},
    {"Действие", "Action"},
    {"Предыдущая буква блока", "Previous letter of the block"},
    {"Следующая буква блока", "Next letter of the block"},
};
static_assert(std::size(kTexts) == static_cast<std::size_t>(UiText::KeyNextLetter) + 1);

constexpr Pair kGridHints[] = {
    {"Неиспользуемый бит", "Unused bit"},
    {"Биты для шрифта Big", "Bit for Big font"},
    {"Биты для шрифтов Normal && Big", "Bit for Normal && Big fonts"},
    {"Бит 7 ширины буквы", "Width, Bit 7"},
    {"Бит 6 ширины буквы", "Width, Bit 6"},
    {"Бит 5 ширины буквы", "Width, Bit 5"},
    {"Бит 4 ширины буквы", "Width, Bit 4"},
    {"Бит 3 ширины буквы", "Width, Bit 3"},
    {"Бит 2 ширины буквы", "Width, Bit 2"},
    {"Бит 1 ширины буквы", "Width, Bit 1"},
    {"Бит 0 ширины буквы", "Width, Bit 0"},
};

// By PhoneModel code.
constexpr Pair kPhoneCaptions[] = {
    {"Телефон (S/ME 45)", "Phone (S/ME 45)"}, {"Телефон (S/ME 45i)", "Phone (S/ME 45i)"},
    {"Телефон (C 45)", "Phone (C 45)"},       {"Телефон (C/M 35)", "Phone (C/M 35)"},
    {"Телефон (S 35)", "Phone (S 35)"},       {"Телефон (M 50)", "Phone (M 50)"},
};

// By FontKind code.
constexpr Pair kFontCaptions[] = {
    {"Шрифт (Normal)", "Font (Normal)"},
    {"Шрифт (Small)", "Font (Small)"},
    {"Шрифт (Browser)", "Font (Browser)"},
    {"Шрифт (Big)", "Font (Big)"},
};

// By tag. The Latin edition names its letter runs with Latin letters.
constexpr const char* kCyrillicScopes[] = {
    "Только \"А - Я\", нормальный",
    "Только \"а - я\", нормальный",
    "Только \"А - Я\", жирный",
    "Только \"а - я\", жирный",
    "Только нормальный",
    "Только жирный",
    "Весь шрифт",
};
constexpr Pair kLatinScopes[] = {
    {"Только \"A - Z\", нормальный", "Only \"A - Z\", normal"},
    {"Только \"a - z\", нормальный", "Only \"a - z\", normal"},
    {"Только \"A - Z\", жирный", "Only \"A - Z\", bold"},
    {"Только \"a - z\", жирный", "Only \"a - z\", bold"},
    {"Только нормальный", "Only normal"},
    {"Только жирный", "Only bold"},
    {"Весь шрифт", "All"},
    {"Только \"Symbols\", нормальный", "Only \"Symbols\", normal"},
    {"Только \"Symbols\", жирный", "Only \"Symbols\", bold"},
    {"Только \"A - Z\", \"a - z\"", "Only \"A - Z\", \"a - z\""},
    {"Только \"Symbols\"", "Only \"Symbols\""},
};

}  // namespace

const char* Text(UiText id, int language, Edition edition) {
    if (edition == Edition::Cyrillic) {
        // The Cyrillic edition copies and pastes "all" of the block and is always Russian.
        if (id == UiText::CopyBlockCaption) return "Копировать все";
        if (id == UiText::CopyBlockHint) return "Копировать в буфер всё";
        if (id == UiText::PasteBlockCaption) return "Вставить все";
        if (id == UiText::PasteBlockHint) return "Вставить из буфера всё";
        language = kRussian;
    }
    return Pick(kTexts[static_cast<int>(id)], language);
}

const char* GridHintText(int index, int language) {
    return Pick(kGridHints[index], language);
}

const char* PhoneMenuCaption(PhoneModel model, int language) {
    return Pick(kPhoneCaptions[static_cast<int>(model)], language);
}

const char* FontMenuCaption(FontKind kind, int language) {
    return Pick(kFontCaptions[static_cast<int>(kind)], language);
}

const char* ModelItemCaption(PhoneModel model, Edition edition) {
    switch (model) {
        case PhoneModel::SME45:
            return "S/ME 45";
        case PhoneModel::SME45i:
            return "S/ME 45i";
        case PhoneModel::C45:
            return edition == Edition::Latin ? "C45" : "C 45";
        case PhoneModel::CM35:
            return "C/M 35";
        case PhoneModel::S35:
            return "S 35";
        case PhoneModel::M50:
            return "M 50";
    }
    return "";
}

const char* KindItemCaption(FontKind kind) {
    switch (kind) {
        case FontKind::Normal:
            return "Normal";
        case FontKind::Small:
            return "Small";
        case FontKind::Browser:
            return "Browser";
        case FontKind::Big:
            return "Big";
    }
    return "";
}

const char* LoadScopeCaption(int tag, Edition edition, int language) {
    if (edition == Edition::Cyrillic) return tag >= 0 && tag <= 6 ? kCyrillicScopes[tag] : nullptr;
    return tag >= 0 && tag <= 10 ? Pick(kLatinScopes[tag], language) : nullptr;
}

const char* WindowCaptionPrefix(Edition edition) {
    return edition == Edition::Latin ? "Runewright v4.01 \"ENG-Full\" - ["
                                     : "Runewright v4.01 \"RUS-Full\" - [";
}

}  // namespace rw
