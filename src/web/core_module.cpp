// The module's interface to the page (web/src/core-api.d.ts describes it).
#include <emscripten/bind.h>

#include <memory>

#include "web/web_editor.h"

namespace rw::web {
namespace {

// "rus" is the Cyrillic edition, anything else the Latin one.
std::unique_ptr<WebEditor> CreateEditor(const std::string& edition) {
    return std::make_unique<WebEditor>(edition == "rus" ? Edition::Cyrillic : Edition::Latin);
}

}  // namespace
}  // namespace rw::web

EMSCRIPTEN_BINDINGS(runewright_core) {
    using rw::web::WebEditor;
    emscripten::function("createEditor", &rw::web::CreateEditor);
    emscripten::class_<WebEditor>("Editor")
        .function("view", &WebEditor::View)
        .function("pressThumbnail", &WebEditor::PressThumbnail)
        .function("clickCell", &WebEditor::ClickCell)
        .function("beginStroke", &WebEditor::BeginStroke)
        .function("continueStroke", &WebEditor::ContinueStroke)
        .function("endStroke", &WebEditor::EndStroke)
        .function("moveCursor", &WebEditor::MoveCursor)
        .function("flipCursorCell", &WebEditor::FlipCursorCell)
        .function("paintCursorMove", &WebEditor::PaintCursorMove)
        .function("endCursorRun", &WebEditor::EndCursorRun)
        .function("press", &WebEditor::Press)
        .function("key", &WebEditor::Key)
        .function("menu", &WebEditor::Menu)
        .function("openFile", &WebEditor::OpenFile)
        .function("resume", &WebEditor::Resume)
        .function("infoText", &WebEditor::InfoText)
        .function("previewTexts", &WebEditor::PreviewTexts)
        .function("preview", &WebEditor::Preview);
}
