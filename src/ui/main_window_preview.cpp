// The "Сервис" menu's text preview.
#include <QString>

#include "edition/message.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"
#include "ui/text_preview_window.h"

namespace rw::ui {

// The one place the preview reads the editor: the live table and the glyph being edited.
PreviewFont TForm1::PreviewSource() const {
    const EditorState& state = editor_.state();
    return {.edition = editor_.edition(),
            .font = &editor_.font(),
            .wide = state.wide(),
            .last_row = state.last_row(),
            .single_weight = state.single_weight(),
            .has_yo_ye = state.layout().has_yo_ye,
            .working_slot = state.selected_glyph(),
            .working = editor_.working()};
}

// Menu "Сервис" → "Просмотр текста...".
void TForm1::TextPreview1Click() {
    if (text_preview_ == nullptr) text_preview_ = new TextPreviewWindow(editor_.edition(), this);
    text_preview_->show();
    text_preview_->raise();
    text_preview_->activateWindow();
    ShowTextPreview();
}

// After every operation: the preview follows the font and the glyph being edited.
void TForm1::ShowTextPreview() {
    if (text_preview_ == nullptr || !text_preview_->isVisible()) return;
    text_preview_->SetLanguage(editor_.state().language);
    text_preview_->ShowFont(PreviewSource());
}

}  // namespace rw::ui
