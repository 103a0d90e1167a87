#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/edition.h"

namespace rw {

// The texts of the help, history and About windows. The Latin edition has them in Russian and
// English; the Cyrillic edition has Russian only and ignores the language.

// The help window's paragraphs, in order.
std::vector<std::string> HelpParagraphs(Edition edition, Language language);

// One version of the history: its number ("4.01") and its change lines, each beginning "*".
struct VersionEntry {
    std::string version;
    std::vector<std::string> changes;
};

// The version history, newest first.
std::vector<VersionEntry> VersionHistory(Edition edition, Language language);

// The heading line of a version: "- v4.01 -".
std::string VersionHeading(std::string_view version);

// The six numbered paragraphs of acknowledgements in the About window.
std::vector<std::string> Acknowledgements(Edition edition, Language language);

// The About window's title line: "Runewright v4.01 "RUS-Full" (SmallNormalWapBig)".
std::string AboutTitle(Edition edition);

// Where the About window's link leads, without its "http://" (the link adds it), and the link's
// visible text.
std::string_view ProjectPageLink();
std::string_view ProjectPageCaption();

}  // namespace rw
