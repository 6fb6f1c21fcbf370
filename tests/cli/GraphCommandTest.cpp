// vertal-cli graph FILE --kind param|relay --at P: one window of a graph as the window draws
// it after opening FILE and moving the scroll bar.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

using nlohmann::json;

class GraphCommand : public ::testing::Test {
 protected:
  GraphCommand() {
    builder.Limiter(0, LimiterIdent{"0412", 5, 3, 12, 2, 31, "M"});
    builder.Crane(0, CraneIdent{1187, 2006, 4, "KS-1", {0x01, 0x01, 0x08}, "", ""});
  }

  json Graph(const std::string& kind, const std::string& at) {
    builder.Write(path);
    const CliRun run = RunCli({"graph", path, "--kind", kind, "--at", at}, {"LC_ALL=C"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.Document();
  }

  static FrameFields Fields(std::uint8_t moment, std::uint8_t limits = 0) {
    FrameFields f;
    f.loadMoment = moment;
    f.load = -100;
    f.radius = 1234;
    f.length = 2150;
    f.azimuth = 3600;
    f.limits = limits;
    return f;
  }

  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
};

TEST_F(GraphCommand, ParamWindowWithItsSeriesTitleAndLimitLine) {
  // Overload episodes at frames 1,000 and 5,000; frames 0 .. 2,047 valid.
  for (std::int64_t n = 0; n < 2048; ++n) builder.Frame(n, Fields(n == 1000 ? 120 : 50));
  builder.Frame(5000, Fields(115)).Frame(100002, Fields(87));
  const json doc = Graph("param", "100000");
  EXPECT_EQ(doc["position"], 100000);
  EXPECT_EQ(doc["axis"], (json{100000, 102048}));
  EXPECT_EQ(doc["title"],
            "График параметров работы стрелового крана KS-1 № 1187 по данным РП VERTAL № 0412 (по кадрам)");
  const json& s = doc["series"];
  // In the order of the chart's series, as printed.
  std::vector<std::string> names;
  const auto printed = nlohmann::ordered_json::parse(RunCli({"graph", path, "--kind", "param", "--at", "0"}).out);
  for (const auto& [name, points] : printed["series"].items()) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"Series1", "Series2", "Series3", "Series4", "Series5",
                                             "Series16", "Series18"}));
  EXPECT_EQ(s["Series2"], (json{{100002, 87}}));
  EXPECT_EQ(s["Series3"], (json{{100002, -1.0}}));
  EXPECT_EQ(s["Series4"].dump(), "[[100002,12.34]]");
  EXPECT_EQ(s["Series5"].dump(), "[[100002,21.5]]");
  EXPECT_EQ(s["Series16"].dump(), "[[100002,360.0]]");
  EXPECT_EQ(s["Series18"], (json{{100002, 0}}));
  // The limit line: one mark at the first frame of each overload episode.
  EXPECT_EQ(s["Series1"], (json{{1000, 110}, {5000, 110}}));
  EXPECT_EQ(doc["messages"], json::array());
}

TEST_F(GraphCommand, RelayBarsAndPositionsClampedLikeTheScrollBar) {
  builder.Frame(10, Fields(0, 0x88)).Frame(11, Fields(0, 0x0F)).Frame(12, Fields(0, 0));
  builder.Frame(270275, Fields(0, 0x40)).Frame(270276, Fields(0, 0x40));
  json doc = Graph("relay", "-5");
  EXPECT_EQ(doc["position"], 0);
  const json& s = doc["series"];
  EXPECT_EQ(s.size(), 8u);
  EXPECT_FALSE(s.contains("Series1"));
  EXPECT_EQ(s["Series6"], (json{{10, 1}}));
  EXPECT_EQ(s["Series10"], (json{{10, 1}, {11, 1}}));
  EXPECT_EQ(s["Series13"], (json{{11, 4}}));
  EXPECT_EQ(s["Series7"], json::array());

  // Beyond the end: the last window, which ends with the last frame slot.
  builder.Frame(270335, Fields(0, 0x40));
  doc = Graph("relay", "999999");
  EXPECT_EQ(doc["position"], 268288);
  EXPECT_EQ(doc["axis"], (json{268288, 270336}));
  EXPECT_EQ(doc["series"]["Series7"], (json{{270275, 2}, {270276, 2}, {270335, 2}}));
  EXPECT_EQ(doc["title"], "График работы дискр. входов и выходных реле стрелового крана KS-1 № 1187 "
                          "по данным РП VERTAL № 0412 (по кадрам)");
}

TEST_F(GraphCommand, TheOpeningTitleStaysWhenTheShownWindowHasNoValidFrame) {
  builder.Frame(3, Fields(40));
  const json doc = Graph("param", "268288");  // the opening's own window: no move
  EXPECT_EQ(doc["title"],
            "График параметров работы стрелового крана KS-1 №1187 по данным РП VERTAL №0412 (по кадрам)");
  EXPECT_EQ(doc["series"]["Series2"], json::array());
}

TEST_F(GraphCommand, BadKindOrPositionIsBadUsageAndAMissingFileStatusOne) {
  builder.Write(path);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"graph", path, "--kind", "bars", "--at", "0"},
           {"graph", path, "--kind", "param", "--at", "1.5"},
           {"graph", path, "--kind", "param"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << args[3];
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
  const CliRun missing = RunCli({"graph", dir.File("gone.bin"), "--kind", "relay", "--at", "0"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.Document()["messages"], (json{"\n Файл не удалось открыть!"}));
}

}  // namespace
}  // namespace vertal::testing
