#pragma once
// Runs the vertal-cli executable with arguments and captures what it writes and how it ends.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace vertal::testing {

struct CliRun {
  int exitCode = -1;   // the status passed to exit(), or -1 when ended by a signal
  int signal = 0;      // the signal that ended the process, 0 when it exited
  std::string out;     // standard output
  std::string err;     // standard error
  // Standard output as JSON; a test failure (and null) when it is not one document.
  nlohmann::json Document() const;
};

// Runs vertal-cli with `args`; `env` entries ("NAME=value") are added to the environment.
CliRun RunCli(const std::vector<std::string>& args, const std::vector<std::string>& env = {});

}  // namespace vertal::testing
