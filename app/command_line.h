#pragma once

#include <string>
#include <vector>

namespace rw::app {

// What the command line of a window program asks for.
struct CommandLine {
    enum class Action { OpenWindow, Help, Version, UsageError };
    Action action = Action::OpenWindow;
    std::string file;   // the file to open, empty for none
    std::string error;  // why the command line is wrong
};

// `PROGRAM [FILE]`, `PROGRAM --help`, `PROGRAM --version`; "--" ends the options, so a file may
// begin with "-".
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// How many words of argv (the program's name first) Qt may read as its options: those before
// "--". The words after it are file names whatever they look like ("-reverse",
// "-stylesheet=FILE"), and Qt never sees them.
int WordsForQt(int argc, const char* const* argv);

// The help text, naming `program` and saying which edition it is.
std::string UsageText(const std::string& program, bool latin);

}  // namespace rw::app
