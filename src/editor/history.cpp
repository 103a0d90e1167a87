#include "editor/history.h"

#include <algorithm>
#include <utility>

namespace rw {

History::History(size_t byte_budget) : capacity_(std::max<size_t>(1, byte_budget / sizeof(Step))) {}

void History::Record(StepName name, const Snapshot& before, bool moves_base, bool moves_file) {
    redo_.clear();
    const uint64_t serial = next_serial_++;
    if (undo_.size() == capacity_) {
        // Reuse the oldest step's storage for the newest.
        Step oldest = std::move(undo_.front());
        undo_.pop_front();
        dropped_serial_ = oldest.serial;
        oldest.name = name;
        oldest.moves_base = moves_base;
        oldest.moves_file = moves_file;
        oldest.state = before;
        oldest.serial = serial;
        undo_.push_back(std::move(oldest));
        return;
    }
    undo_.push_back({name, moves_base, moves_file, before, serial});
}

std::optional<StepName> History::UndoName() const {
    if (undo_.empty()) return std::nullopt;
    return undo_.back().name;
}

std::optional<StepName> History::RedoName() const {
    if (redo_.empty()) return std::nullopt;
    return redo_.back().name;
}

Snapshot History::Undo(const Snapshot& current) {
    return Move(undo_, redo_, current);
}

Snapshot History::Redo(const Snapshot& current) {
    return Move(redo_, undo_, current);
}

// Takes the newest step of `from` and keeps `current` under its name in `to`.
Snapshot History::Move(std::deque<Step>& from, std::deque<Step>& to, const Snapshot& current) {
    Step step = std::move(from.back());
    from.pop_back();
    Snapshot target = std::move(step.state);
    to.push_back({step.name, step.moves_base, step.moves_file, current, step.serial});
    return target;
}

}  // namespace rw
