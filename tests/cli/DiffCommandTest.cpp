// vertal-cli diff, run as a real process on two demo readings.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::testing {
namespace {

using json = nlohmann::json;

class DiffCommand : public CliCommandTest {
 protected:
  std::string Demo(const std::string& name, const demo::DemoOptions& options) {
    DumpBuilder b;
    demo::BuildDemo(b, options);
    const std::string file = dir.File(name);
    b.Write(file);
    return file;
  }
};

TEST_F(DiffCommand, PrintsTheComparisonRefusesOtherCranesAndFailsOnAMissingFile) {
  const std::string older = Demo("old.bin", {});
  const std::string newer = Demo("new.bin", {.laterDays = 30});
  const std::string other = Demo("other.bin", {.crane = 2});

  const json doc = Run({"diff", older, newer});
  EXPECT_EQ(doc["messages"], json::array());
  EXPECT_EQ(doc["old"], (json{{"file", older}, {"reading_date", "22.09.08"}}));
  EXPECT_EQ(doc["new"]["reading_date"], "22.10.08");
  EXPECT_TRUE(doc["refused"].is_null());
  EXPECT_TRUE(doc["warning"].is_null());
  const json& charNumber = doc["counters"].back();
  EXPECT_EQ(charNumber["name"], "Характеристическое число (текущее)");
  EXPECT_EQ(charNumber["old"], "1520.75");
  EXPECT_TRUE(doc["life_used"]["value"].is_string());
  EXPECT_TRUE(doc["normative_date"]["value"].is_string());
  EXPECT_GT(doc["new_episodes"]["switch_ons"].size(), 0u);
  const json& kds = doc["new_kds"].front();
  EXPECT_EQ(kds["n"], 16);
  EXPECT_EQ(kds["fields"].size(), 4u);

  const json refused = Run({"diff", older, other});
  EXPECT_TRUE(refused["refused"].get<std::string>().starts_with("Файлы относятся к разным кранам: "));
  EXPECT_EQ(refused["counters"], json::array());

  const json backwards = Run({"diff", newer, older});
  EXPECT_TRUE(backwards["warning"].get<std::string>().starts_with("Второй файл считан раньше первого"));

  const CliRun missing = RunCli({"diff", older, dir.File("missing.bin")}, {"LC_ALL=C"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.Document()["messages"], json::array({"\n Файл не удалось открыть!"}));
  EXPECT_EQ(RunCli({"diff", older}).exitCode, 2);
}

}  // namespace
}  // namespace vertal::testing
