#pragma once

class QApplication;

namespace rw::ui {

// The look the window's fixed geometry was drawn for: the classic grey button face
// (212, 208, 200), a small sans font about as wide as 8-point MS Sans Serif, and menus whose
// checkable items show a check mark only while they are checked.
void ApplyClassicLook(QApplication& application);

}  // namespace rw::ui
