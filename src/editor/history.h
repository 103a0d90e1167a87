#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "edition/texts.h"
#include "model/font_image.h"

namespace rw {

// What an undo brings back: the font, both working glyphs and the selection. A whole font is a
// few kilobytes, so a snapshot is simpler and more exact than recording each change.
struct Snapshot {
    FontImage font;
    NarrowGlyph working_narrow{};
    WideGlyph working_wide{};
    int block = 0;  // set and weight: the set is block % BoldStep, bold the block >= BoldStep
    int selected_slot = 0;
    bool has_selection = false;  // false before the first letter was selected

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// A step is named by the caption of the menu item or button that made it, so the name follows
// the interface language.
using StepName = UiText;

// The undo and redo lists. Each undo step keeps the state from before its change; undoing hands
// that state back and keeps the state it replaces for a redo. The oldest steps fall off once the
// steps would take more than the byte budget.
class History {
  public:
    static constexpr size_t kDefaultByteBudget = size_t{64} << 20;

    explicit History(size_t byte_budget = kDefaultByteBudget);

    // A new step: `before` is the state the change starts from. Drops every redo step.
    void Record(StepName name, const Snapshot& before);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::optional<StepName> UndoName() const;
    std::optional<StepName> RedoName() const;

    // The state to go back (forward) to; `current` is kept for the opposite direction. Only
    // called when CanUndo() (CanRedo()).
    Snapshot Undo(const Snapshot& current);
    Snapshot Redo(const Snapshot& current);

    size_t undo_count() const { return undo_.size(); }
    size_t redo_count() const { return redo_.size(); }
    // How many steps the budget holds.
    size_t capacity() const { return capacity_; }

  private:
    struct Step {
        StepName name;
        Snapshot state;
    };

    static Snapshot Move(std::deque<Step>& from, std::deque<Step>& to, const Snapshot& current);

    size_t capacity_;
    std::deque<Step> undo_;  // oldest first
    std::deque<Step> redo_;  // next redo last
};

}  // namespace rw
