// vertal-cli export: the document and the table it writes, the dialects, and the statuses of
// refused options, a file that cannot be opened and a CSV path that cannot be written.

#include <gtest/gtest.h>

#include <filesystem>

#include "CliProcess.h"
#include "support/CsvTable.h"
#include "support/DumpBuilder.h"

namespace vertal::testing {
namespace {

using nlohmann::json;

class ExportCommand : public CliCommandTest {
 protected:
  void SetUp() override {
    DumpBuilder b;
    b.OverloadRecord(4, EncodeOverload(130, {0x15, 0x09, 0x08}));
    Write(b);
  }
  std::string csv = dir.File("t.csv");
};

TEST_F(ExportCommand, PrintsTheRowsItWrote) {
  EXPECT_EQ(Run({"export", path, "--what", "overloads", "--csv", csv}),
            json::parse(R"({"messages": [], "rows": 1})"));
  const auto table = ParseCsv(ReadWholeFile(csv), ',');
  ASSERT_TRUE(table);
  EXPECT_FALSE(table->byteOrderMark);
  EXPECT_EQ(table->rows.at(1), (std::vector<std::string>{"4", "15.05", "8.25", "130",
                                                         "2008-09-15", "3", "НОРМА"}));

  // The spreadsheet dialect of a point locale: "," between fields and a byte-order mark.
  EXPECT_EQ(Run({"export", path, "--what", "frames", "--first", "5", "--last", "7", "--csv", csv,
                 "--excel"})["rows"],
            3);
  const auto frames = ParseCsv(ReadWholeFile(csv), ',');
  ASSERT_TRUE(frames);
  EXPECT_TRUE(frames->byteOrderMark);
  EXPECT_EQ(frames->rows.at(0).at(0), "№ кадра");
  EXPECT_EQ(frames->rows.at(3).at(1), "БРАК");  // an erased slot
}

TEST_F(ExportCommand, RefusesWhatTheWindowRefuses) {
  struct Case {
    std::vector<std::string> options;
    std::string error;  // part of the line on standard error
    std::string target;
  };
  const std::vector<Case> cases = {
      {{"--what", "everything"}, "--what", csv},
      {{"--what", "frames", "--first", "10", "--last", "10"}, "Неправильный диапазон!", csv},
      {{"--what", "overloads", "--threshold", "много"}, "много", csv},
      {{"--what", "service"}, "не удалось записать!", dir.File("no-folder/t.csv")},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"export", path, "--csv", c.target};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = RunCli(args, {"LC_ALL=C"});
    EXPECT_EQ(run.exitCode, 2) << c.error;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(c.target)) << c.error;
  }

  const json missing = Run({"export", dir.File("missing.bin"), "--what", "spectrum", "--csv", csv}, 1);
  EXPECT_EQ(missing["rows"], 0);
  EXPECT_FALSE(std::filesystem::exists(csv));
}

}  // namespace
}  // namespace vertal::testing
