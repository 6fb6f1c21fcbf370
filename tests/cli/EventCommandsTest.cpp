// vertal-cli overloads, search-overloads, kds and search-kds: the pages "Перегрузки" and "КДС"
// as the window fills them, files without KDS records, and refused option values.

#include <gtest/gtest.h>

#include <array>

#include "CliProcess.h"
#include "dump/core/DumpLayout.h"
#include "records/core/TypedInput.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

using nlohmann::json;
using EventRecord = std::array<std::uint8_t, 10>;
using Date = std::array<std::uint8_t, 3>;

constexpr Date kSep20{0x20, 0x09, 0x08};



json Item(const std::string& text, std::int64_t n) {
  return {{"text", text}, {"n", n}};
}

DumpBuilder Records(std::int8_t version) {
  DumpBuilder b;
  b.RecorderVersion(version);
  b.OverloadRecord(0, EncodeOverload(130, {0x21, 0x09, 0x08}));  // a day late
  b.OverloadRecord(1, EncodeOverload(109, {0x15, 0x09, 0x08}));  // below the threshold
  b.OverloadRecord(3, EncodeOverload(110, kSep20));
  b.OverloadRecord(2595, EncodeOverload(140, {0x10, 0x09, 0x08}));
  b.KdsRecord(0, EncodeKds(35, 3));
  b.KdsRecord(1, EncodeKds(-5, 1));
  b.KdsRecord(2, EncodeKds(6, 5, kSep20, {0x59, 0x59, 0x23}));
  b.KdsRecord(146, EncodeKds(80, 5, {0x10, 0x09, 0x08}));
  return b;
}

using EventCommands = CliCommandTest;

TEST_F(EventCommands, TablesPrintThePageAtAClampedPosition) {
  Write(Records(31));
  const json per = Run({"overloads", path, "--at", "9999"});
  EXPECT_EQ(per["position"], 2591);
  ASSERT_EQ(per["StringGrid_Per_Otb"].size(), 9u);
  EXPECT_EQ(per["StringGrid_Per_Otb"][4],
            (json{"2595", "15.05", "8.25", "140", "10.09.08", "3", "НОРМА"}));
  EXPECT_EQ(per["StringGrid_Per_Otb"][0][6], "БРАК");  // erased
  EXPECT_EQ(Run({"overloads", path, "--at=-3"})["position"], 0);

  const json kds = Run({"kds", path, "--at", "0"});
  EXPECT_EQ(kds["position"], 0);
  EXPECT_EQ(kds["messages"], json::array());
  EXPECT_EQ(kds["StringGrid_KDS_Otbor"][0],
            (json{"0", "3.50Атм", "Дав. м. в ДВ атм.", "20.09.08", "12:30:00", "НОРМА"}));
  EXPECT_EQ(kds["StringGrid_KDS_Otbor"][1][1], "-5C°");
  EXPECT_EQ(Run({"kds", path, "--at", "150"})["StringGrid_KDS_Otbor"][2][0], "146");
}

TEST_F(EventCommands, SearchOverloadsSumsUpWithTheTextsAsGiven) {
  Write(Records(30));
  const json found = Run({"search-overloads", path});
  EXPECT_EQ(found["messages"], json::array());
  const json& c = found["controls"];
  EXPECT_EQ(c["ComboBox_Per"],
            (json{Item("3-й кадр, дата 20.09.08", 3), Item("2595-й кадр, дата 10.09.08", 2595)}));
  EXPECT_EQ(c["Label_Per_OtbZap"], "2");
  EXPECT_EQ(c["Label_MaxM1"],
            "Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 2");

  const json none = Run(
      {"search-overloads", path, "--threshold", "150", "--from", "20.09.08", "--to", "10.09.08"});
  EXPECT_EQ(none["controls"]["ComboBox_Per"], json::array());
  EXPECT_EQ(none["controls"]["Label_Per_OtbZap"], "0");
  EXPECT_EQ(none["controls"]["Label_MaxM1"],
            "Количество перегрузок больше 150% с 20.09.08 по 10.09.08 составляет 0");
  const json late = Run({"search-overloads", path, "--threshold", "109", "--to", "21.09.08"});
  EXPECT_EQ(late["controls"]["Label_Per_OtbZap"], "4");
}

TEST_F(EventCommands, SearchKdsFindsTheChosenParameter) {
  Write(Records(31));
  const json doc = Run({"search-kds", path, "--parameter", "5"});
  EXPECT_EQ(doc["messages"], json::array());
  const json& c = doc["controls"];
  EXPECT_EQ(c["ComboBox_KDS"], (json{Item("2-й кадр, дата: 20.09.08 в 23:59:59", 2),
                                     Item("146-й кадр, дата: 10.09.08 в 12:30:00", 146)}));
  EXPECT_EQ(c["Label_KDS_OtbZap"], "2");
  EXPECT_EQ(
      c["Label_MaxM2"],
      "Количество превышенных параметров ( Уровень топлива ) с 10.09.08 по 20.09.08 составляет 2");
  const json other = Run({"search-kds", path, "--parameter", "7", "--from", "01.01.08"});
  EXPECT_EQ(other["controls"]["Label_KDS_OtbZap"], "0");
  EXPECT_EQ(
      other["controls"]["Label_MaxM2"],
      "Количество превышенных параметров ( Напряжение БС ) с 01.01.08 по 20.09.08 составляет 0");
}

TEST_F(EventCommands, FilesWithoutKdsRecordsShowNothingAndSayWhy) {
  Write(Records(30).Damage(LongTermRecord::CraneIdent1));
  const json table = Run({"kds", path, "--at", "200"});
  EXPECT_EQ(table["position"], 144);
  EXPECT_EQ(table["StringGrid_KDS_Otbor"],
            json(std::vector<std::vector<std::string>>(6, std::vector<std::string>(6))));
  // The checksum message of the opening first, then the note.
  ASSERT_EQ(table["messages"].size(), 2u);
  const std::string note = table["messages"][1];
  EXPECT_NE(note.find("31"), std::string::npos);
  EXPECT_NE(note.find("30"), std::string::npos);

  const json search = Run({"search-kds", path, "--parameter", "5"});
  EXPECT_EQ(search["messages"][1], note);
  EXPECT_EQ(
      search["controls"],
      (json{{"ComboBox_KDS", json::array()}, {"Label_KDS_OtbZap", "0000"}, {"Label_MaxM2", ""}}));
}

TEST_F(EventCommands, UnreadableOptionValuesAreBadUsage) {
  Write(Records(31));
  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"search-overloads", path, "--threshold", "1x"},
       records::NotWholeNumberMessage("Загрузка M%", "1x")},
      {{"search-overloads", path, "--from", "1.9.08"},
       records::NotDateMessage("Дата перегрузки с", "1.9.08")},
      {{"search-overloads", path, "--to", "xx.09.08"},
       records::NotDateMessage("Дата перегрузки по", "xx.09.08")},
      {{"search-kds", path, "--parameter", "1", "--from", ""},
       records::NotDateMessage("Дата с", "")},
      {{"search-kds", path, "--parameter", "1", "--to", "20.09"},
       records::NotDateMessage("Дата по", "20.09")},
      {{"search-kds", path, "--parameter", "8"}, "--parameter"},
      {{"search-kds", path, "--parameter", "0"}, "--parameter"},
      {{"search-kds", path}, "--parameter"},
  };
  for (const auto& [args, explanation] : refused) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 2) << args.back();
    EXPECT_TRUE(run.out.empty()) << args.back();
    // One line naming what was refused (line breaks of the window's message become blanks).
    std::string oneLine = explanation;
    for (char& ch : oneLine)
      if (ch == '\n') ch = ' ';
    EXPECT_NE(run.err.find(oneLine), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

TEST_F(EventCommands, AMissingFileIsStatusOne) {
  const std::string missing = dir.File("missing.bin");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"search-overloads", missing},
        std::vector<std::string>{"search-kds", missing, "--parameter", "1"},
        std::vector<std::string>{"overloads", missing, "--at", "0"},
        std::vector<std::string>{"kds", missing, "--at", "0"}}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_NE(run.err.find("Файл не удалось открыть!"), std::string::npos) << args[0];
  }
  EXPECT_EQ(RunCli({"search-overloads", missing}).Document()["messages"], json{kOpenFailed});
}

}  // namespace
}  // namespace vertal::testing
