// vertal-cli history: the document's shape over a folder of readings, run as a real process.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CliProcess.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::testing {
namespace {

using HistoryCommand = CliCommandTest;

TEST_F(HistoryCommand, OneObjectPerCraneAndOneEntryPerFaultyFile) {
  std::filesystem::create_directories(dir.File("in"));
  for (const int later : {0, 30}) {
    DumpBuilder b;
    demo::BuildDemo(b, {.laterDays = later});
    b.Write(dir.File("in/r" + std::to_string(later) + ".bin"));
  }
  const std::string empty = dir.File("in/empty.bin");
  std::ofstream{empty};
  const nlohmann::json doc = Run({"history", dir.File("in"), "--jobs", "2"}, 1);
  EXPECT_EQ(doc.at("messages"), nlohmann::json::array());
  EXPECT_EQ(doc.at("files"), 3);
  ASSERT_EQ(doc.at("failed").size(), 1u);
  EXPECT_EQ(doc.at("failed")[0].at("file"), empty);
  ASSERT_EQ(doc.at("cranes").size(), 1u);
  const nlohmann::json& crane = doc.at("cranes")[0];
  for (const char* key :
       {"identification", "limiter_serial", "crane", "crane_serial", "owner", "normative_group",
        "normative_char_number", "life_used", "forecast", "counter_names", "readings", "findings"})
    EXPECT_TRUE(crane.contains(key)) << key;
  const nlohmann::json& readings = crane.at("readings");
  ASSERT_EQ(readings.size(), 2u);
  EXPECT_EQ(readings[1].at("counters").size(), crane.at("counter_names").size());
  EXPECT_TRUE(readings[0].at("counters")[0].at("change").is_null());
  EXPECT_TRUE(readings[1].at("counters")[0].at("change").is_string());
  EXPECT_TRUE(readings[1].at("overloads_above_125").is_number());
  // LC_ALL=C: the decimal point.
  EXPECT_NE(readings[1].at("life_used").at("value").get<std::string>().find('.'),
            std::string::npos);
  EXPECT_EQ(crane.at("forecast").at("readings"), 2);
}

}  // namespace
}  // namespace vertal::testing
