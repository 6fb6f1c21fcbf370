// vertal-cli audit and days, run as a real process.

#include <gtest/gtest.h>

#include "CliProcess.h"
#include "frames/core/FrameLayout.h"
#include "recording/core/Sha256.h"

namespace vertal::testing {
namespace {

using json = nlohmann::json;

class RecordingCommands : public CliCommandTest {
 protected:
  DumpBuilder OneDay() {
    DumpBuilder b;
    for (std::uint8_t i = 0; i < 3; ++i) {
      FrameFields f;
      f.date = {0x10, 0x09, 0x08};
      f.time = {static_cast<std::uint8_t>(2 * i), 0x30, 0x08};
      f.kos = frames::kKosWorkMode;
      f.loadMoment = i == 1 ? 40 : 0;
      f.faultCode = i == 0 ? frames::kFaultSwitchOn : 0;
      b.Frame(i, f);
    }
    return b;
  }
};

TEST_F(RecordingCommands, AuditNamesEachFindingWithItsFrameAndTheFilesDigest) {
  DumpBuilder b = OneDay();
  b.DamageFrame(5);
  const json doc = Run({"audit", Write(b)});
  recording::Sha256 sha;
  sha.Update(b.Bytes());
  EXPECT_EQ(doc["sha256"], recording::DigestHex(sha.Finish()));
  EXPECT_EQ(doc["size"], dump::kDumpFileSize);
  EXPECT_EQ(doc["messages"], json::array());
  json damaged;
  for (const json& f : doc["findings"])
    if (f["check"] == "damaged") damaged = f;
  EXPECT_EQ(damaged, (json{{"severity", "warning"},
                           {"check", "damaged"},
                           {"text", "Повреждённый кадр (неверны контрольная сумма, дата или время): 5-й."},
                           {"frame", 5}}));
}

TEST_F(RecordingCommands, DaysPrintsTheJournalsCellsColumnByColumn) {
  const json doc = Run({"days", Write(OneDay())});
  EXPECT_EQ(doc["controls"]["Grid_Days"],
            json::parse(R"([["10.09.08"], ["08:30:00"], ["08:30:04"], ["0:00"], ["1"], ["40"],
                ["08:30:02"], ["0"], ["0"], ["0"], ["1"], ["0"], ["1"]])"));
}

TEST_F(RecordingCommands, AMissingFileIsStatusOneWithTheOpenMessage) {
  for (const std::string command : {"audit", "days"}) {
    const CliRun run = RunCli({command, dir.File("missing.bin")});
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(run.err, "\n Файл не удалось открыть!\n") << command;
    EXPECT_EQ(run.Document()["messages"], json{"\n Файл не удалось открыть!"}) << command;
  }
}

}  // namespace
}  // namespace vertal::testing
