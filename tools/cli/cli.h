#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace rw::cli {

// Exit codes of runewright-cli.
constexpr int kExitOk = 0;
constexpr int kExitFileFailure = 1;
constexpr int kExitUsage = 2;
// A fullflash save failed and could not be undone: the journal beside it holds the old bytes.
constexpr int kExitPartlyWritten = 3;

// The whole usage text printed by --help and after a usage error.
std::string UsageText();

// Runs one command line (without the program name). Output files are written only on success.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rw::cli
