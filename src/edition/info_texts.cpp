#include "edition/info_texts.h"

#include "edition/texts.h"
#include "version.h"

namespace rw {
namespace {

bool English(Edition edition, Language language) {
    return edition == Edition::Latin && language == kEnglish;
}

// What both editions' Russian help says first.
std::vector<std::string> RussianHelpOpening() {
    return {
        "Объяснять здесь особенно нечего, тем более тем, кто уже пользовался версией 1.0.",
        "После смены модели телефона или типа шрифта загрузите шрифт заново из fullflash "
        "именно этого телефона.",
        "Телефоны A35/36 не поддерживаются и поддерживаться не будут: их шрифт (5x10) слишком "
        "мал, чтобы его стоило редактировать.",
        "У шрифта WAP-браузера (Browser) нет жирного начертания: телефон берёт для него жирные "
        "буквы шрифта Small. У шрифта Big начертание тоже одно, и программа считает его "
        "нормальным.",
    };
}

std::vector<std::string> CyrillicHelp() {
    std::vector<std::string> help = RussianHelpOpening();
    help.push_back(
        "Все русские шрифты для С45 и M50 - широкие, такие, как шрифт Big, но разной высоты.");
    help.push_back(
        "В сименсах C/M/S 35 отсутствуют буквы Ё, ё, Є, є. Шрифта Browser в них тоже нет: "
        "вместо него программа загружает для правки шрифт Small.");
    help.push_back("В C/M нету жирного начертания для шрифта Small. ");
    help.push_back(
        "В телефонах 45-й серии буква \"Є\" шрифта Small нарисована со сдвигом влево. Чтобы это "
        "исправить, выберите её, очистите пунктом меню \"Очистить букву\" и нарисуйте заново.");
    return help;
}

std::vector<std::string> LatinRussianHelp() {
    std::vector<std::string> help = RussianHelpOpening();
    help.push_back(
        "В сименсах C/M/S 35 отсутствуют буквы Ё, ё, Є, є. Шрифта Browser в них тоже нет: "
        "вместо него программа загружает для правки шрифт Small. Жирного начертания шрифта "
        "Small в них тоже нет.");
    return help;
}

std::vector<std::string> EnglishHelp() {
    return {
        "After changing the phone model or the font type, load the font again from the "
        "fullflash of that very phone.",
        "A35/36 phones are not supported and will not be: their font (5x10) is too small to be "
        "worth editing.",
        "The font of the WAP browser (Browser) has no bold letters: the phone takes the bold "
        "letters of the Small font for it. The Big font has one variant only as well, and the "
        "program treats it as normal.",
        "C/M/S 35 phones have no Browser font: the program loads the Small font in its place "
        "for editing.",
        "Bold type characters for Small font is not present in C/M 35.",
    };
}

std::vector<VersionEntry> CyrillicHistory() {
    return {
        {"4.01", {"* добавлена поддержка шрифтов M 50"}},
        {"4.00",
         {"* исправлен баг с матрицей шрифта Big", "* исправлен баг со шрифтом Small для S35",
          "* в комплект добавлена программа \"ENG-Full\""}},
        {"3.42", {"* добавлена возможность конвертации SFT -> SBF"}},
        {"3.41", {"* исправлена неправильная загрузка шрифта Browser"}},
        {"3.40", {"* добавлена поддержка шрифтов C/M/S 35"}},
        {"3.30",
         {"* изменён формат шрифтов (sft - 8x13, sbf - 16x16)",
          "* пофиксена куча багов предыдущей версии", "* возможность двигать буквы по матрице"}},
        {"3.20", {"* добавлена поддержка шрифтов С45", "* пофиксена куча багов предыдущей версии"}},
        {"3.00", {"* добавлена поддержка шрифта Big"}},
        {"2.10", {"* добавлена поддержка шрифтов Small  и Browser"}},
        {"2.00", {"* добавлена поддержка i-серии"}},
        {"1.00", {"*исходная"}},
    };
}

std::vector<std::string> RussianAcknowledgements() {
    return {
        "1. Спасибо клубу владельцев телефонов Siemens, в котором родилась эта программа, и "
        "всем его участникам.",
        "2. Спасибо авторам программ для чтения и записи флешек: без них не было бы ни одного "
        "fullflash.",
        "3. Спасибо за советы об устройстве прошивок и о том, как в них хранятся шрифты.",
        "4. Спасибо всем, кто прислал fullflash своих телефонов: C/M 35, S 35, S/ME 45, "
        "S/ME 45i, C 45 и M 50.",
        "5. Спасибо тем, кто проверял первые версии и сообщал об ошибках.",
        "6. И спасибо всем, кто рисует для своих телефонов новые шрифты.",
    };
}

std::vector<std::string> EnglishAcknowledgements() {
    return {
        "1. Thanks to the club of Siemens phone owners in which this program arose, and to all "
        "of its members.",
        "2. Thanks to the authors of the flashing tools: without them there would be no "
        "fullflash to edit.",
        "3. Thanks for the advice on how the firmware is built and how it keeps its fonts.",
        "4. Thanks to everyone who sent the fullflash of their phone: C/M 35, S 35, S/ME 45, "
        "S/ME 45i, C 45 and M 50.",
        "5. Thanks to those who tried the first versions and reported their faults.",
        "6. And thanks to everyone who draws new fonts for their phone.",
    };
}

}  // namespace

std::vector<std::string> HelpParagraphs(Edition edition, Language language) {
    if (edition == Edition::Cyrillic) return CyrillicHelp();
    return English(edition, language) ? EnglishHelp() : LatinRussianHelp();
}

std::vector<VersionEntry> VersionHistory(Edition edition, Language language) {
    if (edition == Edition::Cyrillic) return CyrillicHistory();
    if (English(edition, language)) {
        return {{"4.01", {"* now M50 fonts are supported"}}, {"4.00", {"* this version"}}};
    }
    return {{"4.01", {"* добавлена поддержка шрифтов М50"}}, {"4.00", {"* исходная версия"}}};
}

std::string VersionHeading(std::string_view version) {
    std::string heading = "- v";
    heading += version;
    heading += " -";
    return heading;
}

std::vector<std::string> Acknowledgements(Edition edition, Language language) {
    return English(edition, language) ? EnglishAcknowledgements() : RussianAcknowledgements();
}

std::string AboutTitle(Edition edition) {
    return std::string("Runewright v") + kVersion + " \"" + EditionMark(edition) +
           "\" (SmallNormalWapBig)";
}

std::string_view ProjectPageLink() {
    return "runewright.example/";
}

std::string_view ProjectPageCaption() {
    return "runewright.example";
}

}  // namespace rw
