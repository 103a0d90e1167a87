#pragma once

#include <Qt>

namespace rw::ui {

// Whether a control shows that it has the keyboard focus. A click gives the grid or the thumbnail
// strip the focus without a mark, so the window a mouse user sees stays as it was; the mark shows
// once the focus came by the keyboard (Tab) or a key was pressed there, and goes with the focus.
class KeyboardFocus {
  public:
    void FocusIn(Qt::FocusReason reason) {
        // Coming back with the window keeps the mark as it was.
        if (reason == Qt::ActiveWindowFocusReason) return;
        by_keys_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
    }
    // A key reached the control.
    void KeyPressed() { by_keys_ = true; }
    bool Shown(bool has_focus) const { return has_focus && by_keys_; }

  private:
    bool by_keys_ = false;
};

}  // namespace rw::ui
