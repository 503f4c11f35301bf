#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace drawlet::cli {

// Runs one drawlet-cli command line (without the program name); returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace drawlet::cli
