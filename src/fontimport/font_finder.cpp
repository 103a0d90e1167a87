#include "fontimport/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>

namespace rw {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

// The installed fonts that have every property of the pattern, with the listed properties.
FontSetPtr ListFonts(FcPattern* pattern) {
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr));
    return FontSetPtr(FcFontList(nullptr, pattern, objects.get()));
}

// Names of one string property over a font set, sorted, each once.
std::vector<std::string> Strings(const FcFontSet* fonts, const char* property) {
    std::set<std::string> names;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* value = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], property, n, &value) == FcResultMatch;
             ++n)
            names.insert(reinterpret_cast<const char*>(value));
    }
    return {names.begin(), names.end()};
}

int IntegerOf(FcPattern* font, const char* property, int fallback) {
    int value = fallback;
    FcPatternGetInteger(font, property, 0, &value);
    return value;
}

// Among the listed fonts, the one nearest the weight and slant asked for (regular upright when
// the pattern names none) and of normal width; of equals the first file by name, so the choice does
// not depend on the order fontconfig lists them in.
std::optional<std::string> BestFile(FcPattern* pattern, FcFontSet* candidates) {
    if (!candidates || candidates->nfont == 0) return std::nullopt;
    const int weight = IntegerOf(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    const int slant = IntegerOf(pattern, FC_SLANT, FC_SLANT_ROMAN);
    std::optional<std::pair<int, std::string>> best;
    for (int i = 0; i < candidates->nfont; ++i) {
        FcPattern* font = candidates->fonts[i];
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
        const int distance = std::abs(IntegerOf(font, FC_WEIGHT, weight) - weight) +
                             1000 * std::abs(IntegerOf(font, FC_SLANT, slant) - slant) +
                             std::abs(IntegerOf(font, FC_WIDTH, FC_WIDTH_NORMAL) - FC_WIDTH_NORMAL);
        std::pair<int, std::string> rank(distance, reinterpret_cast<const char*>(file));
        if (!best || rank < *best) best = std::move(rank);
    }
    if (!best) return std::nullopt;
    return best->second;
}

}  // namespace

std::vector<std::string> InstalledFamilies() {
    PatternPtr all(FcPatternCreate());
    const FontSetPtr fonts = ListFonts(all.get());
    return Strings(fonts.get(), FC_FAMILY);
}

std::vector<std::string> FamilyStyles(const std::string& family) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    const FontSetPtr fonts = ListFonts(pattern.get());
    return Strings(fonts.get(), FC_STYLE);
}

std::optional<std::string> FindFontFile(const std::string& pattern_text) {
    PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(pattern_text.c_str())));
    if (!pattern) return std::nullopt;
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return std::nullopt;  // a pattern without a family would match any font
    const FontSetPtr fonts = ListFonts(pattern.get());
    return BestFile(pattern.get(), fonts.get());
}

std::optional<std::string> FindBoldFace(const std::string& family) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    const FontSetPtr fonts = ListFonts(pattern.get());
    return BestFile(pattern.get(), fonts.get());
}

std::string FontPattern(const std::string& family, const std::string& style) {
    // Fontconfig's name syntax escapes its separators with a backslash.
    auto escaped = [](const std::string& text) {
        std::string out;
        for (char c : text) {
            if (c == '\\' || c == '-' || c == ':' || c == ',' || c == '=') out += '\\';
            out += c;
        }
        return out;
    };
    return style.empty() ? escaped(family) : escaped(family) + ":style=" + escaped(style);
}

}  // namespace rw
