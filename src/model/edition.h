#pragma once

namespace rw {

// Which of the two programs this is. Fixed when a program is built; the core takes it as a value
// so one test binary covers both.
enum class Edition { Cyrillic, Latin };

}  // namespace rw
