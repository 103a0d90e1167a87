#include "io/identify_messages.h"

#include "edition/texts.h"

namespace rw {
namespace {

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

std::vector<Message> FactsAnd(const std::vector<LayoutScore>& scores, LayoutId chosen,
                              MessageId last) {
    std::vector<Message> messages = ForeignDataFacts(scores, chosen);
    messages.push_back({last, {}});
    return messages;
}

}  // namespace

std::string LayoutName(LayoutId id) {
    // The Cyrillic menu's captions: "C 45" with its space in both editions.
    return std::string(ModelItemCaption(id.model, Edition::Cyrillic)) + " " +
           KindItemCaption(id.kind);
}

std::vector<Message> ForeignDataFacts(const std::vector<LayoutScore>& scores, LayoutId chosen) {
    const LayoutScore* own = ScoreOf(scores, chosen);
    const std::string percent = std::to_string(own == nullptr ? 0 : own->Percent());
    std::vector<Message> facts{{MessageId::ForeignData, {LayoutName(chosen), percent}}};
    const std::string alikes = LookAlikes(scores, chosen);
    if (!alikes.empty()) facts.push_back({MessageId::ForeignDataLooksLike, {alikes}});
    return facts;
}

std::vector<Message> ForeignDataWarning(const std::vector<LayoutScore>& scores, LayoutId chosen) {
    return FactsAnd(scores, chosen, MessageId::CheckModelAndKind);
}

std::vector<Message> ForeignDataQuestion(const std::vector<LayoutScore>& scores, LayoutId chosen) {
    return FactsAnd(scores, chosen, MessageId::SaveAnyway);
}

}  // namespace rw
