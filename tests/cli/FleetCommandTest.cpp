// vertal-cli fleet: its usage errors and its exit statuses, run as a real process.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

class FleetCommand : public CliCommandTest {
 protected:
  std::string Out() const { return dir.File("out"); }
};

TEST_F(FleetCommand, BadUsageWritesNothing) {
  const std::string dump = Write(DumpBuilder());
  const std::vector<std::vector<std::string>> usages = {
      {"fleet", "--out", Out()},                      // no path
      {"fleet", dump},                                // no output folder
      {"fleet", dump, "--out", Out(), "--jobs", "0"},
      {"fleet", dump, "--out", Out(), "--jobs", "two"},
  };
  for (const auto& args : usages) {
    const CliRun run = RunCli(args, {"LC_ALL=C"});
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

TEST_F(FleetCommand, ExitStatusSaysWhetherEveryFileWasRead) {
  const std::string dump = Write(DumpBuilder());
  nlohmann::json doc = Run({"fleet", dump, "--out", Out(), "--jobs", "2"});
  EXPECT_EQ(doc.at("files"), 1);
  EXPECT_EQ(doc.at("failed"), 0);
#ifdef VERTAL_CLI_REPORTS
  EXPECT_EQ(doc.at("pdfs"), 1);  // the card beside the tables
#endif

  const std::string missing = dir.File("missing.bin");
  const CliRun run = RunCli({"fleet", dump, missing, "--out", Out(), "--no-pdf"}, {"LC_ALL=C"});
  EXPECT_EQ(run.exitCode, 1);
  doc = run.Document();
  EXPECT_EQ(doc.at("files"), 2);
  EXPECT_EQ(doc.at("failed"), 1);
  EXPECT_EQ(doc.at("pdfs"), 0);
  EXPECT_NE(run.err.find(missing + ": Файл не удалось открыть!"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir.File("out/cranes.csv")));
}

}  // namespace
}  // namespace vertal::testing
