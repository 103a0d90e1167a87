#pragma once

#include <string>
#include <string_view>

namespace rw {

// The link label's concern, for the platform code that reads the default browser from the
// system's registry.
//
// The default browser's command as the registry gives it ("\http\shell\open\command") carries the
// address placeholder and options after the program. Keeps only the program part:
// - no double quote: the command stays whole;
// - a quote in first place: the quoted program path, both quotes included (the whole command when
//   the closing quote is missing);
// - a quote further on: the text before that quote, trailing blanks included.
std::string TrimBrowserCommand(std::string_view command);

}  // namespace rw
