// What the file commands hand the session of V_Klay patches: a font read through a patch, and a
// patch written.
#include "edition/status_messages.h"
#include "editor/session.h"

namespace rw {

void Session::ImportedFromPatch(const PatchedFont& imported, const std::string& flash) {
    // The import's undo brings the base back even when this import left it: the same dump
    // imported into twice keeps one base, which the undo of either restores.
    Step step = LoadStep(imported.patched, UiText::MenuImportPatch);
    step.moves_base = true;
    Apply(step, [&] {
        document_.Replace(imported.patched);
        if (flash != guard_.last_fullflash()) guard_.Rebase(imported.unpatched, flash);
    });
}

void Session::SavedPatch(const std::string& path, int glyphs) {
    Apply(Step::None(), [&] { Notify(SavedPatchStatus(BaseNameOf(path), glyphs)); });
}

}  // namespace rw
