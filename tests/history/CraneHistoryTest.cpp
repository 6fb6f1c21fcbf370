// Crane histories over generated readings: the fit, resets, same-day readings, overloads per
// period, cranes kept apart and files that cannot be read.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "dump/core/Classification.h"
#include "history/core/CraneHistory.h"
#include "history/core/LineFit.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::history {
namespace {

using namespace std::chrono;
using testing::DumpBuilder;

constexpr int kCrane = 3;

// A reading of the demo crane: its readout day and characteristic number, and what else the
// test changes.
struct Shot {
  year_month_day date;
  float charNumber;
  void (*change)(DumpBuilder&) = nullptr;
};

testing::BcdTriple Bcd(year_month_day d) {
  const auto bcd = [](unsigned v) { return static_cast<std::uint8_t>((v / 10) << 4 | v % 10); };
  return {bcd(static_cast<unsigned>(d.day())), bcd(static_cast<unsigned>(d.month())),
          bcd(static_cast<unsigned>(static_cast<int>(d.year()) % 100))};
}

class CraneHistoryTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Shot& s, int crane = kCrane) {
    DumpBuilder b;
    demo::BuildDemo(b, {.crane = crane});
    b.CharNumber(0, s.charNumber).CharNumber(1, s.charNumber);
    dump::OperatorTrailer trailer;
    trailer.date = Bcd(s.date);
    b.Trailer(trailer);
    if (s.change) s.change(b);
    const std::string path = dir.File(name);
    b.Write(path);
    return path;
  }

  std::vector<std::string> WriteAll(const std::vector<Shot>& shots) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < shots.size(); ++i)
      files.push_back(Write("r" + std::to_string(i) + ".bin", shots[i]));
    return files;
  }

  static FleetHistory Read(std::vector<std::string> files, unsigned jobs = 2) {
    return ReadHistory({std::move(files), jobs, ","});
  }

  testing::TempDir dir;
};

constexpr year_month_day kDay0 = 2008y / October / 1;

TEST(LineFit, EqualsTheLeastSquaresLineByHand) {
  const sys_days d0{kDay0};
  struct Case {
    std::vector<DayValue> points;
    double perDay, atOrigin;
  };
  // x = 0, 30, 90; y = 50000, 50400, 51000: mean x 40, mean y 50466.67,
  // Sxx = 1600 + 100 + 2500 = 4200, Sxy = 40 * 466.67 + 10 * 66.67 + 50 * 533.33 = 46000.
  const std::vector<Case> cases = {
      {{{d0, 50000}, {d0 + days(30), 50400}, {d0 + days(90), 51000}},
       46000.0 / 4200,
       50466.0 + 2.0 / 3 - 46000.0 / 4200 * 40},
      {{{d0 + days(10), 7}, {d0, 3}}, 0.4, 3},  // two points: the line through them
      {{{d0, 5}, {d0 + days(1), 5}, {d0 + days(2), 5}}, 0, 5},
  };
  for (const Case& c : cases) {
    const std::optional<FitLine> line = FitLeastSquares(c.points);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->origin, d0);
    EXPECT_NEAR(line->perDay, c.perDay, 1e-9);
    EXPECT_NEAR(line->valueAtOrigin, c.atOrigin, 1e-6);
  }
  const std::vector<DayValue> oneDay = {{d0, 1}, {d0, 2}};
  EXPECT_FALSE(FitLeastSquares(oneDay));
}

TEST_F(CraneHistoryTest, ForecastFollowsTheFitOverAllReadingsInAnyFileOrder) {
  const sys_days d0{kDay0};
  std::vector<std::string> files = WriteAll(
      {{sys_days(d0 + days(90)), 51000}, {kDay0, 50000}, {sys_days(d0 + days(30)), 50400}});
  const FleetHistory h = Read(files);
  ASSERT_EQ(h.cranes.size(), 1u);
  const CraneHistory& c = h.cranes[0];
  ASSERT_EQ(c.readings.size(), 3u);
  EXPECT_EQ(c.readings[0].dateText, "01.10.08");
  EXPECT_EQ(c.readings[2].dateText, "30.12.08");
  const Forecast& f = c.forecast;
  EXPECT_EQ(f.readings, 3u);
  EXPECT_EQ(f.spanText, "01.10.08 – 30.12.08");
  ASSERT_TRUE(f.line);
  const double perDay = 46000.0 / 4200;
  EXPECT_NEAR(f.line->perDay, perDay, 1e-6);
  // The line on the last day, then on at its rate to the normative number.
  const double onLastDay = 50466.0 + 2.0 / 3 + perDay * 50;
  const auto expected =
      d0 + days(90) + days(static_cast<int>(std::ceil((c.normativeNumber - onLastDay) / perDay)));
  ASSERT_GT(c.normativeNumber, 51000);
  EXPECT_EQ(f.day, expected);
  ASSERT_TRUE(f.date.value);
  EXPECT_NE(f.date.text.find("По 3 считываниям с 01.10.08 по 30.12.08. При темпе 10,95 в сутки"),
            std::string::npos)
      << f.date.text;
  EXPECT_NE(f.date.text.find(*f.date.value), std::string::npos);
  // The design life used per period: 400 of the normative number, and the crane's in all.
  EXPECT_FALSE(c.readings[0].lifeUsed.value);
  ASSERT_TRUE(c.readings[1].lifeUsedPercent);
  EXPECT_NEAR(*c.readings[1].lifeUsedPercent, 400.0 * 100 / c.normativeNumber, 1e-3);
  EXPECT_NEAR(*c.lifeUsedPercent, 51000.0 * 100 / c.normativeNumber, 1e-3);
  EXPECT_TRUE(c.findings.empty());
}

void Reset(DumpBuilder& b) {
  b.LoadCycles(0, 3, 1).LoadCycles(1, 3, 1);
}

TEST_F(CraneHistoryTest, ALowerCounterStartsANewFit) {
  const sys_days d0{kDay0};
  const FleetHistory h = Read(WriteAll({{kDay0, 50000},
                                        {sys_days(d0 + days(30)), 50900},
                                        {sys_days(d0 + days(60)), 100, Reset},
                                        {sys_days(d0 + days(90)), 400, Reset}}));
  ASSERT_EQ(h.cranes.size(), 1u);
  const CraneHistory& c = h.cranes[0];
  ASSERT_EQ(c.readings.size(), 4u);
  EXPECT_EQ(c.readings[1].segment, 0u);
  EXPECT_EQ(c.readings[2].segment, 1u);
  EXPECT_EQ(c.readings[3].segment, 1u);
  EXPECT_FALSE(c.readings[2].lifeUsed.value);
  ASSERT_EQ(c.findings.size(), 1u);
  EXPECT_EQ(c.findings[0].kind, FindingKind::CounterLower);
  EXPECT_EQ(c.findings[0].readings, std::vector<std::size_t>{2});
  EXPECT_NE(c.findings[0].text.find("Характеристическое число"), std::string::npos)
      << c.findings[0].text;
  // Only the two readings after the reset: 300 in 30 days.
  EXPECT_EQ(c.forecast.readings, 2u);
  ASSERT_TRUE(c.forecast.line);
  EXPECT_NEAR(c.forecast.line->perDay, 10.0, 1e-9);
}

void HeavyOverloads(DumpBuilder& b) {
  const testing::BcdTriple date{0x05, 0x11, 0x08};
  b.OverloadRecord(2597, testing::EncodeOverload(130, date))
      .OverloadRecord(2598, testing::EncodeOverload(126, date))
      .OverloadRecord(2599, testing::EncodeOverload(125, date));
}

TEST_F(CraneHistoryTest, SameDayReadingsAndOverloadsOfThePeriodAreReported) {
  const FleetHistory h = Read(WriteAll({{kDay0, 50000}, {kDay0, 50010, HeavyOverloads}}));
  ASSERT_EQ(h.cranes.size(), 1u);
  const CraneHistory& c = h.cranes[0];
  ASSERT_EQ(c.findings.size(), 1u);
  EXPECT_EQ(c.findings[0].kind, FindingKind::SameDay);
  EXPECT_EQ(c.findings[0].readings, (std::vector<std::size_t>{0, 1}));
  EXPECT_FALSE(c.readings[0].overloadsAbove125);
  EXPECT_EQ(c.readings[1].overloadsAbove125, 2u);
  // Two readings of one day give no rate.
  EXPECT_FALSE(c.forecast.date.value);
  EXPECT_FALSE(c.forecast.line);
}

void OtherLimiter(DumpBuilder& b) {
  for (int bank = 0; bank < 2; ++bank)
    b.Limiter(bank, {.serial = "9999", .recorderVersion = 31, .maker = ""});
}

TEST_F(CraneHistoryTest, CranesOfAnotherLimiterOrModelStayApart) {
  const std::vector<std::string> files = {
      Write("a.bin", {kDay0, 50000}),
      Write("b.bin", {kDay0, 50000, OtherLimiter}),  // same crane serial and model
      Write("c.bin", {sys_days(sys_days(kDay0) + days(5)), 50100}),
      Write("d.bin", {kDay0, 50000}, kCrane + 1),
  };
  const FleetHistory h = Read(files, 1);
  ASSERT_EQ(h.cranes.size(), 3u);
  std::vector<std::size_t> counts;
  for (const CraneHistory& c : h.cranes) counts.push_back(c.readings.size());
  std::sort(counts.begin(), counts.end());
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 1, 2}));

  // The window's question: the history of one file's crane over a folder.
  const FileHistory one = HistoryOfFile(files[2], dir.Path().string(), 2, ",");
  ASSERT_TRUE(one.crane);
  ASSERT_EQ(one.crane->readings.size(), 2u);
  EXPECT_EQ(one.crane->readings[1].file, files[2]);
}

TEST_F(CraneHistoryTest, FilesThatCannotBeReadAreReportedOneByOne) {
  DumpBuilder b;
  demo::BuildDemo(b, {.crane = kCrane});
  const std::string shortFile = dir.File("short.bin");
  b.WriteTruncated(shortFile, 1'000'000);
  const std::string empty = dir.File("empty.bin");
  std::ofstream{empty};
  const std::string missing = dir.File("missing.bin");
  const std::string good = Write("good.bin", {kDay0, 50000});
  const FleetHistory h = Read({empty, good, missing, shortFile});
  ASSERT_EQ(h.failed.size(), 2u);
  EXPECT_EQ(h.failed[0].file, empty);
  EXPECT_NE(h.failed[0].error, "");
  EXPECT_EQ(h.failed[1].file, missing);
  EXPECT_EQ(h.failed[1].error, "Файл не удалось открыть!");
  // A short file is read as the fleet run reads it: without its trailer it has no readout date
  // and comes after the dated reading.
  ASSERT_EQ(h.cranes.size(), 1u);
  ASSERT_EQ(h.cranes[0].readings.size(), 2u);
  EXPECT_EQ(h.cranes[0].readings[1].file, shortFile);
  EXPECT_FALSE(h.cranes[0].readings[1].day);

  const FileHistory none = HistoryOfFile(empty, dir.Path().string(), 1, ",");
  EXPECT_FALSE(none.crane);
  ASSERT_FALSE(none.failed.empty());
  EXPECT_EQ(none.failed[0].file, empty);
}

}  // namespace
}  // namespace vertal::history
