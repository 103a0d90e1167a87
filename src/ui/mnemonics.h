#pragma once

class QMenuBar;

namespace rw::ui {

// Gives every menu of the bar and every item of each menu its Alt+letter mark (WithMnemonics),
// after its caption was set or changed. Only the marks change: a caption set again without one
// gets the same mark back.
void MarkMnemonics(QMenuBar* bar);

}  // namespace rw::ui
