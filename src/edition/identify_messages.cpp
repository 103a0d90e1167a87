#include "edition/identify_messages.h"

#include "edition/texts.h"

namespace rw {
namespace {

const char* Pick(int language, const char* russian, const char* english) {
    return language == kEnglish ? english : russian;
}

// The layouts other than the chosen one that look like a font, best first.
std::string LookAlikes(const std::vector<LayoutScore>& scores, LayoutId chosen) {
    std::string names;
    for (const LayoutScore& score : scores) {
        if (!score.LooksLikeFont() || score.Covers(chosen)) continue;
        for (LayoutId id : score.layouts) {
            if (!names.empty()) names += ", ";
            names += LayoutName(id);
        }
    }
    return names;
}

}  // namespace

std::string LayoutName(LayoutId id) {
    // The Cyrillic menu's captions: "C 45" with its space in both editions.
    return std::string(ModelItemCaption(id.model, Edition::Cyrillic)) + " " +
           KindItemCaption(id.kind);
}

std::string ForeignDataFacts(const std::vector<LayoutScore>& scores, LayoutId chosen,
                             int language) {
    const LayoutScore* own = ScoreOf(scores, chosen);
    const std::string percent = std::to_string(own == nullptr ? 0 : own->Percent());
    std::string facts =
        Pick(language, "Данные на местах шрифта ", "The data at the places of the ") +
        LayoutName(chosen) +
        Pick(language, " не похожи на шрифт (совпадает ", " font do not look like a font (") +
        percent + Pick(language, " %).", " % match).");
    const std::string alikes = LookAlikes(scores, chosen);
    if (!alikes.empty()) facts += Pick(language, " Похоже на: ", " It looks like: ") + alikes + ".";
    return facts;
}

std::string ForeignDataWarning(const std::vector<LayoutScore>& scores, LayoutId chosen,
                               int language) {
    return ForeignDataFacts(scores, chosen, language) +
           Pick(language, " Проверьте модель телефона и тип шрифта.",
                " Check the phone model and font kind.");
}

std::string ForeignDataQuestion(const std::vector<LayoutScore>& scores, LayoutId chosen,
                                int language) {
    return ForeignDataFacts(scores, chosen, language) +
           Pick(language, " Всё равно записать?", " Write anyway?");
}

std::string WriteAnywayAnswer(int language) {
    return Pick(language, "Записать", "Write");
}

std::string CancelAnswer(int language) {
    return Pick(language, "Отмена", "Cancel");
}

}  // namespace rw
