#pragma once

#include <cstdint>

namespace rw {

// Which of the two programs this is. Fixed when a program is built; the core takes it as a value
// so one test binary covers both.
enum class Edition { Cyrillic, Latin };

// The interface language. The Cyrillic edition is always Russian; the Latin edition switches.
enum class Language : uint8_t { Russian, English };
inline constexpr Language kRussian = Language::Russian;
inline constexpr Language kEnglish = Language::English;

// The mark the window caption and the About window carry: "RUS-Full" / "ENG-Full".
constexpr const char* EditionMark(Edition edition) {
    return edition == Edition::Latin ? "ENG-Full" : "RUS-Full";
}

}  // namespace rw
