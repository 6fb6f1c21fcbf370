#pragma once
// Runs the vertal-cli executable with arguments and captures what it writes and how it ends.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/CliPath.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {

// What the tool says of a file it could not open.
inline const std::string kOpenFailed = "\n Файл не удалось открыть!";

struct CliRun {
  int exitCode = -1;   // the status passed to exit(), or -1 when ended by a signal
  int signal = 0;      // the signal that ended the process, 0 when it exited
  std::string out;     // standard output
  std::string err;     // standard error
  // Standard output as JSON; a test failure (and null) when it is not one document.
  nlohmann::json Document() const;
};

// Runs a program with `args`; `env` entries ("NAME=value") are added to the environment.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& env = {});
// Runs vertal-cli.
CliRun RunCli(const std::vector<std::string>& args, const std::vector<std::string>& env = {});
// The text of a PDF as poppler lays it out, pages separated by form feeds.
std::string PdfText(const std::string& pdf);
// Whether the Russian locale is installed, so that a test of its number forms can run.
bool RussianLocaleInstalled();

// A test that writes one dump and runs commands on it under LC_ALL=C.
class CliCommandTest : public ::testing::Test {
 protected:
  // The command's document; the exit status must be `status`.
  nlohmann::json Run(const std::vector<std::string>& args, int status = 0) {
    const CliRun run = RunCli(args, {"LC_ALL=C"});
    EXPECT_EQ(run.exitCode, status) << run.err;
    return run.Document();
  }
  std::string Write(const DumpBuilder& builder) {
    builder.Write(path);
    return path;
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
};

}  // namespace vertal::testing
