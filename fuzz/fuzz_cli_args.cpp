// The command line of runewright-cli: any words, split at NUL bytes, parsed and checked.
// Only the parsing is fuzzed; the file work behind it has targets of its own.
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_commands.h"

using namespace rw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.emplace_back();
        } else {
            words.back().push_back(static_cast<char>(data[i]));
        }
    }
    std::string error;
    const auto args = cli::ParseArgs(words, {"--edition", "--model", "--kind", "--scope"},
                                     {"--thin", "--bold"}, &error);
    if (!args) {
        if (error.empty()) std::abort();
        return 0;
    }
    const auto target = cli::ParseFontTarget(*args, &error);
    if (target) {
        const auto scope = cli::ParseScope(*args, target->edition, &error);
        if (scope && !HasLoadScope(target->edition, *scope)) std::abort();
    }
    for (const std::string& word : args->positionals) {
        cli::HasExtension(word, ".sft");
        cli::ParseInt(word, -5, 5);
    }
    return 0;
}
