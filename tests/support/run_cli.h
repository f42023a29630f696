#pragma once
// Runs the scorewick command line in-process and keeps what it printed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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

// input, when given, is what standard input holds.
inline CliResult RunCli(std::vector<std::string> args, const std::string* input = nullptr) {
  args.insert(args.begin(), "scorewick");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  std::istringstream in(input ? *input : std::string());
  int code = cli::RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, &in);
  return {code, out.str(), err.str()};
}

// The same, run in folder, as a person typing there would.
inline CliResult RunCliIn(const std::filesystem::path& folder, std::vector<std::string> args) {
  const std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  CliResult result = RunCli(std::move(args));
  std::filesystem::current_path(old);
  return result;
}

}  // namespace scorewick::testing
