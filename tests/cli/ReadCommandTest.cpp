// vertal-cli read OUT --simulate SRC: the Read command against a unit played from a dump.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "common/core/Cp1251.h"
#include "dump/core/LongTermLayout.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::testing {
namespace {

using nlohmann::json;

// Where bank 0 keeps the crane-identification record the simulated unit answers with.
constexpr std::int64_t kIdentOffset = dump::kBankOffset[0] + dump::kCraneIdent.offset;
const char* const kConnected = " БОИ VERTAL подключен";
const char* const kIdentRead = " Идентификация крана считана ";
const char* const kIdentWritten = " Идентификация крана записана ";
const char* const kLongTermReading = " Чтение долговременной информации РП";
const char* const kLongTermDone = " Чтение долговременной информации закончено ";
const char* const kPagesReading = " Чтение оперативной информации РП ";
const char* const kPageFailed = " Ошибка при чтении оперативной информации РП2 ";
const char* const kPagesDone = " Чтение оперативной информации РП закончено ";
const char* const kScanRunning = " Идет расшифровка файла";
const char* const kScanDone = " Расшифровка файла закончена";

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (const std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

std::vector<char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReadCommand : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    source_ = new TempDir;
    DumpBuilder b;
    CraneIdent crane;
    crane.serial = 1234;
    crane.commissioning = "Old commissioning";
    b.Crane(0, crane);
    b.Write(Source());
  }
  static void TearDownTestSuite() {
    delete source_;
    source_ = nullptr;
  }
  static std::string Source() { return source_->File("unit.bin"); }

  // The document of a read into `out`; the exit status must be `status`.
  json Read(std::vector<std::string> options, int status = 0) {
    std::vector<std::string> args = {"read", out, "--simulate", Source()};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun run = RunCli(args, {"LC_ALL=C"});
    EXPECT_EQ(run.exitCode, status) << run.err;
    return status == 2 ? json() : run.Document();
  }

  // A readout that fails at a page: the long-term memory and the pages before it are kept.
  void ExpectPageFailure(const json& doc, const std::string& code, int pagesKept) {
    EXPECT_EQ(doc["status"].back(), kPageFailed + code);
    EXPECT_EQ(doc["colours"], (json{"#C0C0C0", "#FF0000", "#FFFF00", "buttonface"}));
    EXPECT_EQ(doc["messages"], json::array());
    EXPECT_EQ(doc["panel0"], "");
    EXPECT_EQ(doc["size"], 32'768 + 1'056 * pagesKept);
    EXPECT_EQ(doc["partial"], out);
  }

  static TempDir* source_;
  TempDir dir;
  std::string out = dir.File("out.bin");
};

TempDir* ReadCommand::source_ = nullptr;

// The whole Read command: the readout, then the new file opened as Open opens it.
TEST_F(ReadCommand, FullReadoutWritesTheWholeFileOpensItAndSendsTheCommissioningBack) {
  const json doc = Read({"--commissioning", "ПНО Кран", "--date", "15.03.09"});
  EXPECT_EQ(doc["status"],
            (json{kConnected, kIdentRead, kIdentWritten, kLongTermReading, kLongTermDone,
                  kPagesReading, kPagesDone, kScanRunning, kScanDone}));
  EXPECT_EQ(doc["colours"], (json{"#C0C0C0", "#FF0000", "#FFFF00", "#A6CAF0", "buttonface"}));
  EXPECT_EQ(doc["messages"], json::array());
  EXPECT_EQ(doc["panel0"], out);
  EXPECT_EQ(doc["size"], 8'683'654);
  const std::string ident = doc["unit_ident"];
  ASSERT_EQ(ident.size(), 208u);
  EXPECT_EQ(ident.substr(63 * 2, 18), Hex(Utf8ToCp1251("ПНО Кран")) + "00");

  const std::vector<char> file = FileBytes(out);
  EXPECT_EQ(file[file.size() - 134], 0x15);  // the date in BCD opens the trailer
}

TEST_F(ReadCommand, NoUnitWritesNothing) {
  const json doc = Read({"--fault", "no-unit"});
  EXPECT_EQ(doc["status"], json{" Устройство не подключено"});
  EXPECT_EQ(doc["colours"], json::array());
  EXPECT_EQ(doc["panel0"], "");
  EXPECT_EQ(doc["unit_ident"], nullptr);
  EXPECT_EQ(doc["size"], nullptr);
}

TEST_F(ReadCommand, SilentIdentIsReportedAndTheReadoutGoesOn) {
  const json doc = Read({"--fault", "silent-ident"});
  const std::string text = " Идентификация крана не считана, ошибка  32 3  3";
  EXPECT_EQ(doc["status"][1], text);
  EXPECT_EQ(doc["messages"], json{text});
  EXPECT_EQ(doc["colours"].front(), "buttonface");
  EXPECT_EQ(doc["size"], 8'683'654);
}

TEST_F(ReadCommand, UnitSilentFromAPageLeavesThePagesBeforeIt) {
  ExpectPageFailure(Read({"--fault", "silent-from-page:5"}), "32", 5);
}

TEST_F(ReadCommand, CorruptPageLeavesThePagesBeforeIt) {
  ExpectPageFailure(Read({"--fault", "corrupt-page:2"}), "33", 2);
}

TEST_F(ReadCommand, ErrorReplyShowsItsCodeAsASignedByte) {
  ExpectPageFailure(Read({"--fault", "error-page:3:200"}), "-56", 3);
}

TEST_F(ReadCommand, UntouchedDialogSendsTheUnitsRecordBackAndStoresNoOwner) {
  const json doc = Read({});
  std::ifstream in(Source(), std::ios::binary);
  std::vector<std::uint8_t> record(104);
  in.seekg(kIdentOffset);
  in.read(reinterpret_cast<char*>(record.data()), 104);
  EXPECT_EQ(doc["unit_ident"], Hex(record));
  const std::vector<char> file = FileBytes(out);
  EXPECT_EQ(file[file.size() - 134 + 93], 0);  // the owner's field is empty
}

// A cable pulled in the middle of a readout does not cost the good dump that was there.
TEST_F(ReadCommand, FailedReadoutOverAnEarlierDumpKeepsItAndSaysWhereThePartIs) {
  Read({});
  const std::vector<char> good = FileBytes(out);
  const json doc = Read({"--overwrite", "--fault", "silent-from-page:100"});
  EXPECT_EQ(FileBytes(out), good);
  const std::string partial = dir.File("out_неполный.bin");
  EXPECT_EQ(doc["partial"], partial);
  EXPECT_EQ(std::filesystem::file_size(partial), 32'768u + 1'056u * 100u);
  EXPECT_NE(std::string(doc["notice"]).find(partial), std::string::npos);
  EXPECT_EQ(doc["panel0"], "");
  EXPECT_EQ(doc["status"].back(), std::string(kPageFailed) + "32");
}

TEST_F(ReadCommand, OperatorCancelWritesAZeroTrailerAndTheRecordAsRead) {
  const json doc = Read({"--operator-cancel"});
  EXPECT_EQ(doc["size"], 8'683'654);
  const std::vector<char> file = FileBytes(out);
  EXPECT_TRUE(std::all_of(file.end() - 134, file.end(), [](char c) { return c == 0; }));
  EXPECT_EQ(std::string(doc["unit_ident"]).substr(63 * 2, 34),
            Hex(Utf8ToCp1251("Old commissioning")));
}

TEST_F(ReadCommand, ExistingOutputNeedsOverwriteAndIsOtherwiseLeftAlone) {
  { std::ofstream(out) << "keep"; }
  Read({}, 2);
  EXPECT_EQ(std::filesystem::file_size(out), 4u);
  EXPECT_EQ(Read({"--overwrite"})["size"], 8'683'654);
}

TEST_F(ReadCommand, BadFaultOrDateIsBadUsage) {
  Read({"--fault", "silent-from-page:8192"}, 2);
  Read({"--date", "5.3.09"}, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ReadCommand, MissingSourceCannotBeOpened) {
  const CliRun run = RunCli({"read", out, "--simulate", dir.File("none.bin")}, {"LC_ALL=C"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.Document()["messages"], json{"\n Файл не удалось открыть!"});
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace vertal::testing
