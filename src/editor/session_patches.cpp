// The session's V_Klay patches: a font read through a patch, and the font written as one.
#include "edition/status_messages.h"
#include "editor/session.h"
#include "patch/patch_writer.h"

namespace rw {
namespace {

FontPlace PlaceOf(const EditorState& state) {
    return {state.edition, {state.model, state.kind}, state.layout()};
}

}  // namespace

Status Session::ImportPatch(const Patch& patch, const std::string& flash,
                            std::vector<Message>* told, FileSystem& fs) {
    const FontPlace place = PlaceOf(state_);
    PatchedFont imported;
    Status status = ReadFontThroughPatch(
        flash, patch, place, ScopeBlocks(state_.load_scope, state_.edition), font(), &imported, fs);
    if (!status.ok()) return status;
    ImportedFromPatch(imported, flash);
    *told = DescribePatchImport(imported.effect, place.id);
    return status;
}

void Session::ImportedFromPatch(const PatchedFont& imported, const std::string& flash) {
    Apply(LoadStep(imported.patched, UiText::MenuImportPatch), [&] {
        document_.Replace(imported.patched);
        if (flash != last_fullflash_) {
            base_ = std::make_shared<const FontImage>(imported.unpatched);
            last_fullflash_ = flash;
        }
    });
}

Status Session::PatchAgainst(const std::string& flash, FontPatch* patch, FileSystem& fs) const {
    return ExportFontPatch(flash, PlaceOf(state_), font(), patch, fs);
}

Status Session::SavePatch(const std::string& path, const FontPatch& patch, FileSystem& fs) {
    Status status = WritePatchFile(path, patch, fs);
    if (status.ok()) SavedPatch(path, static_cast<int>(patch.glyphs.size()));
    return status;
}

void Session::SavedPatch(const std::string& path, int glyphs) {
    Apply(Step::None(), [&] { Notify(SavedPatchStatus(BaseNameOf(path), glyphs)); });
}

}  // namespace rw
