// Undo and redo: snapshots of the session's state, and their return.
#include "editor/session.h"

namespace rw {

Snapshot Session::Capture() const {
    return {.font = document_.font(),
            .working = working_,
            .model = state_.model,
            .kind = state_.kind,
            .selection = state_.selection,
            .base = guard_.shared_base(),
            .last_fullflash = guard_.last_fullflash(),
            .file_name = state_.file_name};
}

// The status line names the step undone or redone.
void Session::Undo() {
    if (!history_.CanUndo()) return;
    EndStroke();
    const bool moves_base = history_.UndoMovesBase();
    const bool moves_file = history_.UndoMovesFile();
    const std::string name = Text(*history_.UndoName(), state_.language, state_.edition);
    Apply(Step::None(), [&] {
        Restore(history_.Undo(Capture()), moves_base, moves_file);
        Notify({MessageId::StepUndone, {name}});
    });
}

void Session::Redo() {
    if (!history_.CanRedo()) return;
    EndStroke();
    const bool moves_base = history_.RedoMovesBase();
    const bool moves_file = history_.RedoMovesFile();
    const std::string name = Text(*history_.RedoName(), state_.language, state_.edition);
    Apply(Step::None(), [&] {
        Restore(history_.Redo(Capture()), moves_base, moves_file);
        Notify({MessageId::StepRedone, {name}});
    });
}

// Brings the state back without a letter load, which would overwrite the restored working glyph
// with the stored record. The kind and model come back first, so the glyphs show in the form
// they were edited in.
void Session::Restore(const Snapshot& snapshot, bool moves_base, bool moves_file) {
    document_.Replace(snapshot.font);
    // Only a fullflash load, or an import from a patch that named the fullflash, moves the base;
    // undoing anything else keeps the one the last fullflash load or save set.
    if (moves_base) guard_.RestoreBase(snapshot.base, snapshot.last_fullflash);
    // Undoing a load makes the file before it current again, so a save goes where it went then.
    if (moves_file) state_.file_name = snapshot.file_name;
    if (snapshot.kind != state_.kind) {
        state_.kind = snapshot.kind;
        ApplyWeightAvailability();
    }
    if (snapshot.model != state_.model) {
        state_.model = snapshot.model;
        ApplyWeightAvailability();
    }
    working_ = snapshot.working;
    RestoreBlock(snapshot.selection.block);
    if (snapshot.selection.active()) {
        state_.selection.slot = snapshot.selection.slot;
        state_.selection.source = SelectionSource::Thumbnail;
        edit_image_hint_ = Hint(snapshot.selection.slot);
    }
    letter_shown_ = state_.selection.active();
}

// The set and weight of a restored block. A layout chosen since then may have a single weight:
// its bold block is not shown, so the weight stays normal.
void Session::RestoreBlock(Block block) {
    const bool bold = block.bold() && !state_.single_weight();
    if (bold != state_.bold()) letter_bold_ = bold;
    state_.selection.block = {block.set, bold ? Weight::Bold : Weight::Normal};
}

}  // namespace rw
