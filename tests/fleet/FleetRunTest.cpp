#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "fleet/core/DumpFiles.h"
#include "fleet/core/FleetRun.h"
#include "support/CsvTable.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::fleet {
namespace {

using testing::CsvTable;

// A table read back as rows of named fields.
struct NamedRows {
  std::vector<std::map<std::string, std::string>> rows;
};

NamedRows ReadTable(const std::string& path) {
  const std::optional<CsvTable> table = testing::ParseCsv(testing::ReadWholeFile(path), ',');
  EXPECT_TRUE(table.has_value()) << path;
  NamedRows named;
  if (!table || table->rows.empty()) return named;
  const std::vector<std::string>& header = table->rows.front();
  for (std::size_t r = 1; r < table->rows.size(); ++r) {
    EXPECT_EQ(table->rows[r].size(), header.size()) << path << " row " << r;
    std::map<std::string, std::string> row;
    for (std::size_t c = 0; c < header.size() && c < table->rows[r].size(); ++c)
      row[header[c]] = table->rows[r][c];
    named.rows.push_back(std::move(row));
  }
  return named;
}

class FleetRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing::TempDir;
    const auto dumpOf = [](int crane) {
      testing::DumpBuilder builder;
      demo::BuildDemo(builder, {.seed = static_cast<std::uint32_t>(crane * 11), .crane = crane});
      return builder;
    };
    std::filesystem::create_directories(folder->Path() / "in" / "site" / "old");
    dumpOf(1).Write(folder->File("in/a.bin"));
    dumpOf(2).Write(folder->File("in/site/old/B.BIN"));  // found in any case, at any depth
    dumpOf(3).Write(folder->File("in/c.bin"));
    dumpOf(4).WriteTruncated(folder->File("in/short.bin"), kShortSize);
    std::ofstream(folder->File("in/empty.bin"));
    std::ofstream(folder->File("in/notes.txt")) << "not a dump";
  }
  static void TearDownTestSuite() { delete folder; }

  static FleetOutcome Run(const std::string& out, unsigned jobs) {
    FleetRun run;
    const std::vector<std::string> named = {folder->File("in")};
    run.files = CollectDumpFiles(named);
    run.outDir = folder->File(out);
    run.jobs = jobs;
    return RunFleet(run);
  }

  static constexpr std::int64_t kShortSize = 1'000'000;  // the long-term area and some frames
  static testing::TempDir* folder;
};
testing::TempDir* FleetRunTest::folder = nullptr;

TEST_F(FleetRunTest, EveryDumpGetsOneRowAndEveryEventJoinsItsCrane) {
  const FleetOutcome outcome = Run("out", 2);
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.files, 5u);
  EXPECT_EQ(outcome.failed, 1u);

  const NamedRows cranes = ReadTable(folder->File("out/cranes.csv"));
  ASSERT_EQ(cranes.rows.size(), 5u);
  const std::vector<std::string> order = {"a.bin", "c.bin", "empty.bin", "short.bin", "B.BIN"};
  std::map<std::string, const std::map<std::string, std::string>*> bySha;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const auto& row = cranes.rows[i];
    EXPECT_EQ(std::filesystem::path(row.at("file")).filename(), order[i]);
    EXPECT_EQ(row.at("sha256").size(), 64u);
    bySha[row.at("sha256")] = &row;
  }
  const auto& empty = cranes.rows[2];
  EXPECT_NE(empty.at("error"), "");
  EXPECT_EQ(empty.at("crane_serial"), "");
  const auto& shortRow = cranes.rows[3];
  EXPECT_EQ(shortRow.at("error"), "");
  EXPECT_EQ(shortRow.at("complete"), "false");
  EXPECT_EQ(shortRow.at("size_bytes"), std::to_string(kShortSize));
  EXPECT_EQ(shortRow.at("readout_date"), "");  // the operator's record is beyond the end
  std::vector<std::string> serials;
  for (const std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{4}}) {
    const auto& row = cranes.rows[i];
    EXPECT_EQ(row.at("complete"), "true");
    EXPECT_EQ(row.at("error"), "");
    EXPECT_EQ(row.at("readout_date").size(), 10u);  // YYYY-MM-DD
    EXPECT_LE(row.at("first_date"), row.at("last_date"));
    serials.push_back(row.at("crane_serial"));
  }
  std::sort(serials.begin(), serials.end());
  EXPECT_EQ(std::unique(serials.begin(), serials.end()), serials.end()) << "three cranes";

  // Each crane's counts are those of its event rows.
  std::map<std::string, std::map<std::string, int>> counted;  // sha256 -> column -> rows
  const NamedRows events = ReadTable(folder->File("out/events.csv"));
  ASSERT_EQ(events.rows.size(), outcome.events);
  for (const auto& event : events.rows) {
    const auto crane = bySha.find(event.at("sha256"));
    ASSERT_NE(crane, bySha.end()) << "an event of no crane";
    EXPECT_EQ(event.at("crane_serial"), crane->second->at("crane_serial"));
    const std::string& kind = event.at("kind");
    const std::string column = kind == "episode" ? (event.at("list") == "switch_on"
                                                        ? std::string("switch_ons")
                                                        : event.at("list") + "_episodes")
                                                 : kind + "_records";
    ++counted[event.at("sha256")][column];
  }
  for (const auto& [sha, row] : bySha) {
    if (!row->at("error").empty()) continue;
    for (const char* column : {"overload_episodes", "tuning_episodes", "mzon_episodes",
                               "switch_ons", "overload_records", "kds_records"})
      EXPECT_EQ(std::to_string(counted[sha][column]), row->at(column)) << column;
  }
  EXPECT_GT(counted[cranes.rows[0].at("sha256")]["overload_records"], 0);
}

TEST_F(FleetRunTest, RunsWithOneOrManyThreadsWriteTheSameTables) {
  Run("one", 1);
  Run("many", 3);
  for (const char* table : {"cranes.csv", "events.csv"})
    EXPECT_EQ(testing::ReadWholeFile(folder->File(std::string("one/") + table)),
              testing::ReadWholeFile(folder->File(std::string("many/") + table)))
        << table;
}

TEST_F(FleetRunTest, AnOutputFolderThatCannotBeMadeIsReported) {
  std::ofstream(folder->File("taken"));  // a file where the folder should be
  EXPECT_NE(Run("taken", 1).error, "");
}

}  // namespace
}  // namespace vertal::fleet
