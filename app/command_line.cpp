#include "command_line.h"

namespace rw::app {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool options = true;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        } else if (options && arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            return {CommandLine::Action::UsageError, {}, "unknown option " + arg};
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() > 1) return {CommandLine::Action::UsageError, {}, "one FILE at most"};
    if (!files.empty()) line.file = files.front();
    return line;
}

int WordsForQt(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--") return i;
    }
    return argc;
}

std::string UsageText(const std::string& program, bool latin) {
    const std::string formats = latin ? "an .sfe font file" : "an .sft or .sbf font file";
    return "usage: " + program + " [FILE]\n" + "       " + program + " --help | --version\n" +
           "\n" + "Opens the " + (latin ? "Latin" : "Cyrillic") +
           " font editor for Siemens C/M/S 35, S/ME 45, S/ME 45i, C 45 and M 50\n" +
           "fullflash dumps. FILE, a fullflash or " + formats + ", is loaded as the\n" +
           "File menu loads it; a PNG sheet or a .vkp patch is imported as the Tools menu\n" +
           "imports it. \"--\" ends the options.\n";
}

}  // namespace rw::app
