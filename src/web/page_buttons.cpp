#include "web/page_buttons.h"

#include <string>

#include "edition/texts.h"
#include "model/character_sets.h"

namespace rw::web {

using emscripten::val;

namespace {

// The set buttons' captions, as the window's button table has them.
struct SetButton {
    const char* cyrillic_caption;
    const char* latin_caption;
    UiText hint;
};
constexpr SetButton kSetButtons[] = {
    {"А-Я", "A", UiText::UpperCaseHint},
    {"а-я", "a", UiText::LowerCaseHint},
    {nullptr, "s1", UiText::SymbolSet1Hint},
    {nullptr, "s2", UiText::SymbolSet2Hint},
};

struct TextButton {
    const char* id;
    UiText caption;
    UiText hint;
    void (Session::*operation)();
};
constexpr TextButton kClipboardButtons[] = {
    {"copyBlock", UiText::CopyBlockCaption, UiText::CopyBlockHint, &Session::CopyBlock},
    {"pasteBlock", UiText::PasteBlockCaption, UiText::PasteBlockHint, &Session::PasteBlock},
    {"copyLetter", UiText::CopyLetterCaption, UiText::CopyLetterHint, &Session::CopyLetter},
    {"pasteLetter", UiText::PasteLetterCaption, UiText::PasteLetterHint, &Session::PasteLetter},
};

struct ShiftButton {
    const char* id;
    ShiftDirection direction;
    UiText hint;
};
constexpr ShiftButton kShiftButtons[] = {
    {"shiftRight", ShiftDirection::Right, UiText::ShiftRightHint},
    {"shiftLeft", ShiftDirection::Left, UiText::ShiftLeftHint},
    {"shiftUp", ShiftDirection::Up, UiText::ShiftUpHint},
    {"shiftDown", ShiftDirection::Down, UiText::ShiftDownHint},
};

val ButtonValue(const std::string& id, const std::string& caption, const std::string& hint,
                bool enabled, bool visible, std::optional<bool> down) {
    val value = val::object();
    value.set("id", id);
    value.set("caption", caption);
    value.set("name", caption.empty() ? hint : caption);
    value.set("hint", hint);
    value.set("enabled", enabled);
    value.set("visible", visible);
    value.set("down", down ? val(*down) : val::null());
    return value;
}

}  // namespace

std::optional<ButtonOperation> ButtonNamed(const std::string& id) {
    if (id == "writeBack") {
        return [](Session& s) {
            if (s.view().Controls().button1_enabled) s.WriteBack();
        };
    }
    if (id == "bold") return [](Session& s) { s.PressBold(); };
    if (id == "set0") return [](Session& s) { s.PressUpperCase(); };
    if (id == "set1") return [](Session& s) { s.PressLowerCase(); };
    if (id == "set2") return [](Session& s) { s.PressSymbolSet(1); };
    if (id == "set3") return [](Session& s) { s.PressSymbolSet(2); };
    for (const TextButton& button : kClipboardButtons) {
        if (id == button.id)
            return [operation = button.operation](Session& s) { (s.*operation)(); };
    }
    for (const ShiftButton& button : kShiftButtons) {
        if (id == button.id)
            return [direction = button.direction](Session& s) { s.Shift(direction); };
    }
    return std::nullopt;
}

val ButtonValues(const Session& session) {
    const Language language = session.state().language;
    const Edition edition = session.edition();
    const ControlStates& controls = session.view().Controls();
    const auto text = [&](UiText id) { return std::string(rw::Text(id, language, edition)); };
    val buttons = val::array();
    buttons.call<void>("push", ButtonValue("writeBack", text(UiText::WriteBackCaption),
                                           text(UiText::WriteBackHint), controls.button1_enabled,
                                           true, std::nullopt));
    buttons.call<void>("push",
                       ButtonValue("bold", "B", text(UiText::BoldHint), controls.bold_enabled,
                                   controls.bold_visible, controls.bold_down));
    for (int set = 0; set < SetCount(edition); ++set) {
        const SetButton& row = kSetButtons[set];
        const char* caption =
            edition == Edition::Cyrillic ? row.cyrillic_caption : row.latin_caption;
        buttons.call<void>(
            "push", ButtonValue("set" + std::to_string(set), caption, text(row.hint), true, true,
                                controls.set_down[static_cast<size_t>(set)]));
    }
    for (const TextButton& row : kClipboardButtons) {
        buttons.call<void>("push", ButtonValue(row.id, text(row.caption), text(row.hint), true,
                                               true, std::nullopt));
    }
    for (const ShiftButton& row : kShiftButtons) {
        buttons.call<void>("push",
                           ButtonValue(row.id, "", text(row.hint), true, true, std::nullopt));
    }
    return buttons;
}

}  // namespace rw::web
