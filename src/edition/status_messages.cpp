#include "edition/status_messages.h"

#include "edition/texts.h"

namespace rw {
namespace {

// Russian nouns after a number: 1, 21, 31 … take the singular; 2..4, 22..24 … the genitive
// singular; everything else, 11..14 included, the genitive plural.
const char* RussianLetters(int n) {
    const int tens = n % 100;
    const int ones = n % 10;
    if (tens >= 11 && tens <= 14) return "букв";
    if (ones == 1) return "буква";
    if (ones >= 2 && ones <= 4) return "буквы";
    return "букв";
}

std::string Status(int language, const char* russian, const char* english,
                   std::string_view file_name, int glyphs) {
    std::string text = language == kEnglish ? english : russian;
    text += file_name;
    text += ": ";
    text += GlyphCount(language, glyphs);
    return text;
}

}  // namespace

std::string GlyphCount(int language, int glyphs) {
    const std::string number = std::to_string(glyphs);
    if (language == kEnglish) return number + (glyphs == 1 ? " glyph" : " glyphs");
    return number + " " + RussianLetters(glyphs);
}

std::string SavedStatus(int language, std::string_view file_name, int glyphs) {
    return Status(language, "Записано в ", "Saved to ", file_name, glyphs);
}

std::string LoadedStatus(int language, std::string_view file_name, int glyphs) {
    return Status(language, "Загружено из ", "Loaded from ", file_name, glyphs);
}

}  // namespace rw
