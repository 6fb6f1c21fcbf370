// vertal-cli info FILE: the service and load spectrum pages as the window fills them.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

class InfoCommand : public ::testing::Test {
 protected:
  nlohmann::json Info(const DumpBuilder& builder, const std::vector<std::string>& env = {"LC_ALL=C"}) {
    builder.Write(path);
    const CliRun run = RunCli({"info", path}, env);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.Document();
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
};

TEST_F(InfoCommand, PrintsTheTextsGaugesAndCaptionsOfAVersion31File) {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"77", 5, 1, 2, 3, 31, "M"});
  b.CharNumber(0, 2.5f).WorkCycles(0, 1, 10).WorkCycles(0, 2, 20).WorkCycles(0, 3, 30);
  b.LiftedWeight(1, 12345).LoadedSeconds(3725);
  const nlohmann::json doc = Info(b);
  EXPECT_EQ(doc["RecorderVersion"], 31);
  const nlohmann::json& c = doc["controls"];
  EXPECT_EQ(c["Label_ModVERTAL"], "VERTAL-5");
  EXPECT_EQ(c["Label_Prog"], "5.3");
  EXPECT_EQ(c["Label_HarCh"], "2.50");
  EXPECT_EQ(c["Label_Sum_Q"], "123т");
  EXPECT_EQ(c["Label_N_N_L"], "1:02:05");
  EXPECT_EQ(c["CGauge_10"], 33);
  EXPECT_EQ(c["CGauge_30"], 100);
  EXPECT_EQ(c["Label67"], "Диаграмма нагрузки в рабочих циклах");
  EXPECT_EQ(c["Label44"], "Номер изменения:");
  EXPECT_EQ(doc["hidden"], nlohmann::json::array());
}

TEST_F(InfoCommand, Version30HidesTheLoadedTimeAndTheOverloadSplit) {
  DumpBuilder b;
  b.RecorderVersion(30);
  const nlohmann::json doc = Info(b);
  EXPECT_EQ(doc["controls"]["Label81"], "120% < M < 130%");
  EXPECT_EQ(doc["controls"]["Label44"], "Версия программы:");
  EXPECT_FALSE(doc["controls"].contains("Label_N_N_L"));
  EXPECT_EQ(doc["hidden"], (nlohmann::json{"Label38", "Label39", "Label40", "Label_K_P_110_125",
                                           "Label_K_P_125", "Label_N_N_L"}));
}

TEST_F(InfoCommand, NumbersFollowTheLocaleSeparator) {
  if (!RussianLocaleInstalled()) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
  DumpBuilder b;
  b.CharNumber(0, 2.5f);
  const nlohmann::json doc = Info(b, {"LC_ALL=ru_RU.UTF-8"});
  EXPECT_EQ(doc["controls"]["Label_HarCh"], "2,50");
}

TEST_F(InfoCommand, AMissingFileExitsWithStatusOne) {
  const CliRun run = RunCli({"info", dir.File("missing.bin")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.Document()["messages"], (nlohmann::json{"\n Файл не удалось открыть!"}));
  EXPECT_EQ(run.Document()["controls"], nlohmann::json::object());
}

}  // namespace
}  // namespace vertal::testing
