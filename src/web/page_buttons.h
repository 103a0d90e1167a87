#pragma once

#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>

#include "editor/session.h"

namespace rw::web {

// The page's buttons, by id ("writeBack", "bold", "set0".."set3", "copyBlock", "shiftRight", …):
// the window's write-back, weight, set, clipboard and shift buttons.

// A button's session operation.
using ButtonOperation = std::function<void(Session&)>;
std::optional<ButtonOperation> ButtonNamed(const std::string& id);

// Every button with its caption, hint and states, as values.
emscripten::val ButtonValues(const Session& session);

}  // namespace rw::web
