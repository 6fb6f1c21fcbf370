#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/Cp1251.h"
#include "dump/core/Checksum.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/LongTermLayout.h"
#include "link/core/Connection.h"
#include "link/core/Readout.h"
#include "link/core/ReadoutPace.h"
#include "link/core/SimulatedUnit.h"
#include "link/core/WatchedPort.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/ScriptedPort.h"
#include "support/TempDir.h"

namespace vertal::link {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::DumpBuilder;
using testing::FakeHost;
using testing::TempDir;

constexpr std::int64_t kIdentOffset = dump::kBankOffset[0] + dump::kCraneIdent.offset;

// A unit's memory with a crane record and bytes that differ across the areas; written once.
struct SourceDump {
  TempDir dir;
  DumpBuilder builder;
  std::string path = dir.File("unit.bin");

  SourceDump() {
    testing::CraneIdent crane;
    crane.serial = 1234;
    crane.model = "KS-45717";
    crane.commissioning = "Old commissioning";
    builder.Crane(0, crane);
    for (const std::int64_t at : {std::int64_t{20'000}, std::int64_t{32'767},
                                  dump::kOperativeAreaOffset + 7, dump::kTrailerOffset - 1})
      builder.Poke(at, static_cast<std::uint8_t>(at | 1));
    builder.Write(path);
  }

  Bytes Slice(std::int64_t offset, std::int64_t size) const {
    const auto begin = builder.Bytes().begin() + offset;
    return {begin, begin + size};
  }
};

const SourceDump& Source() {
  static const SourceDump dump;
  return dump;
}

// Stands for the operator: presses "Запись" with fixed entries, or closes the dialog.
class FakeDialog : public OperatorDialog {
 public:
  explicit FakeDialog(bool press) : press_(press) {}
  bool Run(CraneIdentBuffer& craneIdent, TrailerBuffer& trailer) override {
    ++shown;
    if (!press_) return false;
    PutFieldText(std::span(craneIdent).subspan(dump::kCraneCommissioning, 40), "ПНО Кран");
    dump::OperatorTrailer entered;
    entered.date = {0x05, 0x03, 0x09};
    entered.name = "Иванов";
    entered.owner = "Владелец";
    trailer = dump::WriteOperatorTrailer(entered);
    return true;
  }
  int shown = 0;

 private:
  bool press_;
};

// Records texts, colours and progress maxima in order; a repeated entry is kept once.
class FakeView : public ReadoutView {
 public:
  void SetStatusText(std::string_view text) override { Log("text" + std::string(text)); }
  void SetFilePanel(std::string_view path) override { Log("panel " + std::string(path)); }
  void SetStatusColour(StatusColour colour) override {
    static const char* const names[] = {"silver", "button face", "red", "yellow"};
    Log(std::string("colour ") + names[static_cast<int>(colour)]);
  }
  void SetProgressMaximum(int maximum) override { Log("max " + std::to_string(maximum)); }
  void SetProgressPosition(int at) override { position = at; }
  void Repaint() override {}

  std::string LastText() const {
    for (auto it = log.rbegin(); it != log.rend(); ++it)
      if (it->starts_with("text")) return it->substr(4);
    return {};
  }

  std::vector<std::string> log;
  int position = -1;

 private:
  void Log(std::string entry) {
    if (log.empty() || log.back() != entry) log.push_back(std::move(entry));
  }
};

std::string Text(std::string_view text) { return "text" + std::string(text); }

Bytes FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One readout against a simulated unit, the save dialog answering with `target`. It can be
// stopped as the request for a page goes out, and written to a disk with little room.
struct Readout {
  TempDir dir;
  SimulatedUnit unit;
  std::atomic<bool> stop{false};
  std::optional<int> stopAtPage;
  std::optional<std::uint64_t> diskRoom;
  std::function<void(std::uint16_t)> onPage;
  WatchedPort watched{unit, [this](std::uint16_t page) {
                        if (stopAtPage && page == *stopAtPage) stop = true;
                        if (onPage) onPage(page);
                      }};
  Link link{watched};
  FakeHost host;
  FileDialogSetup saveDialog;
  FakeDialog dialog;
  FakeView view;
  ReadoutBuffers buffers;
  std::string target = dir.File("read.bin");

  Readout(const char* fault, bool press)
      : unit(Source().path, fault ? *ParseFault(fault) : Fault{}), dialog(press) {
    ConnectUnit(link);
    host.saveAnswers.push_back(target);
  }
  ReadoutResult Run() {
    std::optional<LimitedFileSink> smallDisk;
    if (diskRoom) smallDisk.emplace(*diskRoom);
    const ReadoutControls controls{&stop, smallDisk ? &*smallDisk : nullptr};
    return ReadRecorder(link, host, saveDialog, dialog, view, buffers, controls);
  }
};

TEST(ReadRecorder, FullReadoutWritesTheUnitsMemoryAndTheOperatorsTrailer) {
  Readout r(nullptr, true);
  const ReadoutResult result = r.Run();

  EXPECT_EQ(result.end, ReadoutEnd::Done);
  EXPECT_EQ(result.writtenPath, r.target);
  EXPECT_TRUE(result.timerOn);
  const Bytes file = FileBytes(r.target);
  ASSERT_EQ(file.size(), 8'683'654u);
  EXPECT_TRUE(std::equal(file.begin(), file.begin() + dump::kTrailerOffset,
                         Source().builder.Bytes().begin()));
  EXPECT_TRUE(std::equal(r.buffers.trailer.begin(), r.buffers.trailer.end(),
                         file.begin() + dump::kTrailerOffset));
  EXPECT_TRUE(ChecksumValid(r.buffers.trailer));

  // Status panel 0 names the new file from the save dialog on.
  const std::vector<std::string> expected = {
      Text(kConnectedText),      "panel " + r.target,       "colour silver",
      Text(kIdentReadText),      "colour silver",           Text(kIdentWrittenText),
      "max 32768",               "colour red",              Text(kLongTermReadingText),
      "colour red",              Text(kLongTermDoneText),   Text(kPagesReadingText),
      "max 8193",                "colour yellow",           "panel " + r.target,
      Text(kPagesDoneText)};
  EXPECT_EQ(r.view.log, expected);
  EXPECT_EQ(r.view.position, 0);
  EXPECT_TRUE(r.host.messages.empty());
  EXPECT_EQ(r.saveDialog.fileName, r.target);
  EXPECT_EQ(r.saveDialog.initialDirectory, std::filesystem::current_path().string());
}

TEST(ReadRecorder, IdentWrittenBackCarriesTheOperatorsEntryWithAValidChecksum) {
  Readout r(nullptr, true);
  r.Run();

  ASSERT_TRUE(r.unit.ReceivedIdent());
  const Bytes& sent = *r.unit.ReceivedIdent();
  ASSERT_EQ(sent.size(), 104u);
  EXPECT_TRUE(ChecksumValid(sent));
  EXPECT_EQ(FieldText(std::span(sent).subspan(dump::kCraneCommissioning, 40)),
            FieldText(Utf8ToCp1251("ПНО Кран")));
  // The rest of the record is the unit's own.
  EXPECT_EQ(Bytes(sent.begin(), sent.begin() + dump::kCraneCommissioning),
            Source().Slice(kIdentOffset, dump::kCraneCommissioning));
}

TEST(ReadRecorder, NoUnitShowsNoDialogAndWritesNothing) {
  Readout r("no-unit", true);
  const ReadoutResult result = r.Run();

  EXPECT_EQ(result.end, ReadoutEnd::NoUnit);
  EXPECT_FALSE(result.writtenPath);
  EXPECT_TRUE(result.timerOn);
  EXPECT_EQ(r.view.log, std::vector<std::string>{Text(kNotConnectedText)});
  EXPECT_TRUE(r.host.saveDialogs.empty());
  EXPECT_EQ(r.dialog.shown, 0);
  EXPECT_FALSE(std::filesystem::exists(r.target));
}

TEST(ReadRecorder, CancelledSaveDialogAsksTheUnitNothing) {
  Readout r(nullptr, true);
  r.host.saveAnswers = {std::nullopt};
  const ReadoutResult result = r.Run();

  EXPECT_EQ(result.end, ReadoutEnd::FileNotCreated);
  EXPECT_EQ(r.host.messages, (std::vector<Message>{{MessageKind::Error, "\n Файл не удается создать!"}}));
  EXPECT_EQ(result.chosenPath, "");
  EXPECT_FALSE(result.writtenPath);
  EXPECT_FALSE(result.timerOn);
  EXPECT_EQ(r.dialog.shown, 0);
  EXPECT_FALSE(r.unit.ReceivedIdent());
}

TEST(ReadRecorder, UnitFallingSilentAtPage5000LeavesTheFileCutThere) {
  Readout r("silent-from-page:5000", true);
  const ReadoutResult result = r.Run();

  EXPECT_EQ(result.end, ReadoutEnd::PageFailed);
  EXPECT_FALSE(result.writtenPath);
  EXPECT_FALSE(result.timerOn);
  EXPECT_EQ(r.view.LastText(), std::string(kPageFailedText) + "32");
  EXPECT_EQ(r.view.log.back(), "panel ");
  EXPECT_EQ(r.view.position, 0);
  // Closed: its whole contents are on disk, no trailer after the last page read.
  const Bytes file = FileBytes(r.target);
  ASSERT_EQ(file.size(), 5'312'768u);
  EXPECT_TRUE(std::equal(file.begin(), file.end(), Source().builder.Bytes().begin()));
}

TEST(ReadRecorder, PageErrorCodeIsShownSigned) {
  Readout r("error-page:3:200", true);
  r.Run();
  EXPECT_EQ(r.view.LastText(), std::string(kPageFailedText) + "-56");
  EXPECT_EQ(std::filesystem::file_size(r.target), 32'768u + 1'056u * 3u);
}

TEST(ReadRecorder, UnreadIdentIsReportedAndNotWrittenBack) {
  Readout r("silent-ident", true);
  const ReadoutResult result = r.Run();

  const std::string text = " Идентификация крана не считана, ошибка  32 3  3";
  EXPECT_EQ(r.host.messages, (std::vector<Message>{{MessageKind::Plain, text}}));
  EXPECT_EQ(r.view.log[2], "colour button face");
  EXPECT_EQ(r.view.log[3], Text(text));
  EXPECT_FALSE(r.unit.ReceivedIdent());
  // The readout goes on.
  EXPECT_EQ(r.dialog.shown, 1);
  EXPECT_EQ(result.end, ReadoutEnd::Done);
  EXPECT_EQ(std::filesystem::file_size(r.target), 8'683'654u);
}

TEST(ReadRecorder, DialogClosedOnTheFirstReadoutAppendsAZeroTrailer) {
  Readout r(nullptr, false);
  const ReadoutResult result = r.Run();

  EXPECT_EQ(result.end, ReadoutEnd::Done);
  const Bytes file = FileBytes(r.target);
  ASSERT_EQ(file.size(), 8'683'654u);
  EXPECT_EQ(Bytes(file.end() - 134, file.end()), Bytes(134, 0));
  // The record goes back as it was read.
  EXPECT_EQ(r.unit.ReceivedIdent(), Source().Slice(kIdentOffset, 104));
}

TEST(ReadRecorder, LongTermFailureShowsTheBytesReceivedAndTheirSumAndLeavesAnEmptyFile) {
  testing::ScriptedPort port;
  // The version reply, no identification reply, then a long-term reply cut after 4 bytes.
  port.replies = {{0x00, 0x44, 0x07, 0xB4}, {}, {0x80, 0x58, 0x00, 0x90}};
  Link link(port);
  ConnectUnit(link);
  TempDir dir;
  FakeHost host;
  host.saveAnswers.push_back(dir.File("read.bin"));
  FileDialogSetup saveDialog;
  FakeDialog dialog(true);
  FakeView view;
  ReadoutBuffers buffers;
  const ReadoutResult result = ReadRecorder(link, host, saveDialog, dialog, view, buffers);

  EXPECT_EQ(result.end, ReadoutEnd::LongTermFailed);
  // 0x80 + 0x58 + 0x90 = 0x168, of which 8 bits are 0x68.
  EXPECT_EQ(view.LastText(), std::string(kLongTermFailedText) + "32 4 104");
  EXPECT_EQ(view.position, 0);
  EXPECT_FALSE(result.writtenPath);
  EXPECT_EQ(std::filesystem::file_size(dir.File("read.bin")), 0u);
}

// A readout that does not finish never costs the file that was there: what it read is kept
// beside it under a name that says so, or under the chosen name when there was none.
TEST(ReadRecorder, UnfinishedReadoutKeepsTheEarlierFileAndWhatWasRead) {
  struct Case {
    const char* name;
    const char* fault;
    std::optional<int> stopAtPage;  // -1: stopped before the long-term memory
    std::optional<std::uint64_t> diskRoom;
    ReadoutEnd end;
    std::int64_t kept;
    std::string lastText;
  };
  const std::int64_t head = dump::kLongTermAreaSize;
  const std::int64_t page = dump::kPageSize;
  const Case cases[] = {
      {"cable pulled at page 100", "silent-from-page:100", {}, {}, ReadoutEnd::PageFailed,
       head + 100 * page, std::string(kPageFailedText) + "32"},
      {"stopped after page 6", nullptr, 6, {}, ReadoutEnd::Stopped, head + 7 * page,
       std::string(kPageFailedText) + "32"},
      {"stopped before the long-term memory", nullptr, -1, {}, ReadoutEnd::Stopped, 0,
       std::string(kLongTermFailedText) + "32 0 0"},
      {"disk full inside page 3", nullptr, {}, head + 3 * page + 100, ReadoutEnd::WriteFailed,
       head + 3 * page + 100, std::string(kFileWriteFailedText)},
      {"disk full at the trailer", nullptr, {}, dump::kTrailerOffset, ReadoutEnd::WriteFailed,
       dump::kTrailerOffset, std::string(kFileWriteFailedText)},
  };
  const Bytes earlier(1000, 0x5E);
  for (const Case& c : cases) {
    for (const bool hadFile : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (hadFile ? ", over an earlier file" : ", new file"));
      Readout r(c.fault, true);
      r.diskRoom = c.diskRoom;
      if (c.stopAtPage == -1) {
        r.stop = true;
      } else {
        r.stopAtPage = c.stopAtPage;
      }
      if (hadFile) std::ofstream(r.target, std::ios::binary).write(reinterpret_cast<const char*>(earlier.data()), 1000);
      bool intactMidway = true;
      r.onPage = [&](std::uint16_t) {
        if (hadFile) intactMidway = intactMidway && FileBytes(r.target) == earlier;
      };
      const ReadoutResult result = r.Run();

      EXPECT_EQ(result.end, c.end);
      EXPECT_EQ(r.view.LastText(), c.lastText);
      EXPECT_EQ(r.view.log.back(), "panel ");
      EXPECT_FALSE(result.writtenPath);
      EXPECT_TRUE(intactMidway);
      const std::string partial = hadFile ? r.dir.File("read_неполный.bin") : r.target;
      if (hadFile) {
        EXPECT_EQ(FileBytes(r.target), earlier);
      }
      if (hadFile && c.kept == 0) {
        EXPECT_EQ(result.file.partialPath, "");
        EXPECT_FALSE(std::filesystem::exists(partial));
      } else {
        EXPECT_EQ(result.file.partialPath, partial);
        const Bytes kept = FileBytes(partial);
        ASSERT_EQ(static_cast<std::int64_t>(kept.size()), c.kept);
        EXPECT_TRUE(std::equal(kept.begin(), kept.end(), Source().builder.Bytes().begin()));
        EXPECT_NE(result.notice.find(partial), std::string::npos) << result.notice;
      }
      EXPECT_EQ(result.file.targetKept, hadFile);
      // Nothing else is left in the folder: no temporary file.
      const auto entries = std::distance(std::filesystem::directory_iterator(r.dir.Path()),
                                         std::filesystem::directory_iterator());
      EXPECT_EQ(entries, (hadFile && c.kept > 0) ? 2 : 1);
    }
  }
}

TEST(ReadRecorder, CompleteReadoutReplacesTheEarlierFileAndASecondFailureIsNumbered) {
  Readout first(nullptr, true);
  std::ofstream(first.target) << "old";
  EXPECT_EQ(first.Run().end, ReadoutEnd::Done);
  EXPECT_EQ(std::filesystem::file_size(first.target), 8'683'654u);

  std::ofstream(first.dir.File("read_неполный.bin")) << "an earlier partial reading";
  EXPECT_EQ(IncompleteName(first.target), first.dir.File("read_неполный_2.bin"));
}

TEST(ReadRecorder, UnwrittenIdentIsReportedAndTheReadoutGoesOn) {
  testing::ScriptedPort port;
  Bytes identReply(108, 0);
  identReply[0] = 0x80;
  identReply[1] = 0x56;
  identReply[2] = 104;
  CloseRecord(identReply);
  // The version reply, the identification, then silence.
  port.replies = {{0x00, 0x44, 0x07, 0xB4}, identReply};
  Link link(port);
  ConnectUnit(link);
  TempDir dir;
  FakeHost host;
  host.saveAnswers.push_back(dir.File("read.bin"));
  FileDialogSetup saveDialog;
  FakeDialog dialog(false);
  FakeView view;
  ReadoutBuffers buffers;
  const ReadoutResult result = ReadRecorder(link, host, saveDialog, dialog, view, buffers);

  const std::string text = " Идентификация крана не записана, ошибка  32 108  108";
  EXPECT_EQ(host.messages, (std::vector<Message>{{MessageKind::Plain, text}}));
  EXPECT_EQ(view.log[4], "colour button face");
  EXPECT_EQ(view.log[5], Text(text));
  EXPECT_EQ(result.end, ReadoutEnd::LongTermFailed);
}

TEST(PaceText, ShowsTheRateAndTheTimeLeftOnceAPageWasRead) {
  EXPECT_EQ(PaceText(0, 0), "Прочитано страниц: 0 из 8192");
  EXPECT_EQ(PaceText(100, 2.0), "Прочитано страниц: 100 из 8192, 50 стр./с, осталось 2 мин 42 с");
  EXPECT_EQ(PaceText(8'100, 100.0), "Прочитано страниц: 8100 из 8192, 81 стр./с, осталось 2 с");
}

}  // namespace
}  // namespace vertal::link
