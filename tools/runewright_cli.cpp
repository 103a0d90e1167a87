#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = rw::cli::RunCli(args, std::cout, std::cerr);
    // Output that could not be written (a full disk, a closed pipe) is a failure, not success.
    std::cout.flush();
    std::cerr.flush();
    if (!std::cout || !std::cerr)
        return code == rw::cli::kExitOk ? rw::cli::kExitFileFailure : code;
    return code;
}
