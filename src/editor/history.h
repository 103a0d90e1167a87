#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "edition/texts.h"
#include "editor/working_glyphs.h"
#include "model/editor_state.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// What an undo brings back: the font, the working glyph of each form, the phone model and font
// kind they are shown for, and the selection; the base font a fullflash save compares with, with
// the fullflash it came from, which only the undo of a step that moved it brings back; and the
// current file, which only the undo of a file load brings back (a save between two steps keeps
// the file it wrote current). A whole font is a few kilobytes, so a
// snapshot is simpler and more exact than recording each change. The base changes only at
// fullflash loads and saves, so the snapshots share it.
struct Snapshot {
    FontImage font;
    WorkingGlyphs working;
    PhoneModel model = PhoneModel::SME45;
    FontKind kind = FontKind::Normal;
    Selection selection;  // inactive before the first letter was selected
    std::shared_ptr<const FontImage> base;
    std::string last_fullflash;
    std::string file_name;
};

// A step is named by the caption of the menu item or button that made it, so the name follows
// the interface language.
using StepName = UiText;

// The undo and redo lists. Each undo step keeps the state from before its change; undoing hands
// that state back and keeps the state it replaces for a redo. The oldest steps fall off once the
// steps would take more than the byte budget. The saved mark remembers the position of the last
// load or save, so the history tells whether anything was done or undone since.
class History {
  public:
    static constexpr size_t kDefaultByteBudget = size_t{64} << 20;

    explicit History(size_t byte_budget = kDefaultByteBudget);

    // A new step: `before` is the state the change starts from. Drops every redo step.
    // `moves_base`: the step changed the base font, so its undo and redo bring the snapshot's
    // base back; every other step keeps the base in force. `moves_file`: the step loaded a file,
    // so its undo and redo bring the snapshot's current file back.
    void Record(StepName name, const Snapshot& before, bool moves_base = false,
                bool moves_file = false);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::optional<StepName> UndoName() const;
    std::optional<StepName> RedoName() const;
    bool UndoMovesBase() const { return !undo_.empty() && undo_.back().moves_base; }
    bool RedoMovesBase() const { return !redo_.empty() && redo_.back().moves_base; }
    bool UndoMovesFile() const { return !undo_.empty() && undo_.back().moves_file; }
    bool RedoMovesFile() const { return !redo_.empty() && redo_.back().moves_file; }

    // The state to go back (forward) to; `current` is kept for the opposite direction. Only
    // called when CanUndo() (CanRedo()).
    Snapshot Undo(const Snapshot& current);
    Snapshot Redo(const Snapshot& current);

    // The current position is what the last load or save left.
    void MarkSaved() { saved_mark_ = Position(); }
    // True while no step was done or undone since the mark. A position whose steps were dropped
    // (by a new step after undoing, or off the bound) never comes back.
    bool AtSavedMark() const { return Position() == saved_mark_; }

    size_t undo_count() const { return undo_.size(); }
    size_t redo_count() const { return redo_.size(); }
    // How many steps the budget holds.
    size_t capacity() const { return capacity_; }

  private:
    struct Step {
        StepName name;
        bool moves_base = false;
        bool moves_file = false;
        Snapshot state;
        uint64_t serial = 0;  // the position after this step; no two steps share one
    };

    static Snapshot Move(std::deque<Step>& from, std::deque<Step>& to, const Snapshot& current);
    // The serial of the newest step not undone, or of the newest step dropped off the bound.
    uint64_t Position() const { return undo_.empty() ? dropped_serial_ : undo_.back().serial; }

    size_t capacity_;
    uint64_t next_serial_ = 1;
    uint64_t dropped_serial_ = 0;
    uint64_t saved_mark_ = 0;  // the start, with nothing done, counts as saved
    std::deque<Step> undo_;    // oldest first
    std::deque<Step> redo_;    // next redo last
};

}  // namespace rw
