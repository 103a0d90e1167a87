// The window model as plain values for the page, and the texts of the page's own windows.
#include <emscripten/val.h>

#include "edition/info_texts.h"
#include "edition/letter_sets.h"
#include "edition/texts.h"
#include "edition/utf8.h"
#include "editor/text_preview.h"
#include "web/js_values.h"
#include "web/menu_table.h"
#include "web/page_buttons.h"
#include "web/page_keys.h"
#include "web/page_layout.h"
#include "web/web_editor.h"

namespace rw::web {

using emscripten::val;

namespace {

const char* RoleName(CellRole role) {
    switch (role) {
        case CellRole::Pixel:
            return "pixel";
        case CellRole::WidthBit:
            return "widthBit";
        case CellRole::HeaderBit:
            return "headerBit";
        case CellRole::UnusedColumn:
            return "unusedColumn";
        case CellRole::Inert:
            break;
    }
    return "inert";
}

// 16 x 16 RGB as RGBA, opaque.
val RgbaOf(const Picture16& picture) {
    std::vector<uint8_t> rgba;
    rgba.reserve(picture.pixels.size() * 4);
    for (const Rgb& pixel : picture.pixels)
        rgba.insert(rgba.end(), {pixel.r, pixel.g, pixel.b, 255});
    return BytesValue(rgba);
}

val GridValues(const WindowModel& model) {
    val cells = val::array();
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const CellView view = model.Cell(row, col);
            val cell = val::object();
            cell.set("row", row);
            cell.set("col", col);
            cell.set("role", RoleName(view.role));
            cell.set("colour", view.button_face
                                   ? val::null()
                                   : val(HexColour(view.colour.r, view.colour.g, view.colour.b)));
            cell.set("live", view.live);
            cell.set("checked", view.bit ? val(*view.bit) : val::null());
            cell.set("hint", std::string(view.hint_display));
            cells.call<void>("push", cell);
        }
    }
    return cells;
}

val ThumbnailValues(const WindowModel& model, Edition edition) {
    val thumbnails = val::array();
    const std::optional<int> framed = model.FramedSlot();
    for (int slot = 0; slot < SlotCount(edition); ++slot) {
        val thumbnail = val::object();
        thumbnail.set("slot", slot);
        thumbnail.set("name", model.ThumbnailHintText(slot));
        thumbnail.set("rgba", RgbaOf(model.Thumbnail(slot)));
        thumbnail.set("covered", model.IsThumbnailCovered(slot));
        thumbnail.set("selected", framed && *framed == slot);
        thumbnails.call<void>("push", thumbnail);
    }
    return thumbnails;
}

}  // namespace

val WebEditor::View() const {
    const WindowModel& model = session_.view();
    const Edition edition = session_.edition();
    val view = val::object();
    view.set("edition", edition == Edition::Cyrillic ? "rus" : "eng");
    view.set("language", language() == kRussian ? "ru" : "en");
    view.set("hasLanguageMenu", edition == Edition::Latin);
    view.set("windowCaption", model.WindowCaption());
    view.set("editionTitle", ProgramTitle(edition));
    view.set("closeCaption", Text(UiText::CloseWindow));
    view.set("menus", MenuValues(session_));
    view.set("grid", GridValues(model));
    view.set("gridName", Text(UiText::GridName));
    val labels = val::array();
    for (int row = 0; row < kGridSize; ++row) labels.call<void>("push", model.RowLabel(row));
    view.set("rowLabels", labels);
    val cursor = val::object();
    cursor.set("row", model.Cursor().row);
    cursor.set("col", model.Cursor().col);
    view.set("cursor", cursor);
    view.set("thumbnails", ThumbnailValues(model, edition));
    view.set("thumbnailsName", Text(UiText::LettersName));
    view.set("thumbnailsPerRow", kThumbnailsPerRow);
    val edit_image = val::object();
    edit_image.set("rgba", RgbaOf(model.EditImage()));
    edit_image.set("hint", DisplayText(model.EditImageHint()));
    view.set("editImage", edit_image);
    view.set("letterCaption", Text(UiText::LetterCaption));
    val letter = val::object();
    const LetterLabelView label = model.LetterLabel();
    letter.set("text", label.text);
    letter.set("bold", label.bold);
    view.set("letter", letter);
    view.set("widthCaption", Text(UiText::WidthCaption));
    view.set("width", model.WidthLabel());
    view.set("buttons", ButtonValues(session_));
    view.set("status", Render(model.Notice(), language()));
    view.set("keys", KeyValues(session_));
    view.set("keysTitle", Text(UiText::MenuKeys));
    val columns = val::object();
    columns.set("keys", Text(UiText::MenuKeys));
    columns.set("action", Text(UiText::KeysActionColumn));
    view.set("keysColumns", columns);
    view.set("generation", static_cast<double>(model.generation()));
    view.set("unsaved", session_.HasUnsavedChanges());
    return view;
}

// The help, history and About windows: their title and their text, paragraphs apart.
val WebEditor::InfoText(const std::string& window) const {
    const Edition edition = session_.edition();
    std::string title;
    std::string text;
    const auto add = [&text](const std::string& paragraph) {
        text += (text.empty() ? "" : "\n\n") + paragraph;
    };
    if (window == "help") {
        title = Text(UiText::Form3Caption);
        for (const std::string& paragraph : HelpParagraphs(edition, language())) add(paragraph);
    } else if (window == "history") {
        title = Text(UiText::Form4Caption);
        for (const VersionEntry& entry : VersionHistory(edition, language())) {
            std::string lines = VersionHeading(entry.version);
            for (const std::string& change : entry.changes) lines += "\n" + change;
            add(lines);
        }
    } else if (window == "about") {
        title = "About";
        add(AboutTitle(edition));
        add(Text(UiText::Form5Label2));
        for (const std::string& paragraph : Acknowledgements(edition, language())) add(paragraph);
        add(std::string(ProjectPageCaption()) + ": http://" + std::string(ProjectPageLink()));
    }
    val value = val::object();
    value.set("title", title);
    value.set("text", text);
    return value;
}

val WebEditor::PreviewTexts() const {
    val texts = val::object();
    texts.set("title", Text(UiText::TextPreviewCaption));
    texts.set("defaultText", std::string(DefaultPreviewText(session_.edition())));
    texts.set("boldLabel", Text(UiText::PreviewBold));
    texts.set("scaleLabel", Text(UiText::PreviewScale));
    texts.set("wrapWidthLabel", Text(UiText::PreviewWrapWidth));
    texts.set("defaultScale", kDefaultPreviewScale);
    texts.set("maxScale", kMaxPreviewScale);
    texts.set("defaultWrapWidth", kDefaultWrapWidth);
    texts.set("maxWrapWidth", kMaxWrapWidth);
    return texts;
}

// The text set in the font with the glyph being edited, as the preview window shows it.
val WebEditor::Preview(const val& request) const {
    const EditorState& state = session_.state();
    const PreviewFont font{.edition = session_.edition(),
                           .font = &session_.font(),
                           .wide = state.wide(),
                           .last_row = state.last_row(),
                           .single_weight = state.single_weight(),
                           .has_yo_ye = state.layout().has_yo_ye,
                           .working_slot = state.selected_glyph(),
                           .working = session_.working()};
    const int scale = std::clamp(request["scale"].as<int>(), 1, kMaxPreviewScale);
    const PreviewOptions options{
        .bold = request["bold"].as<bool>(),
        .wrap_width = std::clamp(request["wrapWidth"].as<int>(), 1, kMaxWrapWidth)};
    const std::u32string text =
        DecodeUtf8(request["text"].as<std::string>()).value_or(std::u32string());
    const TextPicture set = SetText(text, font, options);
    const RgbImage picture = ScaledPicture(set, scale);
    std::vector<uint8_t> rgba;
    rgba.reserve(picture.rgb.size() / 3 * 4);
    for (size_t i = 0; i + 2 < picture.rgb.size(); i += 3) {
        rgba.insert(rgba.end(), {picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2], 255});
    }
    std::string note;
    if (!set.missing.empty()) {
        note = Text(UiText::PreviewMissing);
        for (const char32_t c : set.missing) note += " " + EncodeUtf8(c);
    }
    if (set.cut) note += (note.empty() ? "" : "\n") + Text(UiText::PreviewCut);
    val value = val::object();
    value.set("width", picture.width);
    value.set("height", picture.height);
    value.set("rgba", BytesValue(rgba));
    value.set("note", note);
    return value;
}

}  // namespace rw::web
