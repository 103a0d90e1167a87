// The "Сервис" menu's text preview, and the one check the window makes of a fullflash: that the
// chosen phone model and font kind find a font at their places.
#include <QString>

#include "edition/identify_messages.h"
#include "io/layout_identify.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"
#include "ui/text_preview_window.h"

namespace rw::ui {

// The one place the preview reads the editor: the live table and the glyph being edited.
PreviewFont TForm1::PreviewSource() const {
    const EditorState& state = editor_.state();
    return {.edition = editor_.edition(),
            .font = &editor_.font(),
            .wide = state.wide,
            .last_row = state.last_row,
            .single_weight = state.single_weight,
            .has_yo_ye = state.layout.has_yo_ye,
            .working_slot = {state.block, state.selected_slot},
            .working_narrow = editor_.working_narrow(),
            .working_wide = editor_.working_wide()};
}

// "Просмотр текста..."
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

// After a fullflash load: the load stands, but a user who chose the wrong phone learns it now,
// before a save writes font records over firmware.
void TForm1::WarnIfNotAFont() {
    const EditorState& state = editor_.state();
    std::vector<LayoutScore> scores;
    if (!IdentifyLayouts(state.file_name, editor_.edition(), &scores).ok()) return;
    const LayoutId chosen{state.model, state.kind};
    const LayoutScore* own = ScoreOf(scores, chosen);
    if (own == nullptr || own->LooksLikeFont()) return;
    dialogs_->ShowWarning(Q(ForeignDataWarning(scores, chosen, state.language)));
}

// Before a fullflash save: true to go on. A file that cannot be read or is too short is left to
// the save, which reports it in its own words. An interrupted save the look rolls back is told.
bool TForm1::ConfirmSaveIntoForeignData(const std::string& path) {
    const EditorState& state = editor_.state();
    std::vector<LayoutScore> scores;
    const Status identified = IdentifyLayouts(path, editor_.edition(), &scores);
    ShowNoteOf(identified);
    if (!identified.ok()) return true;
    const LayoutId chosen{state.model, state.kind};
    const LayoutScore* own = ScoreOf(scores, chosen);
    if (own == nullptr || own->LooksLikeFont() || !own->inside_image) return true;
    return dialogs_->Ask(Q(ForeignDataQuestion(scores, chosen, state.language)),
                         Q(WriteAnywayAnswer(state.language)), Q(CancelAnswer(state.language)));
}

}  // namespace rw::ui
