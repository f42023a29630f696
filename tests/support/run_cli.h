#pragma once
// Runs the scorewick command line in-process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace scorewick::testing {

struct CliResult {
  int code;
  std::string out;
  std::string err;
};

inline CliResult RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), "scorewick");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  int code = cli::RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
  return {code, out.str(), err.str()};
}

}  // namespace scorewick::testing
