// vertal-cli fleet --report: the fleet report read back from its PDF, its list of cranes held
// against cranes.csv of the same run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "support/CsvTable.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::testing {
namespace {

using json = nlohmann::json;

struct LastReading {
  std::string limiterSerial, craneSerial, readoutDate;
  double lifeUsed = 0;
};

// The last reading of each crane in cranes.csv, the most life used first.
std::vector<LastReading> CranesByLifeUsed(const std::string& csvPath) {
  const std::optional<CsvTable> table = ParseCsv(ReadWholeFile(csvPath), ',');
  if (!table || table->rows.empty()) return {};
  const auto& header = table->rows.front();
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  const std::size_t limiter = column("limiter_serial"), crane = column("crane_serial"),
                    date = column("readout_date"), life = column("life_used_percent"),
                    error = column("error");
  std::map<std::pair<std::string, std::string>, LastReading> last;
  for (std::size_t i = 1; i < table->rows.size(); ++i) {
    const auto& row = table->rows[i];
    if (!row.at(error).empty()) continue;
    LastReading& kept = last[{row.at(limiter), row.at(crane)}];
    if (row.at(date) < kept.readoutDate) continue;  // ISO dates sort as texts
    kept = {row.at(limiter), row.at(crane), row.at(date), std::stod(row.at(life))};
  }
  std::vector<LastReading> cranes;
  for (const auto& [key, reading] : last) cranes.push_back(reading);
  std::sort(cranes.begin(), cranes.end(),
            [](const auto& a, const auto& b) { return a.lifeUsed > b.lifeUsed; });
  return cranes;
}

// The number written just before " %" on `line`; nothing when there is none.
std::optional<double> Percent(const std::string& line) {
  const std::size_t sign = line.find(" %");
  if (sign == std::string::npos) return std::nullopt;
  std::size_t start = sign;
  while (start > 0 && (std::isdigit(static_cast<unsigned char>(line[start - 1])) || line[start - 1] == '.'))
    --start;
  if (start == sign) return std::nullopt;
  return std::stod(line.substr(start, sign - start));
}

TEST(FleetReport, ListsTheCranesByLifeUsedAsTheTablesGiveThem) {
  TempDir dir;
  // Three cranes read out three, two and one times, a month and more apart, and an empty file.
  const std::vector<std::pair<int, std::vector<int>>> readings = {{1, {0, 30, 60}}, {2, {0, 45}}, {3, {0}}};
  for (const auto& [crane, laterDays] : readings) {
    for (const int later : laterDays) {
      DumpBuilder builder;
      demo::BuildDemo(builder, {.seed = static_cast<std::uint32_t>(crane), .crane = crane, .laterDays = later});
      builder.Write(dir.File("c" + std::to_string(crane) + "-" + std::to_string(later) + ".bin"));
    }
  }
  std::ofstream(dir.File("empty.bin")).flush();
  const std::string out = dir.File("out");

  const CliRun run = RunCli({"fleet", dir.Path().string(), "--out", out, "--report", "--no-pdf"}, {"LC_ALL=C"});
  EXPECT_EQ(run.exitCode, 1) << run.err;  // the empty file
  const json doc = run.Document();
  ASSERT_TRUE(doc["report"].is_object()) << doc.dump();
  EXPECT_EQ(doc["report"]["file"], out + "/fleet.pdf");
  EXPECT_EQ(doc["report"]["pages"], 1 + 3);  // the list, then a page per crane

  const std::vector<LastReading> expected = CranesByLifeUsed(out + "/cranes.csv");
  ASSERT_EQ(expected.size(), 3u);
  const std::string text = PdfText(out + "/fleet.pdf");
  const std::string firstPage = text.substr(0, text.find('\f'));
  EXPECT_NE(firstPage.find(dir.File("empty.bin")), std::string::npos) << firstPage;

  std::size_t previous = 0;
  for (const LastReading& crane : expected) {
    std::size_t at = previous;
    std::string line;
    while ((at = firstPage.find(crane.craneSerial, at + 1)) != std::string::npos) {
      const std::size_t begin = firstPage.rfind('\n', at) + 1;
      line = firstPage.substr(begin, firstPage.find('\n', at) - begin);
      if (line.find(crane.limiterSerial) != std::string::npos) break;
    }
    ASSERT_NE(at, std::string::npos) << "crane " << crane.craneSerial << " not after the one before:\n"
                                     << firstPage;
    const std::optional<double> life = Percent(line);
    ASSERT_TRUE(life) << line;
    EXPECT_NEAR(*life, crane.lifeUsed, 0.0051) << line;
    previous = at;
  }
}

}  // namespace
}  // namespace vertal::testing
