// What the file commands hand the session: loads, saves and imports that happened, each turned
// into a step, a saved mark, a new base and a line in the status bar.
#include "edition/status_messages.h"
#include "editor/session.h"
#include "io/font_files.h"
#include "io/glyph_count.h"
#include "model/load_scope.h"

namespace rw {

Session::Step Session::LoadStep(const FontImage& font, StepName name) const {
    // The step also keeps edits in the grid, which the reload throws away.
    const bool changes = font != document_.font() || HasUnwrittenEdits();
    Step step = changes ? Step::FontChange(name) : Step::Reload();
    step.clears_edit_image = true;
    return step;
}

void Session::LoadFont(const FontImage& font, StepName name) {
    Apply(LoadStep(font, name), [&] { document_.Replace(font); });
}

void Session::LoadedFile(const LoadedFont& loaded) {
    // An .sbf or .sfe load of part of the font merges it into the rest, which keeps what was
    // unsaved there; every other load replaces the whole table of the live form.
    const bool merges = loaded.kind == FileKind::FontFile &&
                        state_.load_scope != LoadScope::WholeFont &&
                        FontFileFormatFor(state_.edition, state_.wide()) != FontFileFormat::Sft;
    const bool keeps_unsaved = merges && HasUnsavedChanges();
    const bool fullflash = loaded.kind == FileKind::Fullflash;
    Step step = LoadStep(loaded.font, loaded.name);
    step.moves_base = fullflash;
    step.moves_file = true;
    Apply(step, [&] {
        document_.Replace(loaded.font);
        if (fullflash) guard_.Rebase(loaded.font, loaded.path);
        if (!keeps_unsaved) MarkSaved();
        state_.file_name = loaded.path;
        Notify(LoadedStatus(BaseNameOf(loaded.path), loaded.glyphs));
    });
}

void Session::SavedFile(FileKind kind, const std::string& path, int glyphs) {
    Apply(Step::None(), [&] {
        if (kind == FileKind::Fullflash) guard_.Rebase(document_.font(), path);
        MarkSaved();
        state_.file_name = path;
        Notify(SavedStatus(BaseNameOf(path), glyphs));
    });
}

void Session::ImportedSheet(const FontImage& font, const std::string& path) {
    const int glyphs =
        GlyphsInBlocks(state_.edition, ScopeBlocks(state_.load_scope, state_.edition));
    Apply(LoadStep(font, UiText::MenuImportPng), [&] {
        document_.Replace(font);
        Notify(LoadedStatus(BaseNameOf(path), glyphs));
    });
}

void Session::ExportedSheet(const std::string& path) {
    const int glyphs =
        GlyphsInBlocks(state_.edition, ScopeBlocks(LoadScope::WholeFont, state_.edition));
    Apply(Step::None(), [&] { Notify(SavedStatus(BaseNameOf(path), glyphs)); });
}

void Session::MarkSaved() {
    history_.MarkSaved();
    saved_font_ = document_.font();
}

FontPlace Session::place() const {
    return {state_.edition, {state_.model, state_.kind}, state_.layout()};
}

FlashSaveCheck Session::CheckFlashSave(const std::string& path, FileSystem& fs) const {
    return guard_.Check(path, place(), document_.font(), fs);
}

}  // namespace rw
