// vertal-cli frames, decode, scan and search-frames: the page "Общая" as the window fills it.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameLayout.h"
#include "frames/core/FrameTable.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

using nlohmann::json;


FrameFields Valid(std::uint8_t loadMoment = 50) {
  FrameFields f;
  f.date = {0x15, 0x09, 0x08};
  f.kos = frames::kKosWorkMode;
  f.loadMoment = loadMoment;
  return f;
}

using FrameCommands = CliCommandTest;

TEST_F(FrameCommands, FramesPrintsThePageAtAClampedPosition) {
  DumpBuilder b;
  FrameFields f = Valid();
  f.radius = 1234;
  b.Frame(1, f);
  Write(b);
  const json page = Run({"frames", path, "--at", "1"});
  EXPECT_EQ(page["position"], 1);
  const auto expected = records::ReadTablePage(path, frames::FrameTableLayout(), 1, ".");
  EXPECT_EQ(page["StringGrid_O_Otb"], json(expected.columns));
  ASSERT_EQ(page["StringGrid_O_Otb"].size(), 5u);
  EXPECT_EQ(page["StringGrid_O_Otb"][0].size(), 21u);
  EXPECT_EQ(page["StringGrid_O_Otb"][0][20], "НОРМА");
  EXPECT_EQ(page["StringGrid_O_Otb"][1][1], "FF.FF.FF");  // erased slot
  EXPECT_EQ(page["StringGrid_O_Otb"][1][20], "БРАК");

  EXPECT_EQ(Run({"frames", path, "--at", "999999"})["position"], 270331);
  EXPECT_EQ(Run({"frames", path, "--at", "270335"})["StringGrid_O_Otb"][4][0], "270335");
  EXPECT_EQ(Run({"frames", path, "--at=-4"})["position"], 0);
}

TEST_F(FrameCommands, DecodeShowsWhatTheDecoderShows) {
  EXPECT_EQ(Run({"decode", "10", "00001101"})["message"], *frames::DecodeCell(10, "00001101"));
  EXPECT_EQ(Run({"decode", "19", "46"})["message"], "Е46 Реле БПК");
  EXPECT_EQ(Run({"decode", "19", "0"})["message"], "");
  EXPECT_EQ(Run({"decode", "3", "12"})["message"], "");
  EXPECT_EQ(RunCli({"decode", "row", "1"}).exitCode, 2);
}

TEST_F(FrameCommands, ScanPrintsThePeriodTheCountsAndTheLists) {
  DumpBuilder b;
  FrameFields on = Valid();
  on.faultCode = 1;
  b.Frame(0, on);
  for (int n = 10; n <= 20; ++n) b.Frame(n, Valid(115));
  b.DamageFrame(15);
  b.Damage(LongTermRecord::CraneIdent1);
  const json doc = Run({"scan", Write(b)});
  EXPECT_EQ(doc["messages"], json{"Ошибка контольной суммы идентификации крана в Банке-1!"});
  const json& c = doc["controls"];
  EXPECT_EQ(c["Label_NR"], "Начало работы РП: 15.09.08 в 12:00:00");
  EXPECT_EQ(c["Label_Cikl_M"], "Количество эпизодов: 2");
  EXPECT_EQ(c["ComboBox_Cikl_M"], (json{{{"text", "10-й кадр, дата: 15.09.08"}, {"n", 10}},
                                        {{"text", "16-й кадр, дата: 15.09.08"}, {"n", 16}}}));
  EXPECT_EQ(c["Label_ON"], "Количество включений: 1");
  EXPECT_EQ(c["ComboBox_ON"], (json{{{"text", "0-й кадр, дата 15.09.08"}, {"n", 0}}}));
  EXPECT_EQ(c["ComboBox_Cikl_MZON"], json::array());
  std::vector<std::string> names;
  for (const auto& [name, value] : c.items()) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "ComboBox_Cikl_M", "ComboBox_Cikl_MZON", "ComboBox_Cikl_NASTROYKA",
                       "ComboBox_ON", "Label_Cikl_M", "Label_Cikl_MZON", "Label_Cikl_NASTROYKA",
                       "Label_KR", "Label_NR", "Label_ON"}));
}

TEST_F(FrameCommands, SearchFramesTakesTheConditionsOfTheGroup) {
  DumpBuilder b;
  for (int n = 3; n < 20; ++n) {
    FrameFields f = Valid(n >= 5 && n <= 9 ? 100 : 50);
    if (n == 12) f.limits = 0x88;
    if (n == 17) f.faultCode = 1;
    b.Frame(n, f);
  }
  Write(b);
  const json one = Run({"search-frames", path, "--threshold", "100"});
  EXPECT_EQ(one["messages"], json::array());
  EXPECT_EQ(one["controls"]["ComboBox_Cikl"],
            (json{{{"text", "5-й кадр, дата 15.09.08"}, {"n", 5}}}));
  EXPECT_EQ(one["controls"]["Label_O_OtbZap"], "1");

  const json all = Run({"search-frames", path, "--threshold", "100", "--limits", "--faults"});
  EXPECT_EQ(all["controls"]["Label_O_OtbZap"], "3");
  EXPECT_EQ(all["controls"]["ComboBox_Cikl"][2]["n"], 17);
  // The design threshold 0 selects every valid frame: one run.
  EXPECT_EQ(Run({"search-frames", path})["controls"]["ComboBox_Cikl"][0]["n"], 3);
  EXPECT_EQ(Run({"search-frames", path, "--threshold", "255"})["controls"]["Label_O_OtbZap"], "0");
}

TEST_F(FrameCommands, ABadThresholdIsBadUsageAndAMissingFileStatusOne) {
  Write(DumpBuilder());
  const CliRun bad = RunCli({"search-frames", path, "--threshold", "1x"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_TRUE(bad.out.empty());
  EXPECT_NE(bad.err.find("Загрузка M%"), std::string::npos) << bad.err;

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"scan", dir.File("missing.bin")},
        std::vector<std::string>{"search-frames", dir.File("missing.bin")}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_EQ(run.Document()["messages"], json{kOpenFailed});
  }
  EXPECT_EQ(RunCli({"frames", dir.File("missing.bin"), "--at", "0"}).exitCode, 1);
}

}  // namespace
}  // namespace vertal::testing
