#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "dump/core/OpenSequence.h"
#include "dump/core/RecordAccess.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::dump {
namespace {

using testing::DumpBuilder;
using testing::FakeHost;
using testing::LongTermRecord;
using testing::TempDir;

struct Opened {
  bool completed;
  std::int8_t version;
  FakeHost host;
};

Opened OpenWithFileStages(const std::string& path) {
  Opened result{false, 0, {}};
  OpenSequence sequence;
  AddFileStages(sequence);
  OpenContext context(path, result.host);
  result.completed = sequence.Run(context);
  result.version = context.recorderVersion;
  return result;
}

TEST(OpenSequence, AFileThatCannotBeOpenedGivesOneErrorAndStops) {
  TempDir dir;
  std::ofstream(dir.File("empty.bin")).flush();
  for (const std::string& path : {dir.File("missing.bin"), dir.Path().string(), std::string()}) {
    const Opened o = OpenWithFileStages(path);
    EXPECT_FALSE(o.completed) << path;
    ASSERT_EQ(o.host.messages.size(), 1u) << path;
    EXPECT_EQ(o.host.messages[0], (Message{MessageKind::Error, std::string(kOpenFailedText)}));
  }
}

TEST(OpenSequence, KeepsTheVersionAndReportsDamagedRecordsInOrder) {
  TempDir dir;
  DumpBuilder b;
  b.RecorderVersion(30).Damage(LongTermRecord::LoadedTime).Damage(LongTermRecord::CraneIdent0);
  b.Write(dir.File("d.bin"));
  const Opened o = OpenWithFileStages(dir.File("d.bin"));
  EXPECT_TRUE(o.completed);
  EXPECT_EQ(o.version, 30);
  ASSERT_EQ(o.host.messages.size(), 2u);
  EXPECT_EQ(o.host.messages[0].kind, MessageKind::Plain);
  EXPECT_EQ(o.host.messages[0].text, "Ошибка контольной суммы идентификации крана в Банке-0!");
  EXPECT_EQ(o.host.messages[1].text,
            "Ошибка контольной суммы служебной информации БОИ, cчетчика моточасов нагруженой стрелы!");
}

TEST(OpenSequence, ShortAndRandomFilesAreReadAsFarAsTheyGo) {
  TempDir dir;
  DumpBuilder b;
  b.RecorderVersion(-56);
  b.WriteTruncated(dir.File("short.bin"), 100);
  const Opened shortFile = OpenWithFileStages(dir.File("short.bin"));
  EXPECT_TRUE(shortFile.completed);
  EXPECT_EQ(shortFile.version, -56);
  // Only the first record lies wholly in the 100 bytes; the rest read as zeros and fail.
  EXPECT_EQ(shortFile.host.messages.size(), 16u);

  std::ofstream empty(dir.File("empty.bin"));
  empty.close();
  const Opened emptyFile = OpenWithFileStages(dir.File("empty.bin"));
  EXPECT_TRUE(emptyFile.completed);
  EXPECT_EQ(emptyFile.host.messages.size(), 17u);

  std::mt19937 random(7);
  std::vector<char> noise(20 * 1024 * 1024);
  for (char& c : noise) c = static_cast<char>(random());
  std::ofstream(dir.File("noise.bin"), std::ios::binary).write(noise.data(), static_cast<std::streamsize>(noise.size()));
  const Opened noiseFile = OpenWithFileStages(dir.File("noise.bin"));
  EXPECT_TRUE(noiseFile.completed);
  EXPECT_EQ(noiseFile.version, static_cast<std::int8_t>(noise[12]));
}

TEST(OpenSequence, StepsRunByStageAndAFalseStepEndsTheRun) {
  TempDir dir;
  DumpBuilder().Write(dir.File("d.bin"));
  std::vector<std::string> trace;
  OpenSequence sequence;
  sequence.Add(OpenStage::VersionCaptions, [&](OpenContext&) { trace.push_back("captions"); return true; });
  sequence.Add(OpenStage::FrameTable, [&](OpenContext&) { trace.push_back("frames"); return false; });
  sequence.Add(OpenStage::ReadVersion, [&](OpenContext&) { trace.push_back("version-a"); return true; });
  sequence.Add(OpenStage::ReadVersion, [&](OpenContext&) { trace.push_back("version-b"); return true; });
  AddFileStages(sequence);
  FakeHost host;
  OpenContext context(dir.File("d.bin"), host);
  EXPECT_FALSE(sequence.Run(context));
  EXPECT_EQ(trace, (std::vector<std::string>{"version-a", "version-b", "frames"}));
  EXPECT_TRUE(context.head.has_value());
}

}  // namespace
}  // namespace vertal::dump
