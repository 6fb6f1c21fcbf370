// vertal-cli check FILE, and the rules that every command shares (exit statuses, usage errors,
// UTF-8 output), run as a real process.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CliProcess.h"
#include "support/DumpBuilder.h"
#include "support/LongTermMessages.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

using Record = LongTermRecord;
using ::testing::ElementsAreArray;

const std::string& kLoadedTimeText = kLoadedTimeMessage;

std::vector<std::string> Messages(const nlohmann::json& doc) {
  return doc.at("messages").get<std::vector<std::string>>();
}

class CheckCommand : public ::testing::Test {
 protected:
  std::string Write(const DumpBuilder& builder, const std::string& name = "dump.bin") {
    const std::string path = dir_.File(name);
    builder.Write(path);
    return path;
  }
  std::string WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    const std::string path = dir_.File(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  // A run that must end normally with one JSON document.
  static nlohmann::json Checked(const std::string& path, int expectedExit = 0) {
    const CliRun run = RunCli({"check", path});
    EXPECT_EQ(run.signal, 0) << run.err;
    EXPECT_EQ(run.exitCode, expectedExit) << run.err;
    return run.Document();
  }

  TempDir dir_;
};

TEST_F(CheckCommand, SoundDumpReportsItsVersionAndNoMessage) {
  for (const std::int8_t version : {std::int8_t{31}, std::int8_t{30}, std::int8_t{-56}}) {
    DumpBuilder builder;
    builder.RecorderVersion(version);
    const nlohmann::json doc = Checked(Write(builder));
    EXPECT_EQ(doc.at("RecorderVersion"), version);
    EXPECT_TRUE(Messages(doc).empty());
    // The keys in the documented order.
    EXPECT_EQ(doc.begin().key(), "RecorderVersion");
  }
}

TEST_F(CheckCommand, DamagedRecordsAreReportedInCheckOrder) {
  // Damaged out of order: the pass still reports in its own order, and the two service records
  // that share a text report it twice.
  const std::vector<Record> damaged = {Record::UnitService2, Record::WorkCycles1,
                                       Record::CraneIdent0, Record::LoadedTime,
                                       Record::CharNumber0};
  DumpBuilder builder;
  builder.RecorderVersion(31);
  for (const Record r : damaged) builder.Damage(r);
  const nlohmann::json doc = Checked(Write(builder));
  EXPECT_EQ(doc.at("RecorderVersion"), 31);
  EXPECT_THAT(Messages(doc), ElementsAreArray({kRecordMessages[1], kRecordMessages[2],
                                               kRecordMessages[11], kLoadedTimeText,
                                               kLoadedTimeText}));
}

TEST_F(CheckCommand, EveryRecordDamagedGivesSeventeenMessages) {
  DumpBuilder builder;
  builder.RecorderVersion(30);  // the service checks run whatever the version
  for (int r = 0; r < kLongTermRecordCount; ++r) builder.Damage(static_cast<Record>(r));
  const nlohmann::json doc = Checked(Write(builder));
  EXPECT_EQ(doc.at("RecorderVersion"), 30);
  EXPECT_THAT(Messages(doc), ElementsAreArray(kRecordMessages));
}

TEST_F(CheckCommand, FileThatCannotBeOpenedEndsWithStatusOne) {
  std::vector<std::string> paths = {dir_.File("missing.bin"), dir_.Path().string(), ""};
  DumpBuilder builder;
  const std::string locked = Write(builder, "locked.bin");
  ::chmod(locked.c_str(), 0);
  if (::geteuid() != 0) paths.push_back(locked);  // permission bits do not stop root

  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const CliRun run = RunCli({"check", path});
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, kOpenFailed + "\n");
    const nlohmann::json doc = run.Document();
    EXPECT_TRUE(doc.at("RecorderVersion").is_null());
    EXPECT_THAT(Messages(doc), ElementsAreArray({kOpenFailed}));
  }
}

TEST_F(CheckCommand, ShortFilesReadAsZeroBeyondTheirEnd) {
  DumpBuilder builder;
  builder.RecorderVersion(31);

  // Nothing: every record is zero, so every checksum fails.
  EXPECT_THAT(Messages(Checked(WriteBytes({}, "empty.bin"))), ElementsAreArray(kRecordMessages));

  // 100 bytes: the limiter identification (94 bytes) is whole and sound, everything after it
  // is cut or missing.
  builder.WriteTruncated(dir_.File("short.bin"), 100);
  const nlohmann::json doc = Checked(dir_.File("short.bin"));
  EXPECT_EQ(doc.at("RecorderVersion"), 31);
  EXPECT_THAT(Messages(doc), ElementsAreArray(kRecordMessages.begin() + 1, kRecordMessages.end()));
}

TEST_F(CheckCommand, RandomBytesNeverCrash) {
  std::mt19937 rng(20240917);
  std::vector<std::uint8_t> bytes(20u << 20);
  std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(rng()); });
  const nlohmann::json doc = Checked(WriteBytes(bytes, "noise.bin"));
  EXPECT_EQ(doc.at("RecorderVersion"), static_cast<std::int8_t>(bytes[12]));
  const std::vector<std::string> messages = Messages(doc);
  EXPECT_FALSE(messages.empty());
  for (const std::string& m : messages)
    EXPECT_NE(std::find(kRecordMessages.begin(), kRecordMessages.end(), m), kRecordMessages.end())
        << m;
}

TEST_F(CheckCommand, OutputIsPlainUtf8) {
  DumpBuilder builder;
  builder.Damage(Record::LimiterIdent1);
  const CliRun run = RunCli({"check", Write(builder)}, {"LC_ALL=C"});
  EXPECT_EQ(run.exitCode, 0);
  // Cyrillic is written as UTF-8, not as \u escapes, whatever the locale.
  EXPECT_NE(run.out.find(kRecordMessages[7]), std::string::npos) << run.out;
  EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(CliUsage, BadCommandLinesEndWithStatusTwoAndOneLine) {
  const std::vector<std::vector<std::string>> lines = {
      {},                                    // no command
      {"frob", "x.bin"},                     // unknown command
      {"check"},                             // FILE missing
      {"check", "a.bin", "b.bin"},           // one FILE too many
      {"check", "--no-such-option", "a.bin"},
  };
  for (const auto& args : lines) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(CliUsage, HelpListsTheCommandsAndVersionNamesTheTool) {
  const CliRun top = RunCli({"--help"});
  EXPECT_EQ(top.exitCode, 0);
  EXPECT_NE(top.out.find("check"), std::string::npos) << top.out;

  // One line, as help2man and scripts read it: the tool's name and the version.
  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.starts_with("vertal-cli ") && version.out.size() > 12) << version.out;
  EXPECT_EQ(std::count(version.out.begin(), version.out.end(), '\n'), 1) << version.out;

  const CliRun check = RunCli({"check", "--help"});
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_NE(check.out.find("FILE"), std::string::npos) << check.out;
}

}  // namespace
}  // namespace vertal::testing
