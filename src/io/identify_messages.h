#pragma once

#include <string>
#include <vector>

#include "edition/message.h"
#include "io/layout_identify.h"

namespace rw {

// "S/ME 45 Normal": a model and kind as the messages name them.
std::string LayoutName(LayoutId id);

// The facts about a fullflash whose records at the chosen layout do not look like a font:
// "Данные на местах шрифта S/ME 45 Normal не похожи на шрифт (совпадает 12 %). Похоже на: C 45
// Normal, M 50 Normal." The second sentence names the other layouts that do look like a font,
// best first, and is left out when none does.
std::vector<Message> ForeignDataFacts(const std::vector<LayoutScore>& scores, LayoutId chosen);

// The warning after a load: the facts and "Проверьте модель телефона и тип шрифта."
std::vector<Message> ForeignDataWarning(const std::vector<LayoutScore>& scores, LayoutId chosen);
// The question before a save: the facts and "Всё равно записать?"
std::vector<Message> ForeignDataQuestion(const std::vector<LayoutScore>& scores, LayoutId chosen);

}  // namespace rw
